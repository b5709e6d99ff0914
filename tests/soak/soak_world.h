#pragma once
// The whole program on the headless backend for hours of virtual time: the colour organ on the synth
// demo (playlists, silence, random change), Ambilight on a changing synthetic screen, a scheduler row
// every minute, twelve shapes and both strip windows, the lights switched off and on, and COM 5
// unplugged and plugged in again. The program's folder and registry are in memory.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "../automation/test_clock.h"
#include "../device/device_fixture.h"
#include "ambilight/synthetic_screen.h"
#include "audio/engine.h"
#include "audio/generated_driver.h"
#include "command_ledger.h"
#include "device/simulated_controller.h"
#include "settings/memory_system.h"
#include "settings/window_positions.h"
#include "shell/main_form.h"

// A controller that counts the bytes it receives.
class CountingController : public lr::device::SimulatedController {
  public:
    void receive(std::string_view bytes, lr::device::MemoryLine& line) override;
    std::uint64_t bytes() const { return bytes_; }

  private:
    std::atomic<std::uint64_t> bytes_ = 0;
};

// What the platform and the runtime hold alive at a moment.
struct LiveCounts {
    std::size_t timers = 0;
    std::size_t controls = 0;
    std::size_t windows = 0;
    std::size_t menus = 0;
    bool operator==(const LiveCounts&) const = default;
};

// The rhythm of the day, in virtual milliseconds. Once a cycle the lights go off while the line is
// out and stay off past its return: a link that writes nothing must still notice the unplug and be
// back in time.
struct SoakPlan {
    std::uint64_t spanMs = 2ull * 3600 * 1000;
    std::uint64_t unplugEveryMs = 180000;  // out from the middle of each period
    std::uint64_t unpluggedForMs = 10000;
    std::uint64_t lightsEveryMs = 360000;  // two unplugs a cycle
    std::uint64_t lightsOffAtMs = 95000;   // into the cycle: during its first unplug
    std::uint64_t lightsOffForMs = 30000;
    std::uint64_t screenEveryMs = 10000;
    std::uint64_t languageEveryMs = 420000;
};

struct SoakFigures {
    LedgerFigures commands;
    std::uint64_t deviceBytes = 0;
    int unplugs = 0;
    int lateReopens = 0;  // no live link 2 s after the line came back
    int lightSwitches = 0;
    int screenChanges = 0;
    int languageReloads = 0;          // the language file edited and loaded again
    std::vector<LiveCounts> samples;  // taken just before each unplug, all in the same state
};

class SoakWorld : public DeviceTest {
  protected:
    SoakWorld();
    ~SoakWorld() override;

    // Writes the program's files, builds the tree, starts it and switches Ambilight on.
    void startProgram();
    // Runs the plan's span; the figures so far are kept in `figures`.
    void runFor(const SoakPlan& plan);
    void closeProgram();
    LiveCounts liveCounts();

    SoakFigures figures;
    settings::MemorySystem sys;
    settings::ScopedSystem sysScope{sys};
    settings::ScopedWindowPositions positions;
    std::shared_ptr<CountingController> controller = std::make_shared<CountingController>();
    BoundLine port{5, controller};
    CommandLedger ledger;

  private:
    void writeFiles();
    lr::PageFactories pages();
    void tick();
    void unplug();
    void switchLights();
    void changeScreen();
    void reloadLanguage();
    bool portOpen();
    bool linkLive();

    TestClock clock_{loop, {8, 59, 30}};
    lr::ambilight::SyntheticScreen screen_{{192, 108}};
    lr::ambilight::ScopedScreenSource screenScope_{screen_};
    lr::audio::GeneratedDriver* synth_ = nullptr;
    std::unique_ptr<lr::audio::Engine> audio_;
    std::optional<lr::audio::ScopedBackend> backend_;
    std::array<lr::THIMultiElement*, lr::kModeCount> outers_{};
    std::array<lr::TClassMultiBase*, lr::kModeCount> built_{};
    std::unique_ptr<lr::TClassMainForm_1E8A0D0> root_;
    std::uint64_t elapsed_ = 0;
    bool lightsOn_ = true;
};
