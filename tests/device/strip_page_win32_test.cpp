// The WS2812 page as Win32 draws it under Wine: the picture to compare with the page's places and texts,
// and the native controls the user meets there.
#include <windows.h>
// after windows.h
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "device/strip_page.h"
#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "ui/png.h"
#include "ui/win32/win32_platform.h"
#include "win32_capture.h"
#include "win32_children.h"
#include "win32_page_host.h"

TEST(StripPageWin32, ThePageShowsItsGroupsAndBoxes) {
    settings::MemorySystem sys;
    sys.addFolder("C:\\Prog");
    const settings::ScopedSystem sysScope(sys);
    const auto platform = ui::win32::Win32Platform::create();
    {
        const ui::ScopedPlatform scope(*platform);
        lr::resetLifecycle();
        lr::installDispatch();
        const Win32PageHost<lr::TClassChildPanel_30E4490> host(*platform, "WS2812", {100, 100, 525, 186}, 2);
        const HWND top = host.top();
        const ui::Image shot = capture(top);
        EXPECT_TRUE(ui::savePng(shot, "strip_page_win32.png"));
        const std::set<ui::Color> colours(shot.pixels().begin(), shot.pixels().end());
        EXPECT_GT(colours.size(), 4u) << "more than a blank silver window";

        const std::vector<Win32Child> children = childrenOf(top);
        struct Expected {
            const char* text;
            LONG left;
            LONG top;
        };
        const Expected expected[] = {
            {"Control LumenrigWS2812", 0, 0},
            {"0 All_Off", 7, 30},
            {"3 Next", 7, 78},
            {"4 strip_Mirror", 140, 30},
            {"8 strip_IR_Out", 140, 94},
            {"ReSend All", 295, 28},
            {"to COM", 295, 80},
            {"--", 345, 76},
            {"Save Actions", 0, 115},
        };
        for (const Expected& e : expected) {
            const Win32Child* c = withText(children, e.text);
            ASSERT_NE(c, nullptr) << e.text;
            EXPECT_EQ(c->place.left, e.left) << e.text;
            EXPECT_EQ(c->place.top, e.top) << e.text;
        }
        EXPECT_EQ(withText(children, "5 strip_R")->kind, "Button") << "a check box is a native button";
        EXPECT_EQ(withText(children, "--")->kind, "Edit");
    }
    lr::resetLifecycle();
}
