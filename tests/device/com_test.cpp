#include <gtest/gtest.h>

#include "device/com.h"
#include "device_fixture.h"
#include "recorder.h"

using namespace lr;

class Com : public DeviceTest {};

TEST_F(Com, OpensPortPropertyPlusOneOrTheNumberFromItsInput) {
    BoundLine com4(4);
    BoundLine com9(9);
    THICOM com;
    Recorder written;
    com.onWrite = written.point();
    com.Port_ = 3;
    com.Timeout = 10;
    TData none;
    com.doOpen(none);
    EXPECT_TRUE(com4.line->isOpen());
    Source nine(makeInteger(9));
    com.Port = nine.point();
    com.doOpen(none);  // closes COM4 first
    EXPECT_FALSE(com4.line->isOpen());
    EXPECT_TRUE(com9.line->isOpen());
    TData text = makeString("S5");
    com.doWrite(text);
    EXPECT_EQ(com9.line->takeWritten(), "S5");
    EXPECT_EQ(written.texts(), (std::vector<std::string>{"2"}));
    const auto settings = com9.line->lastSettings();
    EXPECT_EQ(settings->baud, 9600u);
    EXPECT_EQ(settings->timeouts.readTotalConstant, 10u);
    com.doClose(none);
    EXPECT_FALSE(com9.line->isOpen());
    com.doWrite(text);  // nothing open: nothing fired
    EXPECT_EQ(written.values.size(), 1u);
}

TEST_F(Com, ScanListsThePortsThatOpenAndSendsThemNothing) {
    BoundLine com3(3);
    BoundLine com5(5);
    BoundLine com30(30);  // beyond the scan
    THIPortScan scan;
    Recorder events;
    scan.onClear = events.point(0);
    scan.onItem = events.point(1);
    scan.onDone = events.point(2);
    TData none;
    scan.doScan(none);
    EXPECT_EQ(events.texts(), (std::vector<std::string>{"", "COM 3", "COM 5", "COM 3"}));
    EXPECT_EQ(events.indexes, (std::vector<std::uint16_t>{0, 1, 1, 2}));
    EXPECT_EQ(com3.line->takeWritten(), "");
    EXPECT_FALSE(com3.line->isOpen());
    EXPECT_EQ(com30.openAttempts, 0);
    EXPECT_EQ(com5.line->lastSettings()->timeouts.writeTotalConstant, 10u);
}

TEST_F(Com, AScanOfAMachineWithoutPortsEndsWithNothingToSelect) {
    THIPortScan scan;
    Recorder done;
    scan.onDone = done.point();
    TData none;
    scan.doScan(none);
    EXPECT_EQ(done.texts(), (std::vector<std::string>{""}));
}
