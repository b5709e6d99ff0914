// Stands in for the device behind COM<number> of a Wine prefix: a pseudo-terminal whose far end echoes
// every byte, and which on request goes away for a moment as if unplugged, then comes back under the
// same name. Runs the command with LUMENRIG_TEST_COM naming the port and returns its exit status.
// usage: wine_bridge PREFIX NUMBER COMMAND...
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "pty_posix.h"
#include "wine_bridge.h"

namespace {

using ptytest::PtyPair;

int runAndWait(const std::vector<char*>& command) {
    const pid_t child = fork();
    if (child == 0) {
        execvp(command[0], command.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

// The first program run in a prefix creates it; the port's name must go in afterwards.
void ensurePrefix(const std::string& prefix, std::vector<char*> command) {
    struct stat st {};
    if (stat((prefix + "/system.reg").c_str(), &st) == 0) return;
    std::string list = "--gtest_list_tests";
    command.push_back(list.data());
    command.push_back(nullptr);
    runAndWait(command);
}

class Device {
  public:
    explicit Device(std::string name) : name_(std::move(name)) { plugIn(); }
    ~Device() { ::unlink(name_.c_str()); }

    // Echoes what came; an unplug request takes the device away for a moment.
    void serve() {
        const std::string got = pty_->read(4096, 20);
        if (got.empty()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            return;
        }
        const auto unplug = got.find(winebridge::kUnplug);
        pty_->write(got.substr(0, unplug));
        if (unplug == std::string::npos) return;
        pty_->closeMaster();
        std::this_thread::sleep_for(std::chrono::milliseconds(winebridge::kAwayMs));
        plugIn();
    }

  private:
    void plugIn() {
        pty_ = std::make_unique<PtyPair>();
        ::unlink(name_.c_str());
        if (symlink(pty_->slavePath().c_str(), name_.c_str()) != 0) std::perror(name_.c_str());
    }

    std::string name_;
    std::unique_ptr<PtyPair> pty_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: wine_bridge PREFIX NUMBER COMMAND...\n", stderr);
        return 2;
    }
    const std::string prefix = argv[1];
    const std::string number = argv[2];
    std::vector<char*> command(argv + 3, argv + argc);
    ensurePrefix(prefix, command);
    command.push_back(nullptr);

    Device device(prefix + "/dosdevices/com" + number);
    setenv("LUMENRIG_TEST_COM", ("COM" + number).c_str(), 1);
    const pid_t child = fork();
    if (child == 0) {
        execvp(command[0], command.data());
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0)
        device.serve();
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
