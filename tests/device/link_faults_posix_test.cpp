// The link when the controller misbehaves, on a real pseudo-terminal: pulled out while nothing is
// written, a line that takes bytes and never passes them on, pulled out in the middle of a write, and
// pulled out while the ports are scanned.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "device/com.h"
#include "device/device_link.h"
#include "device/protocol.h"
#include "device_fixture.h"
#include "pty_posix.h"
#include "recorder.h"

using namespace lr;
using ptytest::PtyPair;

namespace {

// More than a terminal holds: its first part fills the line, the rest waits at the port.
const std::string kFiller(1 << 20, 'x');

class PtyDevice : public DeviceTest {
  protected:
    PtyDevice() {
        device::useSystemPorts(true);
        replug();
    }
    ~PtyDevice() override { device::setSerialDevices(device::defaultSerialDevices()); }

    void replug() {
        pty = std::make_unique<PtyPair>();
        name.pointAt(pty->slavePath());
        device::setSerialDevices({name.path()});
    }

    ptytest::DeviceLink name;
    std::unique_ptr<PtyPair> pty;
};

class QuietLink : public PtyDevice {
  protected:
    QuietLink() { fireString(link.open(), "COM1"); }
    bool open() { return link.port().isOpen(); }

    DeviceLink link;
};

}  // namespace

TEST_F(QuietLink, UnpluggedWithTheLightsOffTheLinkNoticesAndIsBackWithin2sOfTheReturn) {
    ASSERT_TRUE(open());
    fireNull(link.lightsOff());
    ASSERT_EQ(pty->read(device::kAllOff.size()), std::string(device::kAllOff));
    pty->closeMaster();
    loop.advance(THIComAsync::kWatchMs);
    EXPECT_FALSE(open()) << "nothing was written, yet the loss is known";

    loop.advance(10000);  // away for long: the retries fail quietly
    EXPECT_FALSE(open());
    replug();
    loop.advance(2000);
    ASSERT_TRUE(open()) << "not back within 2 s of the device's return";
    fireNull(link.lightsOn());
    EXPECT_EQ(pty->read(device::kAllOff.size()), std::string(device::kAllOff));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(QuietLink, ADeviceThatStaysIsLeftOpen) {
    Recorder reopened;
    link.port().onOpen = reopened.point();
    loop.advance(DeviceLink::kReconnectMs - 1);
    EXPECT_TRUE(open());
    EXPECT_TRUE(reopened.values.empty());
    fireString(link.command(1), "A5");
    EXPECT_EQ(pty->read(2), "A5");
}

class StuckLine : public PtyDevice {
  protected:
    StuckLine() {
        com.Reconnect = true;
        com.onWrite = written.point();
        TData port = makeString("COM1");
        com.doOpen(port);
    }
    void write(const std::string& text) {
        TData d = makeString(text);
        com.doWrite(d);
    }
    std::vector<std::int32_t> reported() {
        std::vector<std::int32_t> sizes;
        for (const TData& d : written.values)
            sizes.push_back(toInteger(d));
        return sizes;
    }
    std::vector<std::string> commands(int count) {
        std::vector<std::string> all;
        for (int i = 0; i < count; ++i)
            all.push_back("P" + std::to_string(i));
        return all;
    }

    THIComAsync com;
    Recorder written;
};

TEST_F(StuckLine, CommandsTheLineCannotTakeAreDroppedWholeTheRestGoOutInOrderWhenItMoves) {
    ASSERT_TRUE(com.isOpen());
    write(kFiller);
    const std::vector<std::string> sent = commands(400);
    for (const std::string& command : sent)
        write(command);
    const std::uint64_t dropped = com.droppedWrites();
    ASSERT_GT(dropped, 0u) << "the waiting room is bounded";
    ASSERT_LT(dropped, sent.size());
    const std::size_t kept = sent.size() - dropped;
    EXPECT_EQ(reported(), std::vector<std::int32_t>(dropped, 0))
        << "only the dropped ones are reported while the line is stuck: the others wait, unwritten";

    const std::string expected =
        std::accumulate(sent.begin(), sent.begin() + static_cast<long>(kept), kFiller);
    EXPECT_EQ(pty->read(expected.size(), 10000), expected) << "whole commands, in order, the first ones";
    EXPECT_EQ(pty->read(1, 50), "") << "no dropped command follows later";
    ASSERT_TRUE(pumpUntil([&] { return written.values.size() == sent.size() + 1; }));
    std::vector<std::int32_t> sizes(dropped, 0);
    sizes.push_back(static_cast<std::int32_t>(kFiller.size()));
    for (std::size_t i = 0; i < kept; ++i)
        sizes.push_back(static_cast<std::int32_t>(sent[i].size()));
    EXPECT_EQ(reported(), sizes);

    written.values.clear();
    write("A5");  // the line moves again: straight out
    EXPECT_EQ(reported(), std::vector<std::int32_t>{2});
    EXPECT_EQ(pty->read(2), "A5");
    EXPECT_EQ(com.droppedWrites(), dropped);
}

// Two producers at once, as the Ambilight worker and the loop thread are: each command that goes out
// does so whole, and each producer's commands keep their order.
TEST_F(StuckLine, CommandsFromTwoThreadsOnAStuckLineNeverCutIntoEachOther) {
    com.onWrite = Point{};  // a drop reports on the dropping thread: nothing to record here
    write(kFiller);
    constexpr int kEach = 150;
    const auto produce = [this](char who) {
        for (int i = 0; i < kEach; ++i)
            write(std::string("[") + who + std::to_string(i) + "]");
    };
    std::thread ambilight(produce, 'a');
    produce('b');
    ambilight.join();

    ASSERT_EQ(pty->read(kFiller.size(), 10000), kFiller);
    std::string tail;
    for (std::string more = pty->read(4096, 200); !more.empty(); more = pty->read(4096, 200))
        tail += more;
    std::map<char, int> last{{'a', -1}, {'b', -1}};
    std::size_t whole = 0;
    for (std::size_t at = 0; at < tail.size(); ++whole) {
        const std::size_t end = tail.find(']', at);
        ASSERT_NE(end, std::string::npos) << "a cut command at the end: " << tail.substr(at);
        const std::string command = tail.substr(at, end + 1 - at);
        ASSERT_TRUE(command.size() >= 4 && command[0] == '[' && last.count(command[1])) << command;
        const int number = std::stoi(command.substr(2));
        EXPECT_GT(number, last[command[1]]) << command;
        last[command[1]] = number;
        at = end + 1;
    }
    EXPECT_EQ(whole + com.droppedWrites(), 2u * kEach);
}

TEST_F(StuckLine, ClosingAStuckLineDoesNotWaitForItAndTheNextOpenStartsClean) {
    com.FlushOnClose = true;
    write(kFiller);
    write("A5");
    Recorder closed;
    com.onClose = closed.point();
    TData none;
    com.doClose(none);
    EXPECT_EQ(closed.values.size(), 1u);
    EXPECT_FALSE(com.isOpen());
    EXPECT_EQ(com.droppedWrites(), 2u) << "the filler's rest and the command behind it";

    while (!pty->read(4096, 50).empty()) {
    }  // what had reached the terminal
    TData port = makeString("COM1");
    com.doOpen(port);
    ASSERT_TRUE(com.isOpen());
    write("B3");
    EXPECT_EQ(pty->read(2), "B3");
}

TEST_F(StuckLine, UnpluggedInTheMiddleOfAWriteTheLinkClosesAndComesBack) {
    write(kFiller);
    write("A5");
    pty->closeMaster();
    ASSERT_TRUE(pumpUntil([&] { return !com.isOpen(); })) << "the write found the device gone";
    EXPECT_EQ(com.droppedWrites(), 2u);
    loop.advance(5000);
    EXPECT_FALSE(com.isOpen());
    replug();
    loop.advance(2000);
    ASSERT_TRUE(com.isOpen());
    write("B3");
    EXPECT_EQ(pty->read(2), "B3");
}

namespace {

class ScanWhileUnplugging : public DeviceTest {
  protected:
    ScanWhileUnplugging() {
        device::useSystemPorts(true);
        device::setSerialDevices({ptys[0].slavePath(), ptys[1].slavePath(), ptys[2].slavePath()});
        scan.onItem = items.point();
    }
    ~ScanWhileUnplugging() override { device::setSerialDevices(device::defaultSerialDevices()); }
    std::vector<std::string> scanned() {
        TData none;
        scan.doScan(none);
        return items.texts();
    }

    PtyPair ptys[3];
    THIPortScan scan;
    Recorder items;
};

// Pulls device `index` out when item `when` is listed.
struct UnplugOn : Element {
    UnplugOn(PtyPair& pty, std::string when, Point next) : pty(pty), when(std::move(when)), next(next) {}
    void item(TData& data) {
        if (toString(data) == when) pty.closeMaster();
        lr::fire(next, data);
    }
    PtyPair& pty;
    std::string when;
    Point next;
};

}  // namespace

TEST_F(ScanWhileUnplugging, ADeviceGoneBeforeItsTurnIsNotListedAndTheScanGoesOn) {
    UnplugOn unplug(ptys[1], "COM 1", items.point());
    scan.onItem = bind<&UnplugOn::item>(unplug);
    EXPECT_EQ(scanned(), (std::vector<std::string>{"COM 1", "COM 3"}));
}

TEST_F(ScanWhileUnplugging, ADeviceGoneWhileItIsProbedIsListedOnceAndClosedQuietly) {
    UnplugOn unplug(ptys[1], "COM 2", items.point());
    scan.onItem = bind<&UnplugOn::item>(unplug);
    EXPECT_EQ(scanned(), (std::vector<std::string>{"COM 1", "COM 2", "COM 3"}));
    items.values.clear();
    EXPECT_EQ(scanned(), (std::vector<std::string>{"COM 1", "COM 3"})) << "the next scan knows it is gone";
    EXPECT_EQ(ptys[0].read(1, 50), "") << "the scan sends nothing";
}
