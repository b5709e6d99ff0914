// The main window as Win32 draws it under Wine, on its first start: the picture to compare with the
// places and texts of the strip, the mode bar and the Connect page.
#include <gtest/gtest.h>

#include <set>

#include "device/serial_port.h"
#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "settings/window_positions.h"
#include "shell/main_form.h"
#include "ui/png.h"
#include "ui/win32/win32_platform.h"
#include "win32_capture.h"

TEST(MainWindowWin32, FirstStartShowsTheConnectPage) {
    settings::MemorySystem sys;
    sys.addFolder("C:\\Prog");
    const settings::ScopedSystem sysScope(sys);
    const settings::ScopedWindowPositions positions;
    lr::device::useSystemPorts(false);
    const auto platform = ui::win32::Win32Platform::create();
    {
        const ui::ScopedPlatform scope(*platform);
        lr::resetLifecycle();
        lr::TClassMainForm_1E8A0D0 root;
        lr::start();
        for (int i = 0; i < 30; ++i) {
            platform->loop().pump();
            Sleep(10);
        }
        const ui::Window& window = root.mainForm().window();
        EXPECT_EQ(window.bounds().height, 259);
        const ui::Image shot = capture(reinterpret_cast<HWND>(window.handle()));
        EXPECT_TRUE(ui::savePng(shot, "main_window_win32.png"));
        const std::set<ui::Color> colours(shot.pixels().begin(), shot.pixels().end());
        EXPECT_GT(colours.size(), 4u) << "more than a blank silver window";
        lr::TData none;
        root.mainForm().doClose(none);
        platform->loop().pump();
    }
    lr::resetLifecycle();
    lr::device::useSystemPorts(true);
}
