// lumenrig.exe under Wine, started by a Linux-side test in a program folder of its own, with a WAV file
// as its sound and a COM port of the prefix that leads to a pty: it connects by itself and writes the
// all-off text when it is closed; it runs a music playlist; its Lights hotkey, pressed on the X server,
// stops and resumes the stream. Wine starts slowly: the waits are for the bytes, bounded generously.
#include <gtest/gtest.h>

#include <fstream>
#include <future>
#include <string>

#include "../playlist_run.h"
#include "device/protocol.h"
#include "wine_program_posix.h"
#include "x_keyboard_posix.h"

namespace {

using winetest::ComPort;
using winetest::WineProgram;

constexpr int kStartMs = 60000;  // a first start in the prefix brings up Wine's own services
const std::string kAllOff(lr::device::kAllOff);

class LumenrigUnderWine : public testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(winetest::ensurePrefix()); }
};

std::string portIni(int com) {
    return "[init]\r\n\xE0uto_com=1\r\ncur_com=" + std::to_string(com) + "\r\n";
}

// Reads until `text` has come (and returns all that came), or the wait is over.
std::string readUntil(ptytest::PtyPair& pty, const std::string& text, int waitMs) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    std::string line;
    while (line.find(text) == std::string::npos && std::chrono::steady_clock::now() < until)
        line += programtest::readWithin(pty, 1, 200);
    return line;
}

// The all-off text that the closing writes, read while the program closes (a pty drops what its
// closed far end left unread).
std::string lineWhileClosing(ptytest::PtyPair& pty, WineProgram& program, int& exitCode) {
    auto received = std::async(std::launch::async, [&] { return readUntil(pty, kAllOff, 30000); });
    exitCode = program.close();
    return received.get();
}

// The scheme stored in the program's settings file.
std::string storedScheme(const std::string& ini) {
    std::ifstream in(ini, std::ios::binary);
    bool inSection = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with('['))
            inSection = line == "[scheme]";
        else if (inSection && line.starts_with("scheme="))
            return line.substr(7);
    }
    return "";
}

}  // namespace

TEST_F(LumenrigUnderWine, ConnectsByItselfAndWritesAllOffWhenClosed) {
    ptytest::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const ComPort com(5, pty.slavePath());
    ASSERT_TRUE(com.ok());
    TempFolder folder("lumenrig-wine-e2e");
    // The stored strip function, sent again 4 s after the start, shows that the port was opened.
    programtest::writeFile(folder, "lumenrig.ini", portIni(5) + "[ws2812]\r\n1 EE-series=1\r\n");
    ASSERT_TRUE(winetest::writeToneWav(folder.file("silence.wav"), 100, 0, 30));
    WineProgram program(folder, {"--audio", "wav:silence.wav"});
    ASSERT_TRUE(program.started());
    EXPECT_EQ(readUntil(pty, "_1", kStartMs), "_1");
    int exitCode = -1;
    EXPECT_EQ(lineWhileClosing(pty, program, exitCode), kAllOff);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(folder.file("lumenrig.ini")));
}

TEST_F(LumenrigUnderWine, TheSchemesOnTheLineFollowTheMusicPlaylist) {
    ptytest::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const ComPort com(6, pty.slavePath());
    ASSERT_TRUE(com.ok());
    TempFolder folder("lumenrig-wine-e2e");
    playlistrun::writeFolder(folder, portIni(6));
    ASSERT_TRUE(winetest::writeToneWav(folder.file("tone.wav"), playlistrun::kToneHz,
                                       playlistrun::kToneAmplitude, playlistrun::kToneSeconds));
    WineProgram program(folder, {"--audio", "wav:tone.wav"});
    ASSERT_TRUE(program.started());
    const playlistrun::Watched seen =
        playlistrun::watch(pty, [&] { return storedScheme(folder.file("lumenrig.ini")); });
    int exitCode = -1;
    lineWhileClosing(pty, program, exitCode);
    EXPECT_EQ(exitCode, 0);
    playlistrun::expectFollowsThePlaylist(seen);
}

TEST_F(LumenrigUnderWine, TheLightsHotkeyStopsTheStreamAndResumesIt) {
    xtest::Keyboard keyboard;
    if (!keyboard.ok()) GTEST_SKIP() << "no X server";
    ptytest::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const ComPort com(7, pty.slavePath());
    ASSERT_TRUE(com.ok());
    TempFolder folder("lumenrig-wine-e2e");
    std::filesystem::create_directory(folder.path() / "schemes");
    programtest::writeFile(folder, "schemes/Blink.lsc", playlistrun::blinking('A'));
    programtest::writeFile(folder, "lumenrig.ini",
                           portIni(7) + "\xE0uto_music=1\r\n[scheme]\r\nscheme=Blink\r\n");
    ASSERT_TRUE(winetest::writeToneWav(folder.file("tone.wav"), playlistrun::kToneHz,
                                       playlistrun::kToneAmplitude, playlistrun::kToneSeconds));
    WineProgram program(folder, {"--audio", "wav:tone.wav"});
    ASSERT_TRUE(program.started());
    ASSERT_NE(readUntil(pty, "A8", kStartMs).find("A8"), std::string::npos) << "the organ does not run";
    ASSERT_TRUE(keyboard.focusWindow("Vxt Lumenrig 12", 10000));
    const std::vector<std::string> lights{"Control_L", "Shift_L", "F9"};

    keyboard.press(lights);
    EXPECT_NE(readUntil(pty, kAllOff, 10000).find(kAllOff), std::string::npos) << "lights off";
    // The organ blinks A at every 50 ms tick; twenty ticks with nothing on the line is the gate closed.
    EXPECT_EQ(programtest::readWithin(pty, 1, 1000), "");

    keyboard.press(lights);
    const std::string back = readUntil(pty, kAllOff, 10000);
    ASSERT_NE(back.find(kAllOff), std::string::npos) << "lights on: " << back;
    EXPECT_EQ(back.substr(0, back.find(kAllOff)), "") << "nothing passed the gate before it opened";
    EXPECT_NE(readUntil(pty, "A8", 5000).find("A8"), std::string::npos) << "the stream resumes";

    int exitCode = -1;
    EXPECT_NE(lineWhileClosing(pty, program, exitCode).find(kAllOff), std::string::npos);
    EXPECT_EQ(exitCode, 0);
}
