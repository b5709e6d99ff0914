// The termios backend against a real pseudo-terminal pair.
#include <gtest/gtest.h>

#include "device/com_async.h"
#include "device/serial_port.h"
#include "device_fixture.h"
#include "pty_posix.h"
#include "recorder.h"

using namespace lr;
using ptytest::PtyPair;

namespace {

device::OpenResult openPath(const std::string& path, device::LineSettings settings = {}) {
    return device::openSerialPort(path, settings);
}

// The pty hands bytes over in the background: wait until they are queued at the port.
bool waitForInput(device::SerialPort& port, std::uint32_t count) {
    for (int i = 0; i < 2000; ++i) {
        if (port.lineStatus().inQueue >= count) return true;
        ptytest::PtyPair::pause();
    }
    return false;
}

}  // namespace

TEST(PosixPort, BytesReachTheOtherEndUnchanged) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto opened = openPath(pty.slavePath());
    ASSERT_TRUE(opened.port) << opened.error;
    opened.port->write("A5");
    opened.port->write("B3");
    EXPECT_EQ(pty.read(4), "A5B3");
    const std::string binary("\r\n\0\xff\x11\x13 Z2", 9);
    EXPECT_EQ(opened.port->write(binary).written, binary.size());
    EXPECT_EQ(pty.read(binary.size()), binary);
}

TEST(PosixPort, TheLineIs9600EightBitsNoParityOneStopNoFlowControlRaw) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    auto opened = openPath(pty.slavePath());
    ASSERT_TRUE(opened.port) << opened.error;
    const auto s = ptytest::ttySettings(pty.slavePath());
    EXPECT_EQ(s.baud, 9600u);
    EXPECT_EQ(s.dataBits, 8);
    EXPECT_FALSE(s.parity);
    EXPECT_FALSE(s.twoStopBits);
    EXPECT_FALSE(s.hardwareFlow);
    EXPECT_FALSE(s.softwareFlow);
    EXPECT_TRUE(s.raw);
    EXPECT_EQ(s.vmin, 0);
    EXPECT_EQ(s.vtime, 0);
}

TEST(PosixPort, ReadsReturnAtOnceWithWhatIsQueued) {
    PtyPair pty;
    auto opened = openPath(pty.slavePath());
    ASSERT_TRUE(opened.port) << opened.error;
    EXPECT_EQ(opened.port->read(10).bytes, "");
    pty.write("xyz");
    ASSERT_TRUE(waitForInput(*opened.port, 3));
    const auto got = opened.port->read(10);
    EXPECT_EQ(got.bytes, "xyz");
    EXPECT_EQ(got.status, device::IoStatus::Done);
}

TEST(PosixPort, AWriteTheOtherEndDoesNotTakeEndsAtItsTimeOut) {
    PtyPair pty;
    device::LineSettings settings;
    settings.timeouts.writeTotalConstant = 20;
    settings.timeouts.writeTotalMultiplier = 0;
    auto opened = openPath(pty.slavePath(), settings);
    ASSERT_TRUE(opened.port) << opened.error;
    const std::string lots(1 << 20, 'x');
    const auto result = opened.port->write(lots);
    EXPECT_LT(result.written, lots.size());
    EXPECT_EQ(result.status, device::IoStatus::Done);
}

TEST(PosixPort, AClosedOtherEndIsADeviceThatVanished) {
    PtyPair pty;
    auto opened = openPath(pty.slavePath());
    ASSERT_TRUE(opened.port) << opened.error;
    pty.closeMaster();
    EXPECT_EQ(opened.port->write("A5").status, device::IoStatus::Gone);
    EXPECT_EQ(opened.port->read(1).status, device::IoStatus::Gone);
    EXPECT_FALSE(opened.port->lineStatus().ok);
}

TEST(PosixPort, ComNumbersNameTheDeviceListAndMissingDevicesSaySo) {
    PtyPair pty;
    device::setSerialDevices({"/dev/lumenrig-none", pty.slavePath()});
    EXPECT_TRUE(device::openSerialPort("com2", {}).port);
    const auto missing = device::openSerialPort("COM1", {});
    EXPECT_FALSE(missing.port);
    EXPECT_NE(missing.error.find("/dev/lumenrig-none"), std::string::npos);
    EXPECT_FALSE(device::openSerialPort("COM3", {}).port);
    EXPECT_FALSE(device::openProbePort(0, {}).port);
    EXPECT_TRUE(device::openProbePort(2, {}).port);
    device::setSerialDevices(device::defaultSerialDevices());
}

class PtyLink : public HeadlessTest {
  protected:
    PtyLink() {
        pty = std::make_unique<PtyPair>();
        name.pointAt(pty->slavePath());
        device::setSerialDevices({name.path()});
        com.Reconnect = true;
        com.onOpen = opened.point();
    }
    ~PtyLink() override { device::setSerialDevices(device::defaultSerialDevices()); }
    void write(const std::string& text) {
        TData d = makeString(text);
        com.doWrite(d);
    }
    void replug() {
        pty = std::make_unique<PtyPair>();
        name.pointAt(pty->slavePath());
    }

    ptytest::DeviceLink name;
    std::unique_ptr<PtyPair> pty;
    THIComAsync com;
    Recorder opened;
};

TEST_F(PtyLink, TheElementPutsExactlyTheCommandsOnTheLine) {
    TData port = makeString("COM1");
    com.doOpen(port);
    ASSERT_EQ(opened.texts(), (std::vector<std::string>{"1"}));
    write("A5");
    write("B3");
    EXPECT_EQ(pty->read(4), "A5B3");
}

TEST_F(PtyLink, UnpluggedMidStreamTheLinkClosesAndReconnectsWhenTheDeviceReturns) {
    TData port = makeString("COM1");
    com.doOpen(port);
    write("A1");
    EXPECT_EQ(pty->read(2), "A1");
    pty->closeMaster();
    write("A2");
    loop.advance(0);
    EXPECT_FALSE(com.isOpen());
    loop.advance(250 + 500);  // still away: the retries fail quietly
    EXPECT_FALSE(com.isOpen());
    replug();
    loop.advance(1000);
    ASSERT_TRUE(com.isOpen());
    EXPECT_EQ(opened.texts(), (std::vector<std::string>{"1", "1"}));
    write("A3");
    EXPECT_EQ(pty->read(2), "A3");
}

TEST_F(PtyLink, LineEventsComeFromTheTerminal) {
    Recorder received;
    com.onRxChar = received.point();
    com.EvRxChar = true;
    TData port = makeString("COM1");
    com.doOpen(port);
    pty->write("Z");
    for (int i = 0; i < 2000 && received.values.empty(); ++i) {
        PtyPair::pause();
        loop.pump();
    }
    ASSERT_FALSE(received.values.empty());
    EXPECT_EQ(received.texts().front(), "1");
    pty->closeMaster();  // the wait sees the hang-up: the link closes itself
    for (int i = 0; i < 2000 && com.isOpen(); ++i) {
        PtyPair::pause();
        loop.pump();
    }
    EXPECT_FALSE(com.isOpen());
}
