#pragma once
// The program behind lumenrig.exe and lumenrig: the container tree on a platform, its start, its
// message loop and its orderly end. Each platform's entry point supplies the platform.
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>

#include "shell/main_form.h"
#include "ui/platform.h"

namespace app {

class LumenrigProgram {
  public:
    // Builds the whole tree while no point carries anything yet.
    explicit LumenrigProgram(ui::Platform& platform);
    // Destroys the tree in reverse creation order and leaves no start state behind.
    ~LumenrigProgram();
    LumenrigProgram(const LumenrigProgram&) = delete;
    LumenrigProgram& operator=(const LumenrigProgram&) = delete;

    // Starts the tree and runs the loop until the main window closes; returns the loop's exit code.
    int run();
    // Thread-safe: the main window gets a close request on the loop's thread.
    void requestClose();

    lr::TClassMainForm_1E8A0D0& root() { return *root_; }

  private:
    ui::Platform& platform_;
    ui::ScopedPlatform scope_;
    std::unique_ptr<lr::TClassMainForm_1E8A0D0> root_;
};

struct SmokeOptions {
    std::uint32_t checkAfterMs = 500;  // the window has settled on screen by then
    std::uint32_t closeWithinMs = 5000;
    bool windowIcon = true;  // the icon resource is built into the program
};

// Starts, checks the main window and the tray icon through the platform, closes through the close
// request and checks that the icon is gone and the loop ended cleanly. Each problem is one line on
// `err`; 0 when there was none.
int runSmoke(LumenrigProgram& program, const SmokeOptions& options, std::ostream& err);

struct LumenrigOptions {
    bool smoke = false;
};

// The arguments after the program name; an unknown one prints the usage to `err` and gives nothing.
std::optional<LumenrigOptions> parseLumenrigArgs(std::span<char* const> args, std::ostream& err);

}  // namespace app
