#pragma once
// lumenrig.exe under Wine as a child process of a test, in a program folder of its own, with COM ports
// of the test's Wine prefix that lead to ptys.
#include <string>
#include <vector>

#include "../program_child.h"

namespace winetest {

// The prefix must exist before a port goes in; the first program run in it creates it.
bool ensurePrefix();

// COM<number> of the prefix, linked to the far end of a pty for as long as it lives.
class ComPort {
  public:
    ComPort(int number, const std::string& ptyPath);
    ~ComPort();
    ComPort(const ComPort&) = delete;
    ComPort& operator=(const ComPort&) = delete;
    bool ok() const { return !link_.empty(); }

  private:
    std::string link_;
};

// lumenrig.exe copied into the folder and started there under Wine.
class WineProgram {
  public:
    WineProgram(const TempFolder& folder, const std::vector<std::string>& args);
    bool started() const { return child_.started(); }
    // Closes its windows as a user would (a close request, not a kill) and waits for the end: the exit
    // code, or -1 when it did not end.
    int close();

  private:
    const TempFolder& folder_;
    programtest::Child child_;
};

// A mono 16-bit WAV at 44100 Hz of a sine, for the program's "wav:" sound.
bool writeToneWav(const std::string& path, double hz, double amplitude, double seconds);

}  // namespace winetest
