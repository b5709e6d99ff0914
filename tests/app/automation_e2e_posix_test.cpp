// The real lumenrig with "Auto start Automation" stored and an actions.ini row due at the coming minute:
// the row's commands reach the pty when the clock gets there. The child's local time is set a few seconds
// before a minute by its time zone, so the test waits seconds, not up to a minute.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

#include "program_child.h"

namespace {

using programtest::Child;

// A time zone that puts the local clock `seconds` ahead of UTC.
std::string zoneAhead(int seconds) {
    char zone[32];
    std::snprintf(zone, sizeof zone, "LRT-00:%02d:%02d", seconds / 60, seconds % 60);
    return zone;
}

// The row time of the minute after `local`, as the scheduler's clock writes it ("9:05").
std::string nextMinuteText(std::time_t local) {
    const std::time_t next = local - local % 60 + 60;
    std::tm parts{};
    gmtime_r(&next, &parts);
    char text[8];
    std::snprintf(text, sizeof text, "%d:%02d", parts.tm_hour, parts.tm_min);
    return text;
}

}  // namespace

TEST(LumenrigAutomation, ARowDueAtTheComingMinuteReachesTheLine) {
    ptytest::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    TempFolder folder("lumenrig-e2e");
    const std::string program = programtest::installProgram(folder);
    const std::time_t now = std::time(nullptr);
    const int ahead = static_cast<int>((40 - now % 60 + 60) % 60);  // local time now: second 40
    const std::string due = nextMinuteText(now + ahead);
    programtest::writeFile(folder, "lumenrig.ini",
                           "[init]\r\nserial_devices=" + pty.slavePath() +
                               "\r\n\xE0uto_com=1\r\ncur_com=1\r\n\xE0uto_automat=1\r\n");
    programtest::writeFile(folder, "actions.ini",
                           "Time=50>List of Actions=340>Description=100\r\n" + due + "> P3 A7>e2e\r\n");
    Child child(program, {"--headless", "--audio", "synth:silence"}, folder.path(),
                {"TZ=" + zoneAhead(ahead)});
    ASSERT_TRUE(child.started());

    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(40);
    while (line.find(" P3 A7") == std::string::npos && std::chrono::steady_clock::now() < deadline)
        line += programtest::readWithin(pty, 1, 500);
    EXPECT_EQ(child.terminate(), 0);
    EXPECT_NE(line.find(" P3 A7"), std::string::npos) << "row at " << due << ", line: " << line;
}
