#include <gtest/gtest.h>

#include "device/line_config.h"

using namespace lr::device;

TEST(LineConfig, PortNamesAreComAndANumberFrom1To255) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"COM1", 1},
        {"com7", 7},
        {"Com255", 255},
        {"COM5x", 5},
        {"COM0", std::nullopt},
        {"COM256", std::nullopt},
        {"LPT1", std::nullopt},
        {"COM1000", std::nullopt},
        {"COM", std::nullopt},
        {"CO", std::nullopt},
        {"", std::nullopt},
        {"COMx1", std::nullopt},
    };
    for (const auto& [name, number] : cases)
        EXPECT_EQ(comNumber(name), number) << name;
    EXPECT_EQ(strictComNumber("com12"), 12);
    EXPECT_EQ(strictComNumber("COM5x"), std::nullopt);
}

TEST(LineConfig, TheControllersLineIs9600EightBitsNoParityOneStopBinaryOnly) {
    const ControlBlock block = controlBlock(LineSettings{});
    EXPECT_EQ(block.length, 28u);
    EXPECT_EQ(block.baud, 9600u);
    EXPECT_EQ(block.flags, dcb::Binary);
    EXPECT_EQ(block.byteSize, 8);
    EXPECT_EQ(block.parity, 0);
    EXPECT_EQ(block.stopBits, 0);
    EXPECT_EQ(block.xonLim, 128);
    EXPECT_EQ(block.xoffLim, 128);
    EXPECT_EQ(block.xonChar, 17);
    EXPECT_EQ(block.xoffChar, 19);
}

TEST(LineConfig, EverySwitchSetsItsOwnFlag) {
    struct Case {
        void (*set)(LineSettings&);
        std::uint32_t flags;
    };
    const Case cases[] = {
        {[](LineSettings& s) { s.dtrControl = 1; }, 0x10},
        {[](LineSettings& s) { s.dtrControl = 2; }, 0x20},
        {[](LineSettings& s) { s.dtrControl = 7; }, 0},
        {[](LineSettings& s) { s.rtsControl = 1; }, 0x1000},
        {[](LineSettings& s) { s.rtsControl = 2; }, 0x2000},
        {[](LineSettings& s) { s.rtsControl = 3; }, 0x3000},
        {[](LineSettings& s) { s.rtsControl = -1; }, 0},
        {[](LineSettings& s) { s.discardNull = true; }, 0x800},
        {[](LineSettings& s) { s.abortOnError = true; }, 0x4000},
        {[](LineSettings& s) { s.parityCheck = true; }, 0x2},
        {[](LineSettings& s) { s.errorCharReplace = true; }, 0},  // only with parity checking
        {[](LineSettings& s) { s.parityCheck = s.errorCharReplace = true; }, 0x402},
        {[](LineSettings& s) { s.dsrSensitivity = true; }, 0x40},
        {[](LineSettings& s) { s.outxCtsFlow = true; }, 0x4},
        {[](LineSettings& s) { s.outxDsrFlow = true; }, 0x8},
        {[](LineSettings& s) { s.txContinueOnXoff = true; }, 0x80},
        {[](LineSettings& s) { s.inX = true; }, 0x200},
        {[](LineSettings& s) { s.outX = true; }, 0x100},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        LineSettings s;
        s.errorChar = '?';
        cases[i].set(s);
        const ControlBlock block = controlBlock(s);
        EXPECT_EQ(block.flags, dcb::Binary | cases[i].flags) << "case " << i;
        EXPECT_EQ(block.errorChar, (block.flags & dcb::ErrorChar) ? '?' : 0) << "case " << i;
    }
}

TEST(LineConfig, EventSwitchesMapToTheDriversMaskBits) {
    EXPECT_EQ(eventMask({}), 0u);
    EXPECT_EQ(eventMask({true, true, true, true, true, true, true, true, true, true}), 0x5FFu);
    EXPECT_EQ(eventMask({false, false, false, false, false, false, false, false, false, true}), 1024u);
    EXPECT_EQ(eventMask({true, false, false, true}), 9u);
}

TEST(LineConfig, ErrorReportListsTheFlagsInItsOwnOrder) {
    const std::uint32_t all = 0x1 | 0x2 | 0x4 | 0x8 | 0x10 | 0x100 | 0x400 | 0x8000;
    EXPECT_EQ(errorReport(all, true),
              (std::vector<std::string>{"Receive Framing Error", "Receive Parity Error",
                                        "Receive Overrun Error", "Receive Queue overflow", "TX Queue is full",
                                        "Break Detected", "Port I/O Error", "Requested mode unsupported"}));
    EXPECT_EQ(errorReport(lineError::RxParity | lineError::Break, false),
              (std::vector<std::string>{"Break Detected"}));
    EXPECT_TRUE(errorReport(0, true).empty());
}

TEST(LineConfig, ProbePortControlText) {
    EXPECT_EQ(probeControlText(9600, parityLetter(0)), "baud=9600 parity=N data=8 stop=1 octs=off");
    EXPECT_EQ(probeControlText(19200, parityLetter(2)), "baud=19200 parity=E data=8 stop=1 octs=off");
    EXPECT_EQ(parityLetter(4), 'S');
    EXPECT_EQ(parityLetter(5), 'N');
    const LineSettings line = probeLineSettings({9600, 'O', 10});
    EXPECT_EQ(line.parity, 1);
    EXPECT_EQ(line.timeouts.readInterval, 10u);
    EXPECT_EQ(line.timeouts.writeTotalMultiplier, 10u);
}

TEST(LineConfig, WriteTimeOutGrowsWithTheBytes) {
    const Timeouts t;
    EXPECT_EQ(t.writeLimit(2), 300u);
    EXPECT_EQ(t.writeLimit(0), 100u);
    EXPECT_TRUE(t.readReturnsAtOnce());
    EXPECT_EQ((Timeouts{0, 0, 0, 0, 0}.writeLimit(5)), std::nullopt);
}

TEST(SerialDevices, ComNumbersNameEntriesOfTheDeviceList) {
    const auto defaults = defaultSerialDevices();
    ASSERT_EQ(defaults.size(), 48u);
    EXPECT_EQ(defaults[0], "/dev/ttyUSB0");
    EXPECT_EQ(defaults[8], "/dev/ttyACM0");
    EXPECT_EQ(defaults[16], "/dev/ttyS0");
    EXPECT_EQ(parseSerialDevices(" /dev/a , ,/dev/b"), (std::vector<std::string>{"/dev/a", "/dev/b"}));
    setSerialDevices({"/dev/a", "/dev/b"});
    EXPECT_EQ(serialDevicePath(2), "/dev/b");
    EXPECT_EQ(serialDevicePath(0), std::nullopt);
    EXPECT_EQ(serialDevicePath(3), std::nullopt);
    setSerialDevices(defaults);
}
