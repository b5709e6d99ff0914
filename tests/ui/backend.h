#pragma once
// One backend as the backend suite meets it: its platform, the user's actions on it, what is on
// screen, and how its loop runs for a while. Each backend says why it cannot do what it cannot.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ui/platform.h"

namespace backend {

enum class Feature { NestedModalLoop, Minimise, Tray, HotKeys, OwnWindowMove, HeldKeys };

class Backend {
  public:
    virtual ~Backend() = default;
    virtual ui::Platform& platform() = 0;
    virtual void click(ui::Control& c, ui::MouseButton button = ui::MouseButton::Left) = 0;
    virtual void type(ui::Control& c, const std::string& text) = 0;
    virtual void step(ui::Control& c, ui::ScrollCode code) = 0;
    virtual void pick(ui::Control& c, int index) = 0;
    // A left press on the control, a move by (dx, dy), the release.
    virtual void drag(ui::Control& c, int dx, int dy) = 0;
    virtual ui::Image capture(ui::Control& c) = 0;
    // Runs the loop for this long on its own clock.
    virtual void runFor(std::uint32_t ms) = 0;
    // Opens something modal (a menu, a box) and acts on it from inside its loop.
    virtual void duringModal(const std::function<void()>& open, const std::function<void()>& act) = 0;
    virtual bool chooseMenuItem(const std::string& text) = 0;
    // Presses the default button of the open message box.
    virtual bool answerModal() = 0;
    // Another program holds the key, so our registration must fail.
    virtual bool takeHotKeyElsewhere(int virtualKey, unsigned modifiers) = 0;
    // The user presses a global hotkey, with NumLock on if asked; false when the backend cannot.
    virtual bool pressHotKey(int virtualKey, unsigned modifiers, bool numLock) = 0;
    // The user holds the key down, or lets it go; false when the backend cannot.
    virtual bool holdKey(int virtualKey, bool down) = 0;
    // Whether the desktop shows through the window's colour key there; nothing when the backend keeps
    // only the setting.
    virtual std::optional<bool> seeThrough(ui::Window&, ui::Point) { return std::nullopt; }
    // Why the backend cannot have this here; empty when it can.
    virtual std::string lacks(Feature) const { return {}; }
    virtual std::string name() const = 0;

    ui::Toolkit& toolkit() { return platform().toolkit(); }
    ui::Loop& loop() { return platform().loop(); }
};

// A backend on the wall clock: its own timers end a run and act inside a modal loop.
class RealTimeBackend : public Backend {
  public:
    void runFor(std::uint32_t ms) override {
        const ui::TimerId stop = loop().startTimer(ms, [this] { loop().quit(0); });
        loop().run();
        loop().stopTimer(stop);
    }
    void duringModal(const std::function<void()>& open, const std::function<void()>& act) override {
        ui::TimerId once = 0;
        once = loop().startTimer(50, [&] {
            loop().stopTimer(once);
            act();
        });
        open();
        loop().stopTimer(once);
    }
};

std::unique_ptr<Backend> makeHeadless();
// Null when this build has no Qt backend or there is no display.
Backend* qtBackend();
// A second Qt platform, for the checks made before one is built; null when they fail.
std::unique_ptr<ui::Platform> makeQtPlatform();
// Ends the Qt application before the program's statics go, which Qt needs alive to end cleanly.
void releaseQtBackend();
// Null when this build has no Win32 backend.
Backend* win32Backend();
void releaseWin32Backend();

}  // namespace backend
