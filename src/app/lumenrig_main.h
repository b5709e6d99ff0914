#pragma once
// The program behind lumenrig.exe and lumenrig: the container tree on a platform, its start, its
// message loop and its orderly end. Each platform's entry point supplies the platform.
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>

#include <string>

#include "app/demo_controller.h"
#include "audio/engine.h"
#include "settings/window_positions.h"
#include "shell/main_form.h"
#include "ui/platform.h"

namespace app {

struct LumenrigOptions {
    bool help = false;
    bool smoke = false;
    bool demo = false;      // the synth and the simulated controller, as ports and inputs like any other
    bool headless = false;  // Linux: no window system even when a display is there
    std::string audio;      // a driver name (see audio/registry.h); empty: the platform's default
};

class LumenrigProgram {
  public:
    // Makes the program's folder the current one, chooses the sound, and builds the whole tree while no
    // point carries anything yet. Throws std::runtime_error with the reason when the sound named in the
    // options cannot be had.
    LumenrigProgram(ui::Platform& platform, const LumenrigOptions& options = {});
    // Destroys the tree in reverse creation order and leaves no start state behind.
    ~LumenrigProgram();
    LumenrigProgram(const LumenrigProgram&) = delete;
    LumenrigProgram& operator=(const LumenrigProgram&) = delete;

    // Starts the tree and runs the loop until the main window closes; returns the loop's exit code.
    int run();
    // Thread-safe: the main window gets a close request on the loop's thread.
    void requestClose();

    lr::TClassMainForm_1E8A0D0& root() { return *root_; }

    // The simulated controller in --demo; null otherwise.
    DemoController* demo() { return demo_.get(); }

  private:
    ui::Platform& platform_;
    ui::ScopedPlatform scope_;
    settings::ScopedWindowPositions positions_;
    std::unique_ptr<lr::audio::Engine> audio_;
    std::unique_ptr<lr::audio::ScopedBackend> audioScope_;
    std::unique_ptr<DemoController> demo_;
    std::unique_ptr<lr::TClassMainForm_1E8A0D0> root_;
};

struct SmokeOptions {
    std::uint32_t checkAfterMs = 500;  // the window has settled on screen by then
    std::uint32_t closeWithinMs = 5000;
    bool windowIcon = true;  // the icon resource is built into the program
    bool trayIcon = true;    // the desktop has a notification area
};

// Starts, checks the main window and the tray icon through the platform, closes through the close
// request and checks that the icon is gone and the loop ended cleanly. Each problem is one line on
// `err`; 0 when there was none.
int runSmoke(LumenrigProgram& program, const SmokeOptions& options, std::ostream& err);

// One line of what the program folder holds for the pages to find ("schemes 12, visual schemes 3,
// translations 2, manuals 3"): what a packaged program must show after --smoke.
void printProgramFolder(std::ostream& out);

// The arguments after the program name; an unknown one prints the usage to `err` and gives nothing.
std::optional<LumenrigOptions> parseLumenrigArgs(std::span<char* const> args, std::ostream& err);
void printUsage(std::ostream& out);

}  // namespace app
