// The real lumenrig plays a music playlist of two schemes against a WAV file, with a pty as its port:
// the stored scheme and the bytes on the line follow the playlist's entries and times.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "../organ/synth_track.h"
#include "program_child.h"
#include "settings/ini_file.h"

namespace {
using Clock = std::chrono::steady_clock;

constexpr int kStaySeconds = 3;
// A sine on FFT bin 4 at half scale: a band mean of 0.042, which the organ takes for music.
const std::string kTone = "sine:" + std::to_string(4 * 44100.0 / 2048.0) + ":0.5";
// Loads at 0, 3, 6, 9 and 12 s; the last one comes after 10 s, when a silent sound would have made the
// silence switch hold the music playlist back.
constexpr auto kWatch = std::chrono::milliseconds(13800);

// A scheme that drives one channel only, full and off at alternate ticks, so the line shows which one runs.
// Band k is FFT bin k, so the tone makes a band mean.
std::string blinking(char channel) {
    return "[init]\r\nstrfreq=1;2;3;4;5;6;7;8;9;10;11;12;13;14;\r\n[calculation]\r\n" +
           std::string(1, channel) + "=({count} mod 2)*8\r\n";
}

struct SchemeChange {
    std::string name;
    double seconds;  // since the program started
};

struct Watched {
    std::vector<SchemeChange> changes;  // of the ini key "scheme"
    std::string line;
};

Watched watch(ptytest::PtyPair& pty, const TempFolder& folder) {
    Watched seen;
    const auto start = Clock::now();
    for (auto now = start; now - start < kWatch; now = Clock::now()) {
        const std::string got = pty.read(512, 50);
        if (got.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        seen.line += got;
        const std::string name =
            settings::iniLoad(folder.file("lumenrig.ini")).readString("scheme", "scheme", "");
        if (seen.changes.empty() || seen.changes.back().name != name)
            seen.changes.push_back({name, std::chrono::duration<double>(Clock::now() - start).count()});
    }
    return seen;
}

// The channel letters of the lit commands in the order they came, a repeat counted once.
std::string litChannels(const std::string& commands, std::string& unexpected) {
    std::string lit;
    for (std::size_t i = 0; i + 1 < commands.size(); i += 2) {
        const std::string command = commands.substr(i, 2);
        if (command != "A0" && command != "A8" && command != "B0" && command != "B8") unexpected += command;
        if (command[1] == '8' && (lit.empty() || lit.back() != command[0])) lit += command[0];
    }
    return lit;
}

std::string timeline(const std::vector<SchemeChange>& changes) {
    std::string text;
    for (const auto& c : changes)
        text += c.name + "@" + std::to_string(c.seconds) + " ";
    return text;
}
}  // namespace

TEST(LumenrigOrganPlaylist, TheSchemesOnTheLineFollowTheMusicPlaylist) {
    ptytest::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    TempFolder folder("lumenrig-playlist");
    const std::string program = programtest::installProgram(folder);
    std::filesystem::create_directory(folder.path() / "schemes");
    programtest::writeFile(folder, "schemes/Left.lsc", blinking('A'));
    programtest::writeFile(folder, "schemes/Right.lsc", blinking('B'));
    const std::string stay = std::to_string(kStaySeconds);
    programtest::writeFile(folder, "list.ini",
                           "[support]\r\n[Duo]\r\nscheme0=Left\r\ntime0=" + stay +
                               "\r\nscheme1=Right\r\ntime1=" + stay + "\r\n");
    programtest::writeFile(
        folder, "lumenrig.ini",
        "[init]\r\nserial_devices=" + pty.slavePath() +
            "\r\n\xE0uto_com=1\r\ncur_com=1\r\n\xE0uto_music=1\r\n[scheme]\r\nscheme=Right\r\n"
            "list_change=1\r\nlist_name=Duo\r\n");
    const std::string track = folder.file("tone.wav");
    ASSERT_TRUE(writeSynthTrack(kTone, 20.0, track));

    programtest::Child child(program, {"--headless", "--audio", "wav:" + track}, folder.path());
    ASSERT_TRUE(child.started());
    const Watched seen = watch(pty, folder);
    EXPECT_EQ(child.terminate(), 0);

    // The stored Right, loaded at start, gives way at once to the playlist's entry 0; then every entry
    // in turn, each staying its time (a late poll can only make a stay look longer).
    std::vector<SchemeChange> changes = seen.changes;
    if (!changes.empty() && changes.front().name == "Right") changes.erase(changes.begin());
    const std::vector<std::string> expected{"Left", "Right", "Left", "Right", "Left"};
    ASSERT_EQ(changes.size(), expected.size()) << timeline(seen.changes);
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_EQ(changes[k].name, expected[k]) << timeline(seen.changes);
    for (std::size_t k = 2; k < changes.size(); ++k)
        EXPECT_GT(changes[k].seconds - changes[k - 1].seconds, kStaySeconds - 1.0) << timeline(seen.changes);

    // The organ runs from 2 s, with the playlist's Left loaded: its start clears every channel (after the
    // Effect page's own reset), then A blinks until Right takes over with B, and so on.
    const std::string reset = "A0B0C0D0E0F0G0H0I0J0K0L0";
    const std::size_t levels = seen.line.rfind(reset);
    ASSERT_NE(levels, std::string::npos) << seen.line;
    std::string unexpected;
    EXPECT_EQ(litChannels(seen.line.substr(levels + reset.size()), unexpected), "ABABA");
    EXPECT_EQ(unexpected, "") << "only the playlist's two channels change";
}
