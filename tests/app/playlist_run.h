#pragma once
// A music playlist of two schemes, each driving one channel, run by the real program against a tone:
// what the program folder holds, how the run is watched, and what the line and the stored scheme must
// show. Shared by the Linux program's test and the one of the Windows program under Wine.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "../device/pty_posix.h"
#include "../organ/temp_folder.h"
#include "program_child.h"

namespace playlistrun {

using Clock = std::chrono::steady_clock;

inline constexpr int kStaySeconds = 3;
// A sine on FFT bin 4 at half scale: a band mean of 0.042, which the organ takes for music.
inline constexpr double kToneHz = 4 * 44100.0 / 2048.0;
inline constexpr double kToneAmplitude = 0.5;
inline constexpr double kToneSeconds = 45.0;
// Loads at 0, 3, 6, 9 and 12 s after the organ's start; the last one comes after 10 s, when a silent
// sound would have made the silence switch hold the music playlist back.
inline const std::vector<std::string> kExpected{"Left", "Right", "Left", "Right", "Left"};
// The watch ends this long after the last expected load (the lit channel shows at the next ticks), or
// at the limit, whatever comes first.
inline constexpr auto kAfterLast = std::chrono::milliseconds(1500);
inline constexpr auto kLimit = std::chrono::seconds(40);
inline const std::string kStored = "Right";  // the scheme stored at start

// A scheme that drives one channel only, full and off at alternate ticks, so the line shows which one
// runs. Band k is FFT bin k, so the tone makes a band mean.
inline std::string blinking(char channel) {
    return "[init]\r\nstrfreq=1;2;3;4;5;6;7;8;9;10;11;12;13;14;\r\n[calculation]\r\n" +
           std::string(1, channel) + "=({count} mod 2)*8\r\n";
}

// The schemes and the playlist; `ini` is the start of the program's settings file (its port and sound),
// to which the organ's own settings are added.
inline void writeFolder(const TempFolder& folder, const std::string& ini) {
    std::filesystem::create_directory(folder.path() / "schemes");
    programtest::writeFile(folder, "schemes/Left.lsc", blinking('A'));
    programtest::writeFile(folder, "schemes/Right.lsc", blinking('B'));
    const std::string stay = std::to_string(kStaySeconds);
    programtest::writeFile(folder, "list.ini",
                           "[support]\r\n[Duo]\r\nscheme0=Left\r\ntime0=" + stay +
                               "\r\nscheme1=Right\r\ntime1=" + stay + "\r\n");
    programtest::writeFile(
        folder, "lumenrig.ini",
        ini + "\xE0uto_music=1\r\n[scheme]\r\nscheme=" + kStored + "\r\nlist_change=1\r\nlist_name=Duo\r\n");
}

struct SchemeChange {
    std::string name;
    double seconds;  // since the program started
};

struct Watched {
    std::vector<SchemeChange> changes;  // of the stored scheme
    std::string line;
};

// The line and the stored scheme (`stored` reads it) from the program's start on.
inline Watched watch(ptytest::PtyPair& pty, const std::function<std::string()>& stored) {
    Watched seen;
    const auto start = Clock::now();
    auto until = start + kLimit;
    for (auto now = start; now < until; now = Clock::now()) {
        const std::string got = pty.read(512, 50);
        if (got.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        seen.line += got;
        const std::string name = stored();
        // A settings file caught while it is written reads as no scheme.
        if (name.empty() || (!seen.changes.empty() && seen.changes.back().name == name)) continue;
        seen.changes.push_back({name, std::chrono::duration<double>(Clock::now() - start).count()});
        const std::size_t loads = seen.changes.size() - (seen.changes.front().name == kStored ? 1 : 0);
        if (loads == kExpected.size()) until = std::min(until, Clock::now() + kAfterLast);
    }
    return seen;
}

// The channel letters of the lit commands in the order they came, a repeat counted once.
inline std::string litChannels(const std::string& commands, std::string& unexpected) {
    std::string lit;
    for (std::size_t i = 0; i + 1 < commands.size(); i += 2) {
        const std::string command = commands.substr(i, 2);
        if (command != "A0" && command != "A8" && command != "B0" && command != "B8") unexpected += command;
        if (command[1] == '8' && (lit.empty() || lit.back() != command[0])) lit += command[0];
    }
    return lit;
}

inline std::string timeline(const std::vector<SchemeChange>& changes) {
    std::string text;
    for (const auto& c : changes)
        text += c.name + "@" + std::to_string(c.seconds) + " ";
    return text;
}

inline void expectFollowsThePlaylist(const Watched& seen) {
    // The stored Right, loaded at start, gives way at once to the playlist's entry 0; then every entry
    // in turn, each staying its time (a late poll can only make a stay look longer).
    std::vector<SchemeChange> changes = seen.changes;
    if (!changes.empty() && changes.front().name == kStored) changes.erase(changes.begin());
    ASSERT_EQ(changes.size(), kExpected.size()) << timeline(seen.changes);
    for (std::size_t k = 0; k < kExpected.size(); ++k)
        EXPECT_EQ(changes[k].name, kExpected[k]) << timeline(seen.changes);
    for (std::size_t k = 2; k < changes.size(); ++k)
        EXPECT_GT(changes[k].seconds - changes[k - 1].seconds, kStaySeconds - 1.0) << timeline(seen.changes);

    // The organ runs with the playlist's Left loaded: its start clears every channel (after the Effect
    // page's own reset), then A blinks until Right takes over with B, and so on.
    const std::string reset = "A0B0C0D0E0F0G0H0I0J0K0L0";
    const std::size_t levels = seen.line.rfind(reset);
    ASSERT_NE(levels, std::string::npos) << seen.line;
    std::string unexpected;
    EXPECT_EQ(litChannels(seen.line.substr(levels + reset.size()), unexpected), "ABABA");
    EXPECT_EQ(unexpected, "") << "only the playlist's two channels change";
}

}  // namespace playlistrun
