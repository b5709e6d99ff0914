#include <cstdlib>
#include <string>

#include "backend.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_user.h"

namespace backend {

namespace {
class Qt : public RealTimeBackend {
  public:
    explicit Qt(std::unique_ptr<ui::qt::QtPlatform> platform) : platform_(std::move(platform)) {}
    ui::Platform& platform() override { return *platform_; }
    void click(ui::Control& c, ui::MouseButton button) override {
        const ui::Size size = c.clientSize();
        ui::qt::click(c, button, {size.width / 2, size.height / 2});
        ui::qt::settle();
    }
    void type(ui::Control& c, const std::string& text) override { ui::qt::typeText(c, text); }
    void step(ui::Control& c, ui::ScrollCode code) override { ui::qt::step(c, code); }
    void pick(ui::Control& c, int index) override { ui::qt::pick(c, index); }
    void drag(ui::Control& c, int dx, int dy) override {
        ui::qt::dragBy(c, dx, dy);
        ui::qt::settle();
    }
    ui::Image capture(ui::Control& c) override {
        ui::qt::settle();
        return ui::qt::capture(c);
    }
    bool chooseMenuItem(const std::string& text) override { return ui::qt::chooseMenuItem(text); }
    bool answerModal() override { return ui::qt::answerModal(); }
    bool pressHotKey(int virtualKey, unsigned modifiers, bool numLock) override {
        return ui::qt::pressKeyOnX(virtualKey, modifiers, numLock);
    }
    bool holdKey(int, bool) override { return false; }
    bool takeHotKeyElsewhere(int virtualKey, unsigned modifiers) override {
        return ui::qt::grabKeyElsewhere(virtualKey, modifiers);
    }
    std::optional<bool> seeThrough(ui::Window& w, ui::Point at) override { return ui::qt::seeThrough(w, at); }
    std::string lacks(Feature f) const override {
        const bool offscreen = std::string(platform_->platformName()) == "offscreen";
        switch (f) {
            case Feature::Tray:
                return "no tray watcher on this display";
            case Feature::HotKeys:
                return offscreen ? "the offscreen platform has no X server to grab keys on" : "";
            case Feature::Minimise:
                return "no window manager here to iconify a window";
            case Feature::HeldKeys:
                return "Qt tells only the modifier keys and mouse buttons, and its user helpers cannot "
                       "hold a key";
            default:
                return {};
        }
    }
    std::string name() const override { return platform_->platformName(); }

  private:
    std::unique_ptr<ui::qt::QtPlatform> platform_;
};

char programName[] = "ui_backend_tests";
char* programArgs[] = {programName, nullptr};
int programArgc = 1;

std::unique_ptr<Backend>& theQtBackend() {
    static std::unique_ptr<Backend> made = [] {
        if (!ui::qt::displayAvailable()) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        auto platform = ui::qt::QtPlatform::create(programArgc, programArgs);
        return platform ? std::unique_ptr<Backend>(std::make_unique<Qt>(std::move(platform))) : nullptr;
    }();
    return made;
}
}  // namespace

// One QApplication for the whole test program.
Backend* qtBackend() {
    return theQtBackend().get();
}

std::unique_ptr<ui::Platform> makeQtPlatform() {
    return ui::qt::QtPlatform::create(programArgc, programArgs);
}

void releaseQtBackend() {
    theQtBackend().reset();
}

}  // namespace backend
