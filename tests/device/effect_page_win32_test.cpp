// The Effect page as Win32 draws it under Wine: the picture to compare with the page's places and texts,
// and the native controls the user meets there.
#include <windows.h>
// after windows.h
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "device/effect_page.h"
#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "ui/png.h"
#include "ui/win32/win32_platform.h"
#include "win32_capture.h"
#include "win32_children.h"
#include "win32_page_host.h"

TEST(EffectPageWin32, ThePageShowsItsSevenGroupsAndTheirControls) {
    settings::MemorySystem sys;
    sys.addFolder("C:\\Prog");
    const settings::ScopedSystem sysScope(sys);
    const auto platform = ui::win32::Win32Platform::create();
    {
        const ui::ScopedPlatform scope(*platform);
        lr::resetLifecycle();
        lr::installDispatch();
        using Page = lr::TClassChildPanel_2A602B0;
        const Win32PageHost<Page> host(*platform, "Effect", {100, 100, Page::kWidth, Page::kHeight}, 3,
                                       {0, 1});
        const HWND top = host.top();
        const ui::Image shot = capture(top);
        EXPECT_TRUE(ui::savePng(shot, "effect_page_win32.png"));
        const std::set<ui::Color> colours(shot.pixels().begin(), shot.pixels().end());
        EXPECT_GT(colours.size(), 4u) << "more than a blank silver window";

        const std::vector<Win32Child> children = childrenOf(top);
        struct Expected {
            const char* text;
            LONG left;
            LONG top;
            const char* kind;
        };
        const Expected expected[] = {
            {"Work with EEPROM", 0, 0, "Button"},
            {"Save to EEPROM", 8, 16, "Button"},
            {"Read Effect", 264, 16, "Button"},
            {"Program Selection", 0, 51, "Button"},
            {"Run Speed", 0, 126, "Button"},
            {"slow", 266, 143, "Button"},
            {"fast", 328, 143, "Button"},
            {"Channel Brightness", 0, 177, "Button"},
            {"Brightness change Up or Down", 0, 300, "Button"},
            {"Effects slection", 0, 381, "Button"},
            {"Save Actions", 0, 430, "Button"},
            {"S3", 448, 142, "Edit"},
        };
        for (const Expected& e : expected) {
            const Win32Child* c = withText(children, e.text);
            ASSERT_NE(c, nullptr) << e.text;
            EXPECT_EQ(c->place.left, e.left) << e.text;
            EXPECT_EQ(c->place.top, e.top) << e.text;
            EXPECT_EQ(c->kind, e.kind) << e.text;
        }
        std::size_t bars = 0;
        for (const Win32Child& c : children)
            bars += c.kind == "msctls_trackbar32";
        EXPECT_EQ(bars, 12u + 12u + 1u) << "brightness, brightness change, speed";
    }
    lr::resetLifecycle();
}
