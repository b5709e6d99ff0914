#include "program_child.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string_view>
#include <thread>

namespace programtest {

namespace fs = std::filesystem;

namespace {

std::vector<char*> pointersTo(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (auto& w : words)
        pointers.push_back(w.data());
    pointers.push_back(nullptr);
    return pointers;
}

// LUMENRIG_E2E_BACKEND=qt runs the program in Qt windows (offscreen, no X server needed) instead of
// the headless backend its tests ask for.
bool inQtWindows() {
    const char* backend = std::getenv("LUMENRIG_E2E_BACKEND");
    return backend && std::string_view(backend) == "qt";
}

}  // namespace

Child::Child(const std::string& program, const std::vector<std::string>& args, const fs::path& home,
             const std::vector<std::string>& environment) {
    std::vector<std::string> words{program};
    for (const std::string& arg : args)
        if (!(arg == "--headless" && inQtWindows())) words.push_back(arg);
    std::vector<std::string> env{"HOME=" + home.string(), "XDG_CONFIG_HOME=" + (home / ".config").string(),
                                 "PATH=/usr/bin:/bin"};
    env.insert(env.end(), environment.begin(), environment.end());
    if (inQtWindows()) env.push_back("QT_QPA_PLATFORM=offscreen");
    auto argv = pointersTo(words);
    auto envp = pointersTo(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, (home / "out.txt").c_str(), O_WRONLY | O_CREAT, 0644);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) pid_ = pid;
    posix_spawn_file_actions_destroy(&actions);
}

Child::~Child() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

int Child::terminate() {
    kill(pid_, SIGTERM);
    return wait(10000);
}

int Child::wait(int waitMs) {
    if (pid_ <= 0) return -1;
    int status = 0;
    for (int waited = 0; waited <= waitMs; waited += 50) {
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
}

std::string installProgram(const TempFolder& folder, const std::string& name) {
    const fs::path target = folder.path() / name;
    fs::copy_file(LUMENRIG_PROGRAM, target);
    return target.string();
}

void writeFile(const TempFolder& folder, const std::string& name, const std::string& text) {
    std::ofstream(folder.file(name), std::ios::binary) << text;
}

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

}  // namespace programtest
