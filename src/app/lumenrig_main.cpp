#include "app/lumenrig_main.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/lifecycle.h"

namespace app {

LumenrigProgram::LumenrigProgram(ui::Platform& platform)
    : platform_(platform), scope_(platform), root_(std::make_unique<lr::TClassMainForm_1E8A0D0>()) {}

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

// What a user sees of a running main window.
struct Expected {
    int width = 541;
    int height = 599;
    ui::Color color = 0xC0C0C0;
    std::string_view caption = "Vxt Lumenrig 12";
};

void checkRunning(lr::TClassMainForm_1E8A0D0& root, const SmokeOptions& options,
                  std::vector<std::string>& problems) {
    const Expected want;
    ui::Window& window = root.mainForm().window();
    const ui::Rect r = window.bounds();
    const ui::Size screen = ui::platform().screen().size();
    if (!window.visible() || window.minimised()) problems.push_back("the main window is not shown");
    if (r.width != want.width || r.height != want.height)
        problems.push_back("the main window is " + std::to_string(r.width) + " x " +
                           std::to_string(r.height));
    if (r.left != (screen.width - want.width) / 2 || r.top != (screen.height - want.height) / 2)
        problems.push_back("the main window is not centred: " + std::to_string(r.left) + ", " +
                           std::to_string(r.top));
    if (window.color() != want.color)
        problems.push_back("the main window has colour " + std::to_string(window.color()));
    if (window.text() != want.caption)
        problems.push_back("the main window's caption is \"" + window.text() + "\"");
    if (options.windowIcon && root.mainForm().Icon.empty())
        problems.push_back("the icon resource is missing");
    if (!root.trayIcon().icon().shown()) problems.push_back("the tray icon is not shown");
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
    check = loop.startTimer(options.checkAfterMs, [&] {
        loop.stopTimer(check);
        checkRunning(program.root(), options, problems);
        lr::TData none;
        program.root().mainForm().doClose(none);
    });
    ui::TimerId deadline = 0;
    deadline = loop.startTimer(options.checkAfterMs + options.closeWithinMs, [&] {
        loop.stopTimer(deadline);
        problems.push_back("the main window did not close");
        loop.quit(1);
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

std::optional<LumenrigOptions> parseLumenrigArgs(std::span<char* const> args, std::ostream& err) {
    LumenrigOptions options;
    for (const char* arg : args) {
        if (std::string_view(arg) == "--smoke") {
            options.smoke = true;
            continue;
        }
        err << "lumenrig: unknown argument \"" << arg << "\"\n"
            << "usage: lumenrig [--smoke]\n"
            << "  --smoke  start, check the main window and the tray icon, close, exit 0 when all is well\n";
        return std::nullopt;
    }
    return options;
}

}  // namespace app
