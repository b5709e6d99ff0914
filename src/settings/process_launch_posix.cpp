#include "settings/process_launch.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace settings {

namespace {

class Pipe {
  public:
    Pipe() {
        if (::pipe2(fds_, O_CLOEXEC) != 0) fds_[0] = fds_[1] = -1;
    }
    ~Pipe() {
        closeWriteEnd();
        if (fds_[0] >= 0) ::close(fds_[0]);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    bool ok() const { return fds_[0] >= 0; }
    int readEnd() const { return fds_[0]; }
    int writeEnd() const { return fds_[1]; }
    void closeWriteEnd() {
        if (fds_[1] >= 0) ::close(fds_[1]);
        fds_[1] = -1;
    }

  private:
    int fds_[2];
};

// Between fork and exec only async-signal-safe calls: everything is prepared before.
[[noreturn]] void reportAndExit(int fd, int error) {
    [[maybe_unused]] const ssize_t n = ::write(fd, &error, sizeof error);
    ::_exit(127);
}

// The started program gets a clean signal mask, its own session and none of our descriptors.
[[noreturn]] void execute(char* const* argv, int reportFd, const sigset_t& none) {
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::setsid();
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    ::execv(argv[0], argv);
    reportAndExit(reportFd, errno);
}

}  // namespace

// A middle child starts the program and ends at once, so the program is handed to the system's
// reaper; the report pipe closes on a successful exec and carries errno on a failed one.
bool startDetached(const std::vector<std::string>& args) {
    if (args.empty()) return false;
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    sigset_t none;
    sigemptyset(&none);
    Pipe report;
    if (!report.ok()) return false;
    const pid_t middle = ::fork();
    if (middle < 0) return false;
    if (middle == 0) {
        const pid_t program = ::fork();
        if (program == 0) execute(argv.data(), report.writeEnd(), none);
        if (program < 0) reportAndExit(report.writeEnd(), errno);
        ::_exit(0);
    }
    report.closeWriteEnd();
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t n = 0;
    do {
        n = ::read(report.readEnd(), &error, sizeof error);
    } while (n < 0 && errno == EINTR);
    return n == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::string> splitParameters(std::string_view parameters) {
    std::vector<std::string> out;
    std::string current;
    bool quoted = false;
    bool started = false;
    for (char c : parameters) {
        if (c == '"') {
            quoted = !quoted;
            started = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (started) out.push_back(std::move(current));
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (started) out.push_back(std::move(current));
    return out;
}

std::optional<std::string> findInPath(std::string_view name) {
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!folders.empty()) {
        const std::size_t colon = std::min(folders.find(':'), folders.size());
        const std::string_view folder = folders.substr(0, colon);
        folders.remove_prefix(std::min(colon + 1, folders.size()));
        if (folder.empty()) continue;  // the current folder is never searched
        std::string candidate = std::string(folder) + "/" + std::string(name);
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return std::nullopt;
}

}  // namespace settings
