// lumenrig on Linux: the container tree in Qt windows when there is a display, otherwise (or with
// --headless) on the headless backend with the channels in the terminal. Ctrl+C or a termination
// request closes the main window as its close request would.
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <thread>

#include "app/lumenrig_main.h"
#include "app/terminal_view.h"
#include "resources/artwork.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/realtime_loop.h"
#include "ui/headless/recorded_message_boxes.h"
#ifdef LUMENRIG_QT
#include "ui/qt/qt_platform.h"
#endif

namespace {

// No one can click a box here: its text goes to the terminal and its first button answers.
class TerminalMessageBoxes : public ui::MessageBoxes {
  public:
    ui::Answer show(const ui::MessageBoxSpec& params) override {
        std::cerr << params.caption << ": " << params.text << '\n';
        return ui::headless::firstButton(params.buttons);
    }
};

sigset_t closingSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

// Waits for the closing signals on a thread of its own (they are blocked everywhere else) and turns
// the first into a close request.
class SignalCloser {
  public:
    explicit SignalCloser(app::LumenrigProgram& program)
        : thread_([this, &program] {
              const sigset_t set = closingSignals();
              int signal = 0;
              sigwait(&set, &signal);
              if (!done_) program.requestClose();
          }) {}
    ~SignalCloser() {
        done_ = true;
        pthread_kill(thread_.native_handle(), SIGTERM);
        thread_.join();
    }
    SignalCloser(const SignalCloser&) = delete;
    SignalCloser& operator=(const SignalCloser&) = delete;

  private:
    std::atomic<bool> done_{false};
    std::thread thread_;
};

std::unique_ptr<app::LumenrigProgram> makeProgram(ui::Platform& platform,
                                                  const app::LumenrigOptions& options) {
    try {
        return std::make_unique<app::LumenrigProgram>(platform, options);
    } catch (const std::runtime_error& e) {
        std::cerr << "lumenrig: " << e.what() << '\n';
        return nullptr;
    }
}

int runHeadless(const app::LumenrigOptions& options) {
    ui::headless::RealtimeLoop loop;
    TerminalMessageBoxes boxes;
    ui::headless::HeadlessPlatform platform(loop, boxes);
    art::addTo(platform.headlessResources());
    const auto program = makeProgram(platform, options);
    if (!program) return 2;
    if (options.smoke) {
        app::printProgramFolder(std::cout);
        return app::runSmoke(*program, {.windowIcon = false}, std::cerr);
    }
    SignalCloser closer(*program);
    std::cout << "Lumenrig is running without a window; Ctrl+C closes it." << std::endl;
    app::TerminalView view(loop, std::cout);
    program->root().onCommands() = view.input();
    return program->run();
}

#ifdef LUMENRIG_QT
// Null when Qt cannot reach the display: the caller then runs without a window.
std::optional<int> runInWindows(const app::LumenrigOptions& options, int& argc, char** argv) {
    if (!ui::qt::displayAvailable()) return std::nullopt;
    const auto platform = ui::qt::QtPlatform::create(argc, argv);
    if (!platform) return std::nullopt;
    art::addTo(platform->builtInResources());
    const auto program = makeProgram(*platform, options);
    if (!program) return 2;
    if (options.smoke) {
        app::printProgramFolder(std::cout);
        return app::runSmoke(*program, {.trayIcon = ui::qt::trayAvailable()}, std::cerr);
    }
    SignalCloser closer(*program);
    return program->run();
}
#endif

}  // namespace

int main(int argc, char** argv) {
    const auto options = app::parseLumenrigArgs({argv + 1, static_cast<std::size_t>(argc - 1)}, std::cerr);
    if (!options) return 2;
    if (options->help) {
        app::printUsage(std::cout);
        return 0;
    }
    const sigset_t set = closingSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);  // before any thread starts, so every thread inherits it
#ifdef LUMENRIG_QT
    if (!options->headless)
        if (const auto code = runInWindows(*options, argc, argv)) return *code;
#endif
    return runHeadless(*options);
}
