// The Ambilight page as Win32 draws it under Wine: the picture to compare with the page's places and
// texts, and the native controls at their places.
#include <windows.h>
// after windows.h
#include <gtest/gtest.h>

#include <string>

#include "ambilight/ambilight_page.h"
#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "ui/png.h"
#include "ui/win32/text.h"
#include "ui/win32/win32_platform.h"
#include "win32_capture.h"
#include "win32_page_host.h"

namespace {

// The place of the child window with this text, in the top window's client area.
std::optional<POINT> placeOf(HWND top, const std::string& text) {
    struct Search {
        HWND top;
        std::wstring text;
        std::optional<POINT> found;
    } search{top, ui::win32::toWide(text), std::nullopt};
    EnumChildWindows(
        top,
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            wchar_t text[128] = {};
            GetWindowTextW(hwnd, text, 128);
            if (s.text != text) return TRUE;
            RECT r;
            GetWindowRect(hwnd, &r);
            MapWindowPoints(nullptr, s.top, reinterpret_cast<POINT*>(&r), 2);
            s.found = POINT{r.left, r.top};
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

TEST(AmbilightPageWin32, ThePageShowsItsGroupsLabelsAndSwatches) {
    settings::MemorySystem sys;
    sys.addFolder("C:\\Prog");
    const settings::ScopedSystem sysScope(sys);
    const auto platform = ui::win32::Win32Platform::create();
    {
        const ui::ScopedPlatform scope(*platform);
        lr::resetLifecycle();
        lr::installDispatch();
        const Win32PageHost<lr::TClassChildPanel_2C2EA60> host(*platform, "Ambilight", {100, 100, 540, 465},
                                                               3);
        const HWND top = host.top();
        const ui::Image shot = capture(top);
        EXPECT_TRUE(ui::savePng(shot, "ambilight_page_win32.png"));
        EXPECT_EQ(shot.pixel(5 + 4 + 114 + 17, 25 + 65 + 19 + 30), 0xC0DCC0u)
            << "a swatch before the first pass";

        struct Expected {
            const char* text;
            LONG left;
            LONG top;
        };
        const Expected expected[] = {
            {"Control", 8, 25},
            {"Colors of Channels", 9, 90},
            {"Color balance", 10, 280},
            {"Screen Proportions", 8, 335},
            {"View", 315, 60},
            {"Fast", 430, 60},
            {"E,F,D", 92, 135},
            {"K,L,J", 421, 200},
            {"R", 17, 295},
        };
        for (const Expected& e : expected) {
            const std::optional<POINT> at = placeOf(top, e.text);
            ASSERT_TRUE(at) << e.text;
            EXPECT_EQ(at->x, e.left) << e.text;
            EXPECT_EQ(at->y, e.top) << e.text;
        }
    }
    lr::resetLifecycle();
}
