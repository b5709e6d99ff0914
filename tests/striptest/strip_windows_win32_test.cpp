// Both strip windows as Win32 draws them under Wine, lit from the command stream: the picture to compare
// with the lamps' order and colours.
#include <gtest/gtest.h>

#include <set>

#include "runtime/lifecycle.h"
#include "settings/ini_file.h"
#include "settings/memory_system.h"
#include "settings/window_positions.h"
#include "striptest/strips_group.h"
#include "ui/png.h"
#include "ui/win32/win32_platform.h"
#include "win32_capture.h"

namespace {

class Page : public lr::TClassMultiBase {
  public:
    explicit Page(ui::Control* parent)
        : TClassMultiBase(parent, nullptr), group(own<lr::TClassChildGroupBox_2DF3AE0>(parent, this)) {}
    lr::TClassChildGroupBox_2DF3AE0& group;
};

void pump(ui::Platform& platform) {
    for (int i = 0; i < 30; ++i) {
        platform.loop().pump();
        Sleep(10);
    }
}

ui::Image shoot(lr::StripForm& window, const char* file) {
    const ui::Image shot = capture(reinterpret_cast<HWND>(window.form().window().handle()));
    EXPECT_TRUE(ui::savePng(shot, file));
    return shot;
}

}  // namespace

TEST(StripWindowsWin32, BothWindowsLit) {
    settings::MemorySystem sys;
    sys.addFolder("C:\\Prog");
    const settings::ScopedSystem sysScope(sys);
    const settings::ScopedWindowPositions positions;
    const char* ini = "C:\\Prog\\lumenrig.ini";
    const char* rainbow =
        "255,33023,65535,65280,16776960,16711680,16711935,8388736,32896,8421376,12632256,16777215";
    settings::iniWriteString(ini, "init", "strip_colors", rainbow);
    settings::iniWriteString(ini, "init", "smooth_strip_colors", rainbow);
    settings::iniWriteString(ini, "init", "\xE0uto_visual_strip", "1");
    settings::iniWriteString(ini, "init", "\xE0uto_visual_smooth_strip", "1");
    const auto platform = ui::win32::Win32Platform::create();
    {
        const ui::ScopedPlatform scope(*platform);
        lr::resetLifecycle();
        auto host = platform->toolkit().createWindow({"Lumenrig", {0, 300, 541, 259}});
        host->setVisible(true);
        Page page(host.get());
        lr::start();
        lr::TData none;
        page.group.doStart(none);
        lr::TData command = lr::makeString("A8B8C8D8E8F8G8H8I8J8K8L8");
        page.group.doText(command);
        pump(*platform);

        const ui::Image flat = shoot(page.group.strip(), "strip_window_win32.png");
        const ui::Image smooth = shoot(page.group.smoothStrip(), "smooth_strip_window_win32.png");
        ASSERT_EQ(flat.size(), (ui::Size{492, 42}));
        ASSERT_EQ(smooth.size(), (ui::Size{492, 42}));
        EXPECT_EQ(flat.pixel(3, 3), ui::rgb(248, 0, 0));
        EXPECT_EQ(flat.pixel(3 * 38 + 3, 3), ui::rgb(0, 248, 0));
        EXPECT_GT(smooth.pixel(19, 38) & 0xFF, 220u) << "lamp 1 runs to channel A's red";
        const std::set<ui::Color> colours(smooth.pixels().begin(), smooth.pixels().end());
        EXPECT_GT(colours.size(), 100u) << "gradients, not flat fills";

        // A middle press on lamp L shows the close and reset buttons beside it, on top of the window.
        const HWND form = reinterpret_cast<HWND>(page.group.strip().form().window().handle());
        const HWND lampL = FindWindowExW(form, nullptr, L"STATIC", L"L");
        ASSERT_NE(lampL, nullptr);
        SendMessageW(lampL, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(5, 5));
        SendMessageW(lampL, WM_MBUTTONUP, 0, MAKELPARAM(5, 5));
        pump(*platform);
        const HWND firstButton = FindWindowExW(form, nullptr, L"Button", nullptr);
        ASSERT_NE(firstButton, nullptr);
        EXPECT_TRUE(IsWindowVisible(firstButton));
        // The pictures come with the program's resources; what matters here is which control is on top.
        for (const int x : {469, 484}) {
            const HWND top = ChildWindowFromPointEx(form, POINT{x, 20}, CWP_SKIPINVISIBLE);
            wchar_t kind[16] = {};
            GetClassNameW(top, kind, 16);
            EXPECT_STREQ(kind, L"Button") << "at x " << x;
        }
        EXPECT_EQ(ChildWindowFromPointEx(form, POINT{455, 20}, CWP_SKIPINVISIBLE), lampL);

        page.group.doClose(none);
        pump(*platform);
        EXPECT_FALSE(page.group.strip().form().window().visible());
    }
    lr::resetLifecycle();
}
