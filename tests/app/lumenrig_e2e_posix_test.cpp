// The real lumenrig, started in a program folder of its own with a pty as its COM port and the synth as
// its sound: it connects by itself and, when told to end, writes the all-off text before it goes.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <thread>

#include "device/protocol.h"
#include "program_child.h"

namespace {
namespace fs = std::filesystem;
using programtest::Child;
using programtest::installProgram;
using programtest::readWithin;

void writeIni(const TempFolder& folder, const std::string& text) {
    programtest::writeFile(folder, "lumenrig.ini", text);
}
}  // namespace

TEST(LumenrigEndToEnd, ConnectsByItselfAndWritesAllOffWhenItEnds) {
    ptytest::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    TempFolder folder("lumenrig-e2e");
    const std::string program = installProgram(folder);
    writeIni(folder, "[init]\r\nserial_devices=" + pty.slavePath() + "\r\n\xE0uto_com=1\r\ncur_com=1\r\n");
    Child child(program, {"--headless", "--audio", "synth:silence"}, folder.path());
    ASSERT_TRUE(child.started());
    // The connection is made a second after start; give the program time to get there.
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    // Read while the program ends: a pty drops what its closed far end left unread.
    const std::string allOff(lr::device::kAllOff);
    auto received = std::async(std::launch::async, [&] { return pty.read(allOff.size(), 8000); });
    EXPECT_EQ(child.terminate(), 0);
    EXPECT_EQ(received.get(), allOff);
    EXPECT_TRUE(fs::exists(folder.file("lumenrig.ini")));
}

TEST(LumenrigEndToEnd, TheColourOrganStartsByItselfAndItsLevelsReachTheLine) {
    ptytest::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    TempFolder folder("lumenrig-e2e");
    const std::string program = installProgram(folder);
    fs::copy(fs::path(LUMENRIG_DATA_DIR) / "schemes", folder.path() / "schemes");
    writeIni(folder,
             "[init]\r\nserial_devices=" + pty.slavePath() +
                 "\r\n\xE0uto_com=1\r\ncur_com=1\r\n\xE0uto_music=1\r\n[scheme]\r\nscheme=Classic RGB\r\n");
    Child child(program, {"--headless", "--audio", "synth"}, folder.path());
    ASSERT_TRUE(child.started());
    // Connected at 1 s, the organ running from 2 s (a pty reads nothing until its far end is open).
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    const std::string line = pty.read(96, 8000);
    EXPECT_EQ(child.terminate(), 0);
    // The organ's start resets the Effect page first: program 1, its lit effects off, every channel 0.
    const std::string reset = "A0B0C0D0E0F0G0H0I0J0K0L0";
    const std::size_t levels = line.find(reset);
    ASSERT_NE(levels, std::string::npos) << line;
    EXPECT_EQ(line.substr(0, 2), "P1") << line;
    const std::string organ = line.substr(levels + reset.size());
    ASSERT_GE(organ.size(), 2u) << line;
    EXPECT_TRUE(organ[0] >= 'A' && organ[0] <= 'L' && organ[1] >= '0' && organ[1] <= '8') << line;
}

TEST(LumenrigEndToEnd, TheStoredStripFunctionsAreSentAgainFourSecondsAfterStart) {
    ptytest::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    TempFolder folder("lumenrig-e2e");
    const std::string program = installProgram(folder);
    writeIni(folder, "[init]\r\nserial_devices=" + pty.slavePath() +
                         "\r\n\xE0uto_com=1\r\ncur_com=1\r\n[ws2812]\r\n1 EE-series=1\r\n4 strip_Mirror=0\r\n"
                         "7 strip_B=1\r\n");
    Child child(program, {"--headless", "--audio", "synth:silence"}, folder.path());
    ASSERT_TRUE(child.started());
    // Connected at 1 s; the restore is due 4 s after the start, and nothing of it goes out before.
    EXPECT_EQ(readWithin(pty, 4, 2500), "");
    EXPECT_EQ(readWithin(pty, 4, 8000), "_1_7");
    const std::string allOff(lr::device::kAllOff);
    auto received = std::async(std::launch::async, [&] { return pty.read(allOff.size(), 8000); });
    EXPECT_EQ(child.terminate(), 0);
    EXPECT_EQ(received.get(), allOff) << "nothing else came from the strip page";
}
