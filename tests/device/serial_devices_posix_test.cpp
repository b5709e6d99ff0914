// The device list behind COMn taken from "serial_devices" in the program's settings file, against a
// real pseudo-terminal.
#include <gtest/gtest.h>

#include "device/com.h"
#include "device/serial_port.h"
#include "pty_posix.h"
#include "recorder.h"
#include "settings/memory_system.h"

using namespace lr;
using ptytest::PtyPair;

namespace {

class SettingsDeviceList : public testing::Test {
  protected:
    SettingsDeviceList() {
        installDispatch();
        device::setSerialDevices({"/dev/lumenrig-none-1", "/dev/lumenrig-none-2", "/dev/lumenrig-none-3"});
    }
    ~SettingsDeviceList() override { device::setSerialDevices(device::defaultSerialDevices()); }
    void setList(const std::string& line) {
        sys.putFile("C:\\Prog\\lumenrig.ini", "[init]\r\n" + line + "\r\n");
    }
    // The COM number that reaches the pty, of 1..4; 0 when none does.
    int numberOfThePty() {
        for (int n = 1; n <= 4; ++n) {
            auto opened = device::openSerialPort("COM" + std::to_string(n), {});
            if (!opened.port) continue;
            opened.port->write("A5");
            return pty.read(2, 500) == "A5" ? n : -n;
        }
        return 0;
    }

    PtyPair pty;
    settings::MemorySystem sys;
    settings::ScopedSystem scope{sys};
};

}  // namespace

TEST_F(SettingsDeviceList, TheKeyReplacesTheBuiltInListWhenItNamesAnyDevice) {
    ASSERT_TRUE(pty.ok());
    struct Case {
        std::string line;
        int number;
    };
    const Case cases[] = {
        {"serial_devices=" + pty.slavePath(), 1},
        {"serial_devices=/dev/lumenrig-none, " + pty.slavePath(), 2},
        {"serial_devices= /dev/a ,, /dev/b ," + pty.slavePath() + " ", 3},
        {"serial_devices=/dev/lumenrig-none", 0},
        {"serial_devices=", 0},  // the built-in list, which has no pty
        {"serial_devices= , ,", 0},
        {"other=" + pty.slavePath(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        setList(c.line);
        EXPECT_EQ(numberOfThePty(), c.number);
    }
}

TEST_F(SettingsDeviceList, WithoutTheKeyTheProgramsOwnListHolds) {
    device::setSerialDevices({"/dev/lumenrig-none", pty.slavePath()});
    EXPECT_EQ(numberOfThePty(), 2);
    setList("serial_devices=");
    EXPECT_EQ(numberOfThePty(), 2);
}

TEST_F(SettingsDeviceList, TheScanFindsExactlyTheListedDevicesThatOpen) {
    setList("serial_devices=/dev/lumenrig-none," + pty.slavePath() + ",/dev/lumenrig-none," +
            pty.slavePath());
    THIPortScan scan;
    Recorder items;
    scan.onItem = items.point();
    TData none;
    scan.doScan(none);
    EXPECT_EQ(items.texts(), (std::vector<std::string>{"COM 2", "COM 4"}));
    EXPECT_EQ(pty.read(1, 50), "") << "the scan sends nothing";
    EXPECT_FALSE(device::openProbePort(3, {}).port);
}
