// The main window as the Qt backend draws it under Xvfb: on its first start (the Connect page), then on
// each page as a click on its mode button brings it up. The pictures are the ones to set beside the
// Win32 captures: same places, same texts, same images.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "device/serial_port.h"
#include "resources/artwork.h"
#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "settings/window_positions.h"
#include "shell/main_form.h"
#include "shell/mode_pages.h"
#include "ui/png.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_user.h"

namespace {

struct PageShot {
    const char* button;
    const char* file;
};
constexpr PageShot kPages[lr::kModeCount] = {
    {"Connect", "connect"}, {"Effect", "effect"}, {"C.Organ", "organ"}, {"Ambilight", "ambilight"},
    {"Auto", "auto"},       {"Visual", "visual"}, {"WS2812", "ws2812"},
};

char programName[] = "ui_qt_main_window_tests";
char* programArgs[] = {programName, nullptr};
int programArgc = 1;

class MainWindowQt : public testing::Test {
  protected:
    MainWindowQt() {
        sys.addFolder("C:\\Prog");
        lr::device::useSystemPorts(false);
        lr::resetLifecycle();
        root = std::make_unique<lr::TClassMainForm_1E8A0D0>();
        lr::start();
        settle();
    }
    ~MainWindowQt() override {
        lr::TData none;
        root->mainForm().doClose(none);
        platform->loop().pump();
        root.reset();
        lr::resetLifecycle();
        lr::device::useSystemPorts(true);
    }
    static std::unique_ptr<ui::qt::QtPlatform> makePlatform() {
        if (!ui::qt::displayAvailable()) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        auto made = ui::qt::QtPlatform::create(programArgc, programArgs);
        if (made) art::addTo(made->builtInResources());
        return made;
    }
    // Lets the window settle: posted tasks, the first timer ticks, layout and paint.
    void settle() {
        const ui::TimerId stop = platform->loop().startTimer(150, [this] { platform->loop().quit(0); });
        platform->loop().run();
        platform->loop().stopTimer(stop);
        ui::qt::settle();
    }
    ui::Window& window() { return root->mainForm().window(); }

    settings::MemorySystem sys;
    const settings::ScopedSystem sysScope{sys};
    const settings::ScopedWindowPositions positions;
    std::unique_ptr<ui::qt::QtPlatform> platform = makePlatform();
    const ui::ScopedPlatform scope{*platform};
    std::unique_ptr<lr::TClassMainForm_1E8A0D0> root;
};

std::size_t colourCount(const ui::Image& shot) {
    return std::set<ui::Color>(shot.pixels().begin(), shot.pixels().end()).size();
}

}  // namespace

TEST_F(MainWindowQt, FirstStartShowsTheConnectPageAndEachModeButtonItsOwn) {
    EXPECT_EQ(window().bounds().height, 259);
    EXPECT_TRUE(window().visible());
    const ui::Image first = ui::qt::capture(window());
    EXPECT_TRUE(ui::savePng(first, "main_window_qt.png"));
    EXPECT_GT(colourCount(first), 4u) << "more than a blank silver window";
    for (std::size_t page = lr::kModeCount; page-- > 0;) {
        SCOPED_TRACE(kPages[page].file);
        ASSERT_TRUE(ui::qt::clickCaption(window(), kPages[page].button));
        settle();
        EXPECT_EQ(window().bounds().height, lr::kPagePoints[page].windowHeight);
        const ui::Image shot = ui::qt::capture(window());
        EXPECT_TRUE(ui::savePng(shot, std::string("main_window_") + kPages[page].file + "_qt.png"));
        EXPECT_GT(colourCount(shot), 4u);
    }
}
