#pragma once
// The real lumenrig as a child process of a test, in a program folder of its own with a pty as its port.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "../device/pty_posix.h"
#include "../organ/temp_folder.h"

namespace programtest {

// A child process that is always reaped, and killed when a test fails half-way. Its standard output goes
// to "out.txt" in its home folder.
class Child {
  public:
    // `environment`: "NAME=value" entries besides the home folders and the path.
    Child(const std::string& program, const std::vector<std::string>& args, const std::filesystem::path& home,
          const std::vector<std::string>& environment = {});
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool started() const { return pid_ > 0; }
    // The exit code after a termination request; -1 when it did not end by itself.
    int terminate();
    // The exit code once it ends by itself within the wait; -1 when it is still running.
    int wait(int waitMs);

  private:
    int pid_ = -1;
};

// The program copied into the folder, so that its lumenrig.ini and folders are the test's.
std::string installProgram(const TempFolder& folder, const std::string& name = "lumenrig");

void writeFile(const TempFolder& folder, const std::string& name, const std::string& text);

// What arrives within the wait, also while the program has not opened its end yet (until then the
// master gives up at once).
std::string readWithin(ptytest::PtyPair& pty, std::size_t count, int waitMs);

}  // namespace programtest
