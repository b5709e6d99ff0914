// The main window as Win32 draws it under Wine: on its first start (the Connect page), then on each page
// as a click on its mode button brings it up. The pictures are the ones to compare with the places,
// texts and images of every page, and the ones the manual shows.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "device/serial_port.h"
#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "settings/window_positions.h"
#include "shell/main_form.h"
#include "shell/mode_pages.h"
#include "ui/png.h"
#include "ui/win32/win32_platform.h"
#include "win32_capture.h"
#include "win32_children.h"

namespace {

struct PageShot {
    const char* button;
    const char* file;
};
constexpr PageShot kPages[lr::kModeCount] = {
    {"Connect", "connect"}, {"Effect", "effect"}, {"C.Organ", "organ"}, {"Ambilight", "ambilight"},
    {"Auto", "auto"},       {"Visual", "visual"}, {"WS2812", "ws2812"},
};

class MainWindowWin32 : public testing::Test {
  protected:
    MainWindowWin32() {
        sys.addFolder("C:\\Prog");
        lr::device::useSystemPorts(false);
        lr::resetLifecycle();
        root = std::make_unique<lr::TClassMainForm_1E8A0D0>();
        lr::start();
        pump();
    }
    ~MainWindowWin32() override {
        lr::TData none;
        root->mainForm().doClose(none);
        platform->loop().pump();
        root.reset();
        lr::resetLifecycle();
        lr::device::useSystemPorts(true);
    }

    void pump() {
        for (int i = 0; i < 30; ++i) {
            platform->loop().pump();
            Sleep(10);
        }
    }
    HWND window() { return reinterpret_cast<HWND>(root->mainForm().window().handle()); }
    int height() { return root->mainForm().window().bounds().height; }

    // A click on the child button of the main window with this caption, as the mouse gives it.
    bool click(const char* caption) {
        const Win32Child* button = withText(childrenOf(window()), caption);
        if (button) SendMessageW(button->hwnd, BM_CLICK, 0, 0);
        return button != nullptr;
    }

    settings::MemorySystem sys;
    const settings::ScopedSystem sysScope{sys};
    const settings::ScopedWindowPositions positions;
    const std::unique_ptr<ui::Platform> platform = ui::win32::Win32Platform::create();
    const ui::ScopedPlatform scope{*platform};
    std::unique_ptr<lr::TClassMainForm_1E8A0D0> root;
};

std::size_t colourCount(const ui::Image& shot) {
    return std::set<ui::Color>(shot.pixels().begin(), shot.pixels().end()).size();
}

}  // namespace

TEST_F(MainWindowWin32, FirstStartShowsTheConnectPage) {
    EXPECT_EQ(height(), 259);
    const ui::Image shot = capture(window());
    EXPECT_TRUE(ui::savePng(shot, "main_window_win32.png"));
    EXPECT_GT(colourCount(shot), 4u) << "more than a blank silver window";
}

TEST_F(MainWindowWin32, EachModeButtonBringsUpItsPageAtItsHeight) {
    for (std::size_t page = lr::kModeCount; page-- > 0;) {
        SCOPED_TRACE(kPages[page].file);
        ASSERT_TRUE(click(kPages[page].button));
        pump();
        EXPECT_EQ(height(), lr::kPagePoints[page].windowHeight);
        const ui::Image shot = capture(window());
        EXPECT_TRUE(ui::savePng(shot, std::string("main_window_") + kPages[page].file + "_win32.png"));
        EXPECT_GT(colourCount(shot), 4u);
    }
}
