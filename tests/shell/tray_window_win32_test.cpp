// The main window's own commands as Win32 carries them out under Wine: the tray menu opened by a right
// click on the icon and worked with the keyboard, always-on-top with its translucency, the way to the
// tray and back, and the mode bar's colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "device/protocol.h"
#include "main_window_win32.h"
#include "shell/mode_bar.h"
#include "shell_fixture.h"
#include "ui/png.h"
#include "win32_capture.h"

namespace {

constexpr UINT kTrayCallback = WM_USER + 1;
constexpr int kNoItem = -1;
constexpr int kItemCount = 10;
constexpr int kItemsWithBitmaps = 7;
constexpr int kGutter = 22;
const std::string kAllOff(lr::device::kAllOff);

namespace item {
constexpr int Visualization = 0;
constexpr int Automation = 2;
constexpr int Ambilight = 3;
constexpr int ColorOrgan = 4;
constexpr int Lights = 7;
constexpr int AllOff = 8;
constexpr int Exit = 9;
}  // namespace item

// The popup menu as the user sees it: its picture, its place and each item's place, mark and text.
struct MenuView {
    ui::Image shot;
    RECT place{};
    std::vector<RECT> items;  // on the screen
    std::vector<bool> checked;
    std::vector<std::string> texts;

    // The part of the picture that shows item k's bitmap column.
    ui::Image gutter(int k) const {
        const RECT& r = items.at(static_cast<std::size_t>(k));
        const int left = r.left - place.left, top = r.top - place.top, height = r.bottom - r.top;
        ui::Image part(kGutter, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < kGutter; ++x)
                part.setPixel(x, y, shot.pixel(left + x, top + y));
        return part;
    }
};

HWND visibleMenuWindow() {
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w;
         w = FindWindowExW(nullptr, w, L"#32768", nullptr))
        if (IsWindowVisible(w)) return w;
    return nullptr;
}

// Waits for something the program's thread does; the bound only keeps a broken build from hanging.
template <class Done>
bool waitFor(Done done) {
    for (int i = 0; i < 500 && !done(); ++i)
        Sleep(10);
    return done();
}

// The menu paints on the program's thread: the picture is taken once two in a row agree.
ui::Image settledPicture(HWND window) {
    ui::Image shot = capture(window);
    for (int i = 0; i < 50; ++i) {
        Sleep(20);
        ui::Image again = capture(window);
        if (again.pixels() == shot.pixels()) break;
        shot = std::move(again);
    }
    return shot;
}

MenuView look(HWND window) {
    MenuView view;
    view.shot = settledPicture(window);
    GetWindowRect(window, &view.place);
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    for (int k = 0; k < GetMenuItemCount(menu); ++k) {
        RECT r{};
        GetMenuItemRect(nullptr, menu, static_cast<UINT>(k), &r);
        view.items.push_back(r);
        view.checked.push_back((GetMenuState(menu, static_cast<UINT>(k), MF_BYPOSITION) & MF_CHECKED) != 0);
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(k), text, 128, MF_BYPOSITION);
        view.texts.push_back(ui::win32::fromWide(text));
    }
    return view;
}

// Down to the item and Enter, or Escape for none, as the keyboard gives them to the open menu.
void choose(HWND window, int chosen) {
    if (chosen == kNoItem) {
        PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
        return;
    }
    for (int k = 0; k <= chosen; ++k)
        PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(window, WM_CHAR, L'\r', 0);
}

class TrayWindowWin32 : public MainWindowWin32 {
  protected:
    ~TrayWindowWin32() override { end(); }  // the closing still reaches the probes' log and the port
    // Started, and the page of the last run restored (a moment after the start, from the loop).
    void buildWithProbes() {
        build(probePages(log, probes));
        const auto restored = [&] {
            return std::find(log.lines.begin(), log.lines.end(), "6.0=0") != log.lines.end();
        };
        for (int i = 0; i < 100 && !restored(); ++i)
            pump();
        ASSERT_TRUE(restored());
        log.take();
    }

    // A right click on the tray icon, as the system reports it to the icon's window. The program's
    // thread then sits in the menu's own loop, so another thread looks at the menu and works it.
    MenuView useTrayMenu(int chosen) {
        MenuView view;
        bool seen = false;
        std::thread user([&] {
            HWND menu = nullptr;
            if (!waitFor([&] { return (menu = visibleMenuWindow()) != nullptr; })) return;
            seen = true;
            view = look(menu);
            choose(menu, chosen);
            if (!waitFor([&] { return !IsWindowVisible(menu); })) EndMenu();
        });
        PostMessageW(FindWindowW(L"LumenrigTray", nullptr), kTrayCallback, 1, WM_RBUTTONUP);
        pump();
        user.join();
        pump();
        EXPECT_TRUE(seen) << "no menu came up";
        return view;
    }
    void clickTrayIcon() {
        PostMessageW(FindWindowW(L"LumenrigTray", nullptr), kTrayCallback, 1, WM_LBUTTONUP);
        pump();
    }
    // The button whose top left corner is at this place of the main window.
    HWND buttonAt(int left, int top) {
        for (const Win32Child& c : childrenOf(window()))
            if (lstrcmpiA(c.kind.c_str(), "button") == 0 && c.place.left == left && c.place.top == top)
                return c.hwnd;
        return nullptr;
    }
    bool checkedOnScreen(std::initializer_list<int> on) {
        const MenuView view = useTrayMenu(kNoItem);
        bool same = view.checked.size() == kItemCount;
        for (int k = 0; k < kItemCount && same; ++k)
            same =
                view.checked[static_cast<std::size_t>(k)] == (std::find(on.begin(), on.end(), k) != on.end());
        return same;
    }

    BoundLine port{5};
    PageLog log;
    std::vector<ProbePage*> probes;
};

using Lines = std::vector<std::string>;

int differingPixels(const ui::Image& a, const ui::Image& b) {
    if (a.width() != b.width() || a.height() != b.height()) return a.width() * a.height() + 1;
    int differing = 0;
    for (std::size_t i = 0; i < a.pixels().size(); ++i)
        differing += a.pixels()[i] != b.pixels()[i];
    return differing;
}

// Pixels of the picture that are not where the bitmap (its corner colour see-through) is drawn.
int bitmapMisses(const ui::Image& gutter, const ui::Image& bitmap) {
    const int left = (kGutter - bitmap.width()) / 2, top = (gutter.height() - bitmap.height()) / 2;
    int misses = 0;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            if (bitmap.pixel(x, y) != bitmap.pixel(0, 0))
                misses += gutter.pixel(left + x, top + y) != bitmap.pixel(x, y);
    return misses;
}

}  // namespace

TEST_F(TrayWindowWin32, TheTrayMenuShowsItsTenItemsWithTheirBitmaps) {
    buildWithProbes();
    const MenuView view = useTrayMenu(kNoItem);
    EXPECT_TRUE(ui::savePng(view.shot, "tray_menu_win32.png"));
    ASSERT_EQ(view.texts.size(), static_cast<std::size_t>(kItemCount));
    EXPECT_EQ(view.texts[0], "Visualization (Cntr+Shift+F5)");
    EXPECT_EQ(view.texts[item::Lights], "Lights On/Off (Cntr+Shift+F9) ");
    EXPECT_EQ(view.texts[item::Exit], "Exit");
    for (int k = 0; k < kItemCount; ++k)
        EXPECT_FALSE(view.checked[static_cast<std::size_t>(k)]) << k;
    for (int k = 0; k < kItemsWithBitmaps; ++k) {
        const ui::Image bitmap = platform->resources().bitmap("BITMAP" + std::to_string(72 + k));
        ASSERT_FALSE(bitmap.empty()) << k;
        EXPECT_EQ(bitmapMisses(view.gutter(k), bitmap), 0) << "item " << k;
    }
    EXPECT_TRUE(log.take().empty()) << "Escape chooses nothing";
}

TEST_F(TrayWindowWin32, TheCheckMarksFollowTheFourStates) {
    buildWithProbes();
    const MenuView before = useTrayMenu(item::Visualization);
    useTrayMenu(item::ColorOrgan);
    EXPECT_EQ(log.take(), (Lines{"5.3=1", "2.3=1"}));
    const MenuView after = useTrayMenu(item::Automation);
    EXPECT_TRUE(ui::savePng(after.shot, "tray_menu_checked_win32.png"));
    for (int k = 0; k < kItemCount; ++k) {
        const bool on = k == item::Visualization || k == item::ColorOrgan;
        EXPECT_EQ(after.checked[static_cast<std::size_t>(k)], on) << k;
        if (on) {
            EXPECT_GT(differingPixels(after.gutter(k), before.gutter(k)), 0) << "a mark drawn on " << k;
        } else {
            EXPECT_EQ(differingPixels(after.gutter(k), before.gutter(k)), 0) << "no mark on " << k;
        }
    }
    probes.at(lr::mode::Ambilight)->send(2, lr::makeInteger(1));  // the page's own report
    EXPECT_TRUE(checkedOnScreen({item::Visualization, item::Automation, item::Ambilight, item::ColorOrgan}));
    useTrayMenu(item::AllOff);
    EXPECT_EQ(log.take(), (Lines{"4.4=1", "5.3=0", "4.4=0", "3.1=0", "2.3=0"}));
    EXPECT_TRUE(checkedOnScreen({}));
}

TEST_F(TrayWindowWin32, LightsOnOffFromTheTrayMenuReachesThePortAndExitCloses) {
    buildWithProbes();
    probes.at(lr::mode::Connect)->send(1, lr::makeString("COM5"));
    useTrayMenu(item::Lights);
    EXPECT_EQ(port.line->takeWritten(), kAllOff);
    probes.at(lr::mode::ColorOrgan)->send(0, lr::makeString("A5"));
    EXPECT_EQ(port.line->takeWritten(), "") << "lights off drop the pages' commands";
    useTrayMenu(item::Lights);
    probes.at(lr::mode::ColorOrgan)->send(0, lr::makeString("A5"));
    EXPECT_EQ(port.line->takeWritten(), kAllOff + "A5");
    useTrayMenu(item::Exit);
    EXPECT_FALSE(IsWindowVisible(window()));
    EXPECT_EQ(port.line->takeWritten(), kAllOff) << "closing turns all off";
    EXPECT_FALSE(root->trayIcon().icon().shown());
}

TEST_F(TrayWindowWin32, AlwaysOnTopMakesTheWindowTopmostAndTranslucent) {
    buildWithProbes();
    HWND button = buttonAt(5, 25);
    ASSERT_NE(button, nullptr);
    const auto layered = [&] {
        BYTE alpha = 0;
        DWORD flags = 0;
        COLORREF key = 0;
        GetLayeredWindowAttributes(window(), &key, &alpha, &flags);
        return std::pair<int, bool>(alpha, (flags & LWA_ALPHA) != 0);
    };
    const auto topmost = [&] { return (GetWindowLongPtrW(window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    EXPECT_FALSE(topmost());
    SendMessageW(button, BM_CLICK, 0, 0);
    pump();
    EXPECT_TRUE(topmost());
    EXPECT_NE(GetWindowLongPtrW(window(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_EQ(layered(), std::make_pair(180, true));
    SendMessageW(button, BM_CLICK, 0, 0);
    pump();
    EXPECT_FALSE(topmost());
    EXPECT_EQ(layered(), std::make_pair(255, true));
}

TEST_F(TrayWindowWin32, MinimiseGoesToTheTrayAndALeftClickOnTheIconBringsItBack) {
    buildWithProbes();
    HWND minimise = buttonAt(5 + 475, 25 + 2);
    ASSERT_NE(minimise, nullptr);
    SendMessageW(minimise, BM_CLICK, 0, 0);
    pump();
    EXPECT_FALSE(IsWindowVisible(window()));
    EXPECT_TRUE(IsIconic(window()));
    EXPECT_TRUE(root->trayIcon().icon().shown());
    clickTrayIcon();
    EXPECT_TRUE(IsWindowVisible(window()));
    EXPECT_FALSE(IsIconic(window()));
    EXPECT_TRUE(root->trayIcon().icon().shown()) << "the icon of the start stays";
    clickTrayIcon();
    EXPECT_FALSE(IsWindowVisible(window())) << "a second click sends it back";
}

// The chosen mode's button in the selected colour and the other six in the plain one.
TEST_F(TrayWindowWin32, TheModeBarShowsEachModeInItsColours) {
    buildWithProbes();
    constexpr ui::Color selected = 0xC0C0C0, plain = 0xA4A0A0;
    constexpr int barLeft = 5, barTop = 47, face = 60, faceTop = 4;  // a point of each face off its picture
    for (const std::size_t mode : {lr::mode::Auto, lr::mode::Connect}) {
        ASSERT_TRUE(click(std::string(lr::kModeButtons[mode].caption).c_str()));
        pump();
        const ui::Image shot = capture(window());
        EXPECT_TRUE(ui::savePng(shot, "mode_bar_" + std::to_string(mode) + "_win32.png"));
        for (std::size_t k = 0; k < lr::kModeCount; ++k)
            EXPECT_EQ(shot.pixel(barLeft + 70 * static_cast<int>(k) + face, barTop + faceTop),
                      k == mode ? selected : plain)
                << "mode " << mode << ", button " << k;
    }
}
