// The real lumenrig, started in a program folder of its own with a pty as its COM port and the synth as
// its sound: it connects by itself and, when told to end, writes the all-off text before it goes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include "../device/pty_posix.h"
#include "../organ/temp_folder.h"
#include "device/protocol.h"

extern char** environ;

namespace {
namespace fs = std::filesystem;

// A child process that is always reaped, and killed when a test fails half-way.
class Child {
  public:
    Child(const std::string& program, const std::vector<std::string>& args, const fs::path& home) {
        std::vector<std::string> words{program};
        words.insert(words.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);
        std::vector<std::string> env{"HOME=" + home.string(),
                                     "XDG_CONFIG_HOME=" + (home / ".config").string(), "PATH=/usr/bin:/bin"};
        std::vector<char*> envp;
        for (auto& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, (home / "out.txt").c_str(), O_WRONLY | O_CREAT, 0644);
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Child() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool started() const { return pid_ > 0; }
    // The exit code after a termination request; -1 when it did not end by itself.
    int terminate() {
        kill(pid_, SIGTERM);
        int status = 0;
        for (int i = 0; i < 200; ++i) {
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return -1;
    }

  private:
    pid_t pid_ = -1;
};

// The program in a folder of its own, so that its lumenrig.ini and folders are the test's.
std::string installProgram(const TempFolder& folder) {
    const fs::path target = folder.path() / "lumenrig";
    fs::copy_file(LUMENRIG_PROGRAM, target);
    return target.string();
}

void writeIni(const TempFolder& folder, const std::string& text) {
    std::ofstream(folder.file("lumenrig.ini"), std::ios::binary) << text;
}

// What arrives within the wait, also while the program has not opened its end yet (until then the
// master gives up at once).
std::string readWithin(ptytest::PtyPair& pty, std::size_t count, int waitMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    std::string got;
    for (auto now = Clock::now(); got.size() < count && now < deadline; now = Clock::now()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
        got += pty.read(count - got.size(), static_cast<int>(left));
        if (got.size() < count) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return got;
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
