// The Win32 backend on a COM port of the Wine prefix that the bridge maps to a pseudo-terminal whose far
// end echoes. Runs only when the bridge names the port. The device is another process: the waits here
// are for it, bounded so that a broken port fails instead of hanging.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "device/com.h"
#include "device/com_async.h"
#include "device/device_link.h"
#include "device/protocol.h"
#include "headless_fixture.h"
#include "recorder.h"
#include "wine_bridge/wine_bridge.h"

using namespace lr;

namespace {

bool waitUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 1000; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::string echoed(device::SerialPort& port, std::size_t count) {
    std::string back;
    waitUntil([&] {
        back += port.read(count - back.size()).bytes;
        return back.size() >= count;
    });
    return back;
}

}  // namespace

class WineCom : public HeadlessTest {
  protected:
    void SetUp() override {
        const char* name = std::getenv("LUMENRIG_TEST_COM");
        if (!name) GTEST_SKIP() << "no COM port mapped by the bridge";
        com = name;
    }
    std::string com;
};

TEST_F(WineCom, BytesGoOutExactlyAsWritten) {
    auto opened = device::openSerialPort(com, device::LineSettings{});
    ASSERT_TRUE(opened.port) << opened.error;
    EXPECT_EQ(opened.port->write("A5").written, 2u);
    EXPECT_EQ(opened.port->write("B3").written, 2u);
    EXPECT_EQ(echoed(*opened.port, 4), "A5B3");
    const std::string binary("\r\n\0\xff\x11\x13 Z2", 9);
    opened.port->write(binary);
    EXPECT_EQ(echoed(*opened.port, binary.size()), binary);
    EXPECT_EQ(opened.port->read(10).bytes, "");  // nothing queued: back at once
}

TEST_F(WineCom, TheScanFindsTheMappedPort) {
    THIPortScan scan;
    Recorder items;
    scan.onItem = items.point();
    TData none;
    scan.doScan(none);
    const std::vector<std::string> found = items.texts();
    EXPECT_NE(std::find(found.begin(), found.end(), "COM " + com.substr(3)), found.end());
}

TEST_F(WineCom, TheLinkWritesCommandsAndDecodesAStateReply) {
    DeviceLink link;
    Recorder states;
    link.setOnState(states.point());
    TData name = makeString(com);
    fire(link.open(), name);
    ASSERT_TRUE(link.port().isOpen());
    std::string reply("\x01\x80\x02", 3);
    reply += std::string(27, '\0') + "\x07";
    TData command = makeString(reply);
    fire(link.command(2), command);
    TData request = makeString(std::string(device::kReadState));
    fire(link.command(0), request);  // the read-back follows a request that went out
    // The echo is the controller's answer; give the bridge its moment before the 100 ms tick.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    TData none;
    fire(link.readBack(), none);
    loop.advance(100);
    ASSERT_EQ(states.values.size(), 1u);
    EXPECT_EQ(states.texts()[0], "1120" + std::string(26, '0') + "7");
}

TEST_F(WineCom, UnpluggedMidStreamTheLinkClosesAndReconnects) {
    DeviceLink link;
    TData name = makeString(com);
    fire(link.open(), name);
    ASSERT_TRUE(link.port().isOpen());
    TData unplug = makeString(std::string(winebridge::kUnplug));
    fire(link.command(2), unplug);
    bool closed = false;
    const bool back = waitUntil([&] {
        TData a2 = makeString("A2");
        fire(link.command(1), a2);
        loop.advance(250);
        closed = closed || !link.port().isOpen();
        return closed && link.port().isOpen();
    });
    EXPECT_TRUE(closed);
    ASSERT_TRUE(back);
    Recorder read;
    link.port().onRead = read.point();
    TData c1 = makeString("C1");
    fire(link.command(1), c1);
    std::string got;
    waitUntil([&] {
        TData two = makeInteger(2);
        link.port().doRead(two);
        got += toString(read.values.back());
        return got.size() >= 2;
    });
    EXPECT_EQ(got, "C1");
}

TEST_F(WineCom, UnpluggedWhileNothingIsWrittenTheLinkNoticesAndReconnects) {
    DeviceLink link;
    TData name = makeString(com);
    fire(link.open(), name);
    ASSERT_TRUE(link.port().isOpen());
    TData unplug = makeString(std::string(winebridge::kUnplug));
    fire(link.command(2), unplug);  // the last write: from here on only the check of the open port
    bool closed = false;
    const bool back = waitUntil([&] {
        loop.advance(THIComAsync::kWatchMs);
        closed = closed || !link.port().isOpen();
        return closed && link.port().isOpen();
    });
    EXPECT_TRUE(closed);
    ASSERT_TRUE(back);
    EXPECT_EQ(link.port().droppedWrites(), 0u);
}

// Wine completes a line-event wait on a pty-backed port at once with no events (it watches the modem
// lines, which a pty does not have), so the event thread ends; the port must go on working regardless.
TEST_F(WineCom, WithLineEventsSwitchedOnThePortStillWritesReadsAndCloses) {
    THIComAsync port;
    Recorder read;
    port.onRead = read.point();
    port.EvRxChar = true;
    TData name = makeString(com);
    port.doOpen(name);
    ASSERT_TRUE(port.isOpen());
    TData text = makeString("Z");
    port.doWrite(text);
    EXPECT_TRUE(waitUntil([&] {
        loop.pump();
        TData one = makeInteger(1);
        port.doRead(one);
        return toString(read.values.back()) == "Z";
    }));
    TData none;
    port.doClose(none);
    EXPECT_FALSE(port.isOpen());
}
