// Files are replaced whole: a child writes the program's files in a burst through the real file code
// and is killed with SIGKILL at random moments; each file must then hold one whole version, never a
// mixture, an empty file or an older version than before.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "../organ/temp_folder.h"
#include "settings/ini_file.h"
#include "settings/system.h"

namespace {

const std::string kPad(65536, 'x');  // a file of some size, so that a write takes a while

std::string withKeys(std::string base, const std::vector<std::string>& keys, int version) {
    settings::IniText text(std::move(base));
    for (const std::string& key : keys)
        text.set("init", key, std::to_string(version));
    return text.bytes();
}

// One of the program's files: its text at each version, how the program writes a version, and which
// version a text claims to be.
struct Writer {
    std::string name;
    std::function<std::string(int)> text;
    std::function<void(const std::string& path, int)> write;
    std::function<int(const std::string&)> claimed;
};

int claimedKey(const std::string& bytes, const char* key) {
    return settings::IniText(bytes).readInteger("init", key, -1);
}

const std::string kIniBase = "[init]\r\npad=" + kPad + "\r\ncur_com=5\r\n";
const std::string kSchemeBase = "[init]\r\npad=" + kPad + "\r\n[calculation]\r\nA={band_1}*16\r\n";
const std::vector<std::string> kBars = {"bar_1", "bar_2", "bar_3", "bar_4",
                                        "bar_5", "bar_6", "bar_7", "bar_8"};

std::vector<Writer> writers() {
    return {
        {"lumenrig.ini", [](int v) { return v == 0 ? kIniBase : withKeys(kIniBase, {"round"}, v); },
         [](const std::string& path, int v) {
             settings::iniWriteString(path, "init", "round", std::to_string(v));
         },
         [](const std::string& b) { return std::max(claimedKey(b, "round"), b.empty() ? -1 : 0); }},
        // A scheme Save: every bar's value in one edit.
        {"party.lsc", [](int v) { return withKeys(kSchemeBase, kBars, v); },
         [](const std::string& path, int v) {
             settings::iniUpdate(settings::nativeSystem(), path, [v](settings::IniText& t) {
                 for (const std::string& bar : kBars)
                     t.set("init", bar, std::to_string(v));
                 return true;
             });
         },
         [](const std::string& b) { return claimedKey(b, "bar_1"); }},
        {"actions.ini",
         [](int v) {
             std::string table = "Time=50>List of Actions=340>Description=100\r\n";
             for (int row = 0; row < 2000; ++row)
                 table += std::to_string(row % 60) + "> A" + std::to_string(v % 9) + ">version " +
                          std::to_string(v) + "\r\n";
             return table;
         },
         {},
         [](const std::string& b) {
             const auto at = b.find(">version ");
             return at == std::string::npos ? -1 : std::atoi(b.c_str() + at + 9);
         }},
        {"Living room.vsc",
         [](int v) {
             return "[init]\r\nversion=" + std::to_string(v) + "\r\npad=" + kPad + "\r\n[circle_color]\r\n";
         },
         {},
         [](const std::string& b) { return claimedKey(b, "version"); }},
    };
}

std::string contents(const std::string& path) {
    const settings::FileRead read = settings::nativeSystem().readFile(path, 16u << 20);
    return read.status == settings::FileRead::Status::Ok ? read.bytes : std::string();
}

// Writes version after version of every file, through the program's own code; says "ready" on `ready`
// once the first round is out.
[[noreturn]] void writeBurst(const std::vector<Writer>& files, const std::vector<std::string>& paths,
                             int from, int ready) {
    for (int v = from;; ++v) {
        for (std::size_t k = 0; k < files.size(); ++k) {
            if (files[k].write) {
                files[k].write(paths[k], v);
            } else {
                settings::nativeSystem().replaceFile(paths[k], files[k].text(v));
            }
        }
        if (v == from && ::write(ready, "r", 1) != 1) ::_exit(2);
    }
}

int leftoverTemporaries(const TempFolder& folder, std::size_t files) {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder.path()))
        n += e.is_regular_file() ? 1 : 0;
    return n - static_cast<int>(files);
}

// As if the program ran on for a while after the kills.
void ageEveryFile(const TempFolder& folder) {
    for (const auto& e : std::filesystem::directory_iterator(folder.path()))
        std::filesystem::last_write_time(e.path(), e.last_write_time() - std::chrono::minutes(5));
}

}  // namespace

TEST(TornFiles, AWriterKilledAtAnyMomentLeavesEachFileOldOrNew) {
    TempFolder folder("lumenrig-torn");
    const std::vector<Writer> files = writers();
    std::vector<std::string> paths;
    std::vector<int> version(files.size(), 0);
    for (const Writer& w : files) {
        paths.push_back(folder.file(w.name));
        ASSERT_TRUE(settings::nativeSystem().replaceFile(paths.back(), w.text(0)));
    }
    std::mt19937 random(18);
    int next = 1;
    int moved = 0;
    for (int round = 0; round < 40; ++round) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) writeBurst(files, paths, next, ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));  // picks the moment only
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(ready[0]);
        ::close(ready[1]);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself";
        for (std::size_t k = 0; k < files.size(); ++k) {
            SCOPED_TRACE(files[k].name + ", round " + std::to_string(round));
            const std::string bytes = contents(paths[k]);
            const int v = files[k].claimed(bytes);
            ASSERT_GE(v, version[k]) << "empty, unreadable or older than before";
            ASSERT_EQ(bytes, files[k].text(v)) << "a mixture of versions";
            moved += v > version[k] ? 1 : 0;
            version[k] = v;
            next = std::max(next, v + 1);
        }
    }
    EXPECT_GT(moved, 40) << "the kills should land during the burst, after some writes";
    // A killed write leaves its temporary beside the file: litter, never a damaged file, and the next
    // write of that file clears it.
    std::cout << "torn files: " << moved << " versions moved, " << leftoverTemporaries(folder, files.size())
              << " temporaries left by the kills\n";
    ageEveryFile(folder);
    for (std::size_t k = 0; k < files.size(); ++k)
        ASSERT_TRUE(settings::nativeSystem().replaceFile(paths[k], files[k].text(next)));
    EXPECT_EQ(leftoverTemporaries(folder, files.size()), 0);
}
