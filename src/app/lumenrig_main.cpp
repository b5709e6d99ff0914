#include "app/lumenrig_main.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <stdexcept>

#include "audio/registry.h"
#include "runtime/lifecycle.h"
#include "settings/file_search.h"
#include "settings/paths.h"
#include "settings/system.h"

namespace app {

namespace {
// Started at log-in from another folder, the reads relative to the current folder would find nothing.
void enterProgramFolder() {
    settings::system().setCurrentFolder(settings::programFolder());
}

std::unique_ptr<lr::audio::Engine> makeAudio(const LumenrigOptions& options) {
    const std::string name = !options.audio.empty() ? options.audio : options.demo ? "synth" : "";
    if (name.empty()) return nullptr;
    std::string error;
    auto driver = lr::audio::makeDriver(name, error);
    if (!driver) throw std::runtime_error(error);
    return std::make_unique<lr::audio::Engine>(std::move(driver));
}
}  // namespace

LumenrigProgram::LumenrigProgram(ui::Platform& platform, const LumenrigOptions& options)
    : platform_(platform), scope_(platform) {
    enterProgramFolder();
    audio_ = makeAudio(options);
    if (audio_) audioScope_ = std::make_unique<lr::audio::ScopedBackend>(*audio_);
    if (options.demo) demo_ = std::make_unique<DemoController>();
    root_ = std::make_unique<lr::TClassMainForm_1E8A0D0>();
}

LumenrigProgram::~LumenrigProgram() {
    root_.reset();
    lr::resetLifecycle();
}

int LumenrigProgram::run() {
    lr::start();
    return platform_.loop().run();
}

void LumenrigProgram::requestClose() {
    platform_.loop().post([this] {
        lr::TData none;
        root_->mainForm().doClose(none);
    });
}

namespace {

// What a user sees of a running main window: its place is the user's, its height that of a page.
struct Expected {
    int width = 541;
    ui::Color color = 0xC0C0C0;
    std::string_view caption = "Vxt Lumenrig 12";
};

bool pageHeight(int height) {
    for (const lr::PagePoints& page : lr::kPagePoints)
        if (page.windowHeight == height) return true;
    return false;
}

void checkRunning(lr::TClassMainForm_1E8A0D0& root, const SmokeOptions& options,
                  std::vector<std::string>& problems) {
    const Expected want;
    ui::Window& window = root.mainForm().window();
    const ui::Rect r = window.bounds();
    const ui::Size screen = ui::platform().screen().size();
    if (!window.visible() || window.minimised()) problems.push_back("the main window is not shown");
    if (r.width != want.width || !pageHeight(r.height))
        problems.push_back("the main window is " + std::to_string(r.width) + " x " +
                           std::to_string(r.height));
    if (r.left < 0 || r.top < 0 || r.left + r.width > screen.width || r.top + r.height > screen.height)
        problems.push_back("the main window is off the screen: " + std::to_string(r.left) + ", " +
                           std::to_string(r.top));
    if (window.color() != want.color)
        problems.push_back("the main window has colour " + std::to_string(window.color()));
    if (window.text() != want.caption)
        problems.push_back("the main window's caption is \"" + window.text() + "\"");
    if (options.windowIcon && root.mainForm().Icon.empty())
        problems.push_back("the icon resource is missing");
    if (options.trayIcon && !root.trayIcon().icon().shown()) problems.push_back("the tray icon is not shown");
}

void checkClosed(lr::TClassMainForm_1E8A0D0& root, std::vector<std::string>& problems) {
    if (root.mainForm().window().visible())
        problems.push_back("the main window is still shown after closing");
    if (root.trayIcon().icon().shown()) problems.push_back("the tray icon is still shown after closing");
}

}  // namespace

int runSmoke(LumenrigProgram& program, const SmokeOptions& options, std::ostream& err) {
    std::vector<std::string> problems;
    ui::Loop& loop = ui::platform().loop();
    ui::TimerId check = 0;
    ui::TimerId deadline = 0;
    // Counted from the loop's first turn: on a slow machine the start itself may take longer than the
    // wait, and the check must come after what the start left to the loop (the page restore).
    loop.post([&] {
        check = loop.startTimer(options.checkAfterMs, [&] {
            loop.stopTimer(check);
            checkRunning(program.root(), options, problems);
            lr::TData none;
            program.root().mainForm().doClose(none);
        });
        deadline = loop.startTimer(options.checkAfterMs + options.closeWithinMs, [&] {
            loop.stopTimer(deadline);
            problems.push_back("the main window did not close");
            loop.quit(1);
        });
    });
    const int code = program.run();
    loop.stopTimer(check);
    loop.stopTimer(deadline);
    checkClosed(program.root(), problems);
    if (code != 0 && problems.empty()) problems.push_back("the loop ended with " + std::to_string(code));
    for (const std::string& p : problems)
        err << "lumenrig --smoke: " << p << '\n';
    return problems.empty() ? 0 : 1;
}

void printProgramFolder(std::ostream& out) {
    const std::string folder = settings::programFolder();
    const auto count = [&](std::string_view sub, std::string_view mask) {
        return settings::findFiles(folder + std::string(sub), mask).size();
    };
    out << "schemes " << count("schemes\\", "*.lsc") << ", visual schemes "
        << count("visualization\\", "*.vsc") << ", translations " << count("localization\\", "*.lng")
        << ", manuals " << count("manual\\", "Manual_*.pdf") << '\n';
}

void printUsage(std::ostream& out) {
    out << "usage: lumenrig [--help] [--audio DRIVER] [--demo] [--headless] [--smoke]\n"
        << "  --audio DRIVER  record from DRIVER: " << lr::audio::platformDriverName()
        << "[:INPUT], synth[:SIGNAL] or wav:FILE\n"
        << "  --demo          the synthesized demo track as sound, and a simulated controller as port \"COM "
        << kDemoPort << "\"\n"
        << "  --headless      no window system (Linux): the channels and the bytes sent are shown here\n"
        << "  --smoke         start, check the main window and the tray icon, close, exit 0 when all is "
           "well\n";
}

std::optional<LumenrigOptions> parseLumenrigArgs(std::span<char* const> args, std::ostream& err) {
    LumenrigOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help") {
            options.help = true;
        } else if (arg == "--smoke") {
            options.smoke = true;
        } else if (arg == "--demo") {
            options.demo = true;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--audio" && i + 1 < args.size()) {
            options.audio = args[++i];
        } else {
            err << "lumenrig: "
                << (arg == "--audio" ? "--audio needs a driver"
                                     : "unknown argument \"" + std::string(arg) + "\"")
                << "\n";
            printUsage(err);
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace app
