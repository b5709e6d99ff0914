#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "device/com_async.h"
#include "device/line_config.h"
#include "device_fixture.h"
#include "recorder.h"

using namespace lr;
using lr::device::modem::Cts;
using lr::device::modem::Rlsd;

namespace {

// Records which output fired, in order, with the value.
struct Outputs {
    Recorder log;
    void wire(THIComAsync& c) {
        const std::pair<Point*, std::uint16_t> outputs[] = {
            {&c.onBeforeOpen, 0}, {&c.onOpen, 1},   {&c.onBeforeClose, 2}, {&c.onClose, 3},
            {&c.onWrite, 4},      {&c.onRead, 5},   {&c.onCts, 6},         {&c.onDsr, 7},
            {&c.onRlsd, 8},       {&c.onRxChar, 9}, {&c.onErr, 10},        {&c.onTxEmpty, 11},
            {&c.onBreak, 12},     {&c.onRing, 13},  {&c.onRx80Full, 14},   {&c.onRxFlag, 15},
        };
        for (const auto& [point, index] : outputs)
            *point = log.point(index);
    }
    std::vector<std::string> seen() const {
        static const char* kNames[] = {"beforeOpen", "open", "beforeClose", "close",  "write", "read",
                                       "cts",        "dsr",  "rlsd",        "rxChar", "err",   "txEmpty",
                                       "break",      "ring", "rx80Full",    "rxFlag"};
        std::vector<std::string> out;
        for (std::size_t i = 0; i < log.values.size(); ++i)
            out.push_back(std::string(kNames[log.indexes[i]]) + " " + toString(log.values[i]));
        return out;
    }
    void clear() {
        log.values.clear();
        log.indexes.clear();
    }
};

}  // namespace

class ComAsync : public DeviceTest {
  protected:
    ComAsync() { outputs.wire(com); }
    void open(const std::string& name) {
        TData d = makeString(name);
        com.doOpen(d);
    }
    void write(const std::string& text) {
        TData d = makeString(text);
        com.doWrite(d);
    }
    std::string read(int count) {
        TData d = makeInteger(count);
        com.doRead(d);
        return toString(outputs.log.values.back());
    }
    void close() {
        TData d;
        com.doClose(d);
    }
    std::int32_t isOpen() {
        TData d;
        com.IsOpen(d);
        return d.intValue;
    }

    BoundLine com7{7};
    Outputs outputs;
    THIComAsync com;
};

TEST_F(ComAsync, NamesAreCheckedBeforeTheSystemIsTouched) {
    for (const char* name : {"COM0", "COM256", "LPT1", "COM1000", "COM", ""}) {
        outputs.clear();
        open(name);
        EXPECT_EQ(outputs.seen(), (std::vector<std::string>{"beforeOpen ", "open 0"})) << name;
    }
    EXPECT_EQ(com7.openAttempts, 0);
    open("com7");
    EXPECT_EQ(outputs.seen().back(), "open 7");
    EXPECT_EQ(isOpen(), 1);
}

TEST_F(ComAsync, APortThatWillNotOpenGivesZero) {
    com7.line->unplug();
    open("COM7");
    EXPECT_EQ(outputs.seen().back(), "open 0");
    EXPECT_EQ(isOpen(), 0);
}

TEST_F(ComAsync, OpeningReportsTheModemLinesThatAreOnThenTheNumber) {
    com7.line->setModemStatus(Cts | Rlsd);
    open("COM7");
    EXPECT_EQ(outputs.seen(), (std::vector<std::string>{"beforeOpen ", "cts 1", "rlsd 1", "open 7"}));
    EXPECT_EQ(com.properties().maxBaud, 115200u);
    outputs.clear();
    open("COM7");  // already open: nothing at all
    EXPECT_TRUE(outputs.seen().empty());
}

TEST_F(ComAsync, ThePortNameComesFromTheDataInputAndTheLineFromTheProperties) {
    Source name(makeString("COM7"));
    Source baud(makeInteger(19200));
    com.Port = name.point();
    com.Baud = baud.point();
    com.StopBits = 2;
    com.EvRxChar = true;
    TData nothing;
    com.doOpen(nothing);
    const auto settings = com7.line->lastSettings();
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->baud, 19200u);
    EXPECT_EQ(settings->stopBits, 2);
    EXPECT_EQ(settings->eventMask, 1u);
    EXPECT_EQ(settings->timeouts.writeTotalMultiplier, 100u);
}

TEST_F(ComAsync, WritesPutTheBytesOnTheLineUnchanged) {
    write("A5");  // closed: nothing happens
    EXPECT_TRUE(outputs.seen().empty());
    open("COM7");
    outputs.clear();
    write("A5");
    write(
        std::string("B\0"
                    "3 ",
                    4));
    EXPECT_EQ(com7.line->takeWritten(), std::string("A5B\0"
                                                    "3 ",
                                                    6));
    EXPECT_EQ(outputs.seen(), (std::vector<std::string>{"write 2", "write 4"}));
}

TEST_F(ComAsync, ReadsReturnWhatIsQueuedAtOnce) {
    open("COM7");
    com7.line->send("xyz");
    EXPECT_EQ(read(10), "xyz");
    EXPECT_EQ(read(10), "");
    com7.line->send("abc");
    EXPECT_EQ(read(1), "a");
    EXPECT_EQ(read(5), "bc");
}

TEST_F(ComAsync, ClosingSaysSoAndDropsTheLineStates) {
    com7.line->setModemStatus(Cts);
    open("COM7");
    outputs.clear();
    close();
    EXPECT_EQ(outputs.seen(),
              (std::vector<std::string>{"beforeClose ", "cts 0", "dsr 0", "rlsd 0", "close "}));
    EXPECT_FALSE(com7.line->isOpen());
    EXPECT_EQ(isOpen(), 0);
    outputs.clear();
    close();
    EXPECT_TRUE(outputs.seen().empty());
}

TEST_F(ComAsync, LineEventsArriveOnTheLoopThreadInTheDriversOrder) {
    com.EvRxChar = com.EvCts = com.EvErr = com.EvBreak = true;
    open("COM7");
    outputs.clear();
    com7.line->send("abc");
    ASSERT_TRUE(pumpUntil([&] { return !outputs.seen().empty(); }));
    EXPECT_EQ(outputs.seen(), (std::vector<std::string>{"rxChar 3"}));
    outputs.clear();
    com7.line->setModemStatus(Cts);
    ASSERT_TRUE(pumpUntil([&] { return !outputs.seen().empty(); }));
    EXPECT_EQ(outputs.seen(), (std::vector<std::string>{"cts 1"}));
    outputs.clear();
    com7.line->raiseErrors(device::lineError::Frame | device::lineError::Break | device::lineError::Overrun);
    ASSERT_TRUE(pumpUntil([&] { return outputs.seen().size() >= 2; }));
    EXPECT_EQ(outputs.seen(),
              (std::vector<std::string>{
                  "break ", "err Receive Framing Error\r\nReceive Overrun Error\r\nBreak Detected"}));
    EXPECT_EQ(com.errors().size(), 3u);
}

TEST_F(ComAsync, WithAbortOnErrorTheErrorEventIsNotReported) {
    com.EvErr = com.EvRxChar = com.AbortOnError = true;
    open("COM7");
    outputs.clear();
    com7.line->raiseErrors(device::lineError::Frame);
    com7.line->send("x");
    ASSERT_TRUE(pumpUntil([&] { return !outputs.seen().empty(); }));
    EXPECT_EQ(outputs.seen(), (std::vector<std::string>{"rxChar 1"}));
}

TEST_F(ComAsync, ClosingWithTheEventThreadRunningStopsIt) {
    com.EvRxChar = true;
    open("COM7");
    com7.line->send("abc");
    close();  // the event may have been posted already: it must not fire after the close
    outputs.clear();
    loop.pump();
    EXPECT_TRUE(outputs.seen().empty());
    open("COM7");
    EXPECT_EQ(isOpen(), 1);
}

TEST_F(ComAsync, AVanishedDeviceClosesTheLinkAtOnceAndReconnectsWhenItIsBack) {
    com.Reconnect = true;
    open("COM7");
    com7.line->unplug();
    outputs.clear();
    write("A1");
    EXPECT_TRUE(outputs.seen().empty());  // a write that failed at once fires nothing
    loop.advance(0);
    EXPECT_EQ(isOpen(), 0);
    EXPECT_EQ(outputs.seen().back(), "close ");
    write("A2");  // dropped while away
    const int attempts = com7.openAttempts;
    loop.advance(250 + 500 + 1000);
    EXPECT_EQ(com7.openAttempts, attempts + 3);
    com7.line->plugIn();
    outputs.clear();
    loop.advance(1499);
    EXPECT_EQ(isOpen(), 0);
    loop.advance(1);
    EXPECT_EQ(isOpen(), 1);
    EXPECT_EQ(outputs.seen(), (std::vector<std::string>{"open 7"}));
    write("A3");
    EXPECT_EQ(com7.line->takeWritten(), "A3");
}

TEST_F(ComAsync, WithoutReconnectOrAfterCloseTheLinkStaysClosed) {
    open("COM7");
    com7.line->unplug();
    write("A1");
    loop.advance(10000);
    EXPECT_EQ(com7.openAttempts, 1);
    com.Reconnect = true;
    com7.line->plugIn();
    open("COM7");
    com7.line->unplug();
    write("A1");
    loop.advance(0);
    close();
    com7.line->plugIn();
    loop.advance(10000);
    EXPECT_EQ(isOpen(), 0);
    EXPECT_EQ(com7.openAttempts, 2);
}

TEST_F(ComAsync, WritesFromAnotherThreadWhileTheLoopClosesAndReopens) {
    com.Reconnect = true;
    com.onWrite = Point{};  // the writer's own output; the recorder belongs to this thread
    open("COM7");
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        while (!stop) {
            TData d = makeString("A5");
            com.doWrite(d);
            TData open;
            com.IsOpen(open);
        }
    });
    for (int i = 0; i < 50; ++i) {
        close();
        open("COM7");
        if (i % 10 == 0) {
            com7.line->unplug();
            com7.line->plugIn();
        }
        loop.advance(300);
    }
    stop = true;
    writer.join();
    EXPECT_EQ(com7.line->takeWritten().size() % 2, 0u);
}

TEST_F(ComAsync, DestroyingAnOpenPortWithEventsClosesItQuietly) {
    {
        THIComAsync other;
        Recorder closed;
        other.onClose = closed.point();
        other.EvRxChar = true;
        TData d = makeString("COM7");
        other.doOpen(d);
        com7.line->send("x");
        EXPECT_TRUE(com7.line->isOpen());
    }
    EXPECT_FALSE(com7.line->isOpen());
    loop.pump();
}
