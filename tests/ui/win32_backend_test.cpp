// The Win32 backend under Wine: each control kind is made, set, read back and driven with the
// messages a user's actions produce; a window with one control of every kind is captured.
#include <windows.h>
// after windows.h
#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "recorder.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/elements/visual_sliders.h"
#include "runtime/lifecycle.h"
#include "ui/png.h"
#include "ui/win32/text.h"
#include "ui/win32/win32_platform.h"
#include "win32_capture.h"

using namespace ui;

namespace {

struct Log : ControlListener {
    std::vector<std::string> events;
    void mouseDown(MouseButton b, Point) override { add("down", static_cast<int>(b)); }
    void mouseUp(MouseButton b, Point) override { add("up", static_cast<int>(b)); }
    void click() override { events.push_back("click"); }
    void changed() override { events.push_back("changed"); }
    void scrolled(ScrollCode code, int pos) override {
        add("scroll" + std::to_string(static_cast<int>(code)), pos);
    }
    bool closeRequested() override {
        events.push_back("close?");
        return true;
    }
    void add(const std::string& what, int v) { events.push_back(what + " " + std::to_string(v)); }
};

HWND hwndOf(const Control& c) {
    return reinterpret_cast<HWND>(c.handle());
}

class Win32Test : public testing::Test {
  protected:
    Win32Test() {
        window->setVisible(true);
        window->setListener(&log);
    }
    std::unique_ptr<Control> make(ControlKind kind, std::string text = {}, unsigned flags = 0) {
        auto c = platform->toolkit().createControl(window.get(),
                                                   {kind, {10, 10, 120, 24}, std::move(text), flags});
        c->setListener(&log);
        return c;
    }
    // What the parent receives when the user changes a native control.
    void notifyParent(UINT msg, WPARAM code, const Control& c) {
        SendMessageW(hwndOf(*window), msg, code, reinterpret_cast<LPARAM>(hwndOf(c)));
    }

    std::unique_ptr<win32::Win32Platform> platform = win32::Win32Platform::create();
    ScopedPlatform scope{*platform};
    std::unique_ptr<Window> window = platform->toolkit().createWindow({"Test", {100, 100, 400, 300}});
    Log log;
};

TEST(Win32Text, CodePage1251CrossesTheScreenBoundary) {
    EXPECT_EQ(win32::toWide("a\xE0\xC0"), std::wstring(L"a\u0430\u0410"));
    EXPECT_EQ(win32::fromWide(L"\u0430bc"),
              "\xE0"
              "bc");
    EXPECT_EQ(win32::fromWide(win32::toWide("")), "");
}

TEST_F(Win32Test, ControlsKeepWhatIsSet) {
    auto label = make(ControlKind::Label, "\xCF\xF0\xE8\xE2\xE5\xF2");  // Cyrillic, code page 1251
    EXPECT_EQ(label->text(), "\xCF\xF0\xE8\xE2\xE5\xF2");
    label->setBounds({20, 30, 90, 18});
    EXPECT_EQ(label->bounds(), (Rect{20, 30, 90, 18}));
    label->setEnabled(false);
    EXPECT_FALSE(label->enabled());
    label->setVisible(false);
    EXPECT_FALSE(label->visible());

    auto combo = make(ControlKind::ComboBox);
    combo->setItems({"COM1", "COM2"});
    combo->addItem("COM3");
    combo->setSelected(2);
    EXPECT_EQ(combo->items(), (std::vector<std::string>{"COM1", "COM2", "COM3"}));
    EXPECT_EQ(combo->text(), "COM3");

    auto slider = make(ControlKind::TrackBar, {}, style::Vertical);
    slider->setRange(0, 8);
    slider->setPosition(11);
    EXPECT_EQ(slider->position(), 8);

    auto bar = make(ControlKind::ScrollBar);
    bar->setRange(0, 50);
    bar->setPosition(20);
    EXPECT_EQ(bar->position(), 20);

    auto memo = make(ControlKind::Memo, "one\r\ntwo");
    EXPECT_EQ(memo->text(), "one\r\ntwo");

    auto list = make(ControlKind::ListView);
    list->setColumns({{"Time", 60}, {"Action", 80}});
    list->setItems({"10:00\tA8", "11:00\tB0"});
    list->setSelected(1);
    EXPECT_EQ(list->items(), (std::vector<std::string>{"10:00\tA8", "11:00\tB0"}));
    EXPECT_EQ(list->selected(), 1);
}

TEST_F(Win32Test, UserActionsBecomeEvents) {
    auto check = make(ControlKind::CheckBox, "Loop");
    SendMessageW(hwndOf(*check), BM_CLICK, 0, 0);  // presses and releases the button
    EXPECT_TRUE(check->checked());
    EXPECT_EQ(log.events, (std::vector<std::string>{"down 0", "up 0", "changed", "click"}));

    log.events.clear();
    auto edit = make(ControlKind::Edit);
    edit->setText("set by the program");
    SendMessageW(hwndOf(*edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"typed"));
    EXPECT_EQ(log.events, std::vector<std::string>{"changed"});
    EXPECT_EQ(edit->text(), "typed");

    log.events.clear();
    auto combo = make(ControlKind::ComboBox);
    combo->setItems({"a", "b"});
    SendMessageW(hwndOf(*combo), CB_SETCURSEL, 1, 0);
    notifyParent(WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), *combo);
    EXPECT_EQ(log.events, std::vector<std::string>{"changed"});

    log.events.clear();
    auto slider = make(ControlKind::TrackBar);
    slider->setRange(0, 10);
    SendMessageW(hwndOf(*slider), TBM_SETPOS, TRUE, 4);
    notifyParent(WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 4), *slider);
    notifyParent(WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), *slider);
    EXPECT_EQ(log.events, (std::vector<std::string>{"scroll5 4", "scroll8 4"}));

    log.events.clear();
    auto panel = make(ControlKind::Panel);
    SendMessageW(hwndOf(*panel), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
    SendMessageW(hwndOf(*panel), WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(log.events, (std::vector<std::string>{"down 1", "up 1", "click"}));
}

TEST_F(Win32Test, CloseRequestHidesTheWindow) {
    SendMessageW(hwndOf(*window), WM_CLOSE, 0, 0);
    EXPECT_EQ(log.events.back(), "close?");
    EXPECT_FALSE(window->visible());
}

TEST_F(Win32Test, LayeredAndTopmost) {
    window->setLayered(0xFFFFFF, 180);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwndOf(*window), &key, &alpha, &flags));
    EXPECT_EQ(key, 0xFFFFFFu);
    EXPECT_EQ(alpha, 180);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA | LWA_COLORKEY));
    window->setTopmost(true);
    EXPECT_TRUE(window->topmost());
    window->setTopmost(false);
    EXPECT_FALSE(window->topmost());
}

TEST_F(Win32Test, HotKeyRegistersOnceUntilReleased) {
    auto first = platform->toolkit().registerHotKey(VK_F5, hotkeymod::Ctrl | hotkeymod::Shift);
    ASSERT_EQ(first.error, 0);
    EXPECT_NE(first.key, nullptr);
    EXPECT_NE(platform->toolkit().registerHotKey(VK_F5, hotkeymod::Ctrl | hotkeymod::Shift).error, 0);
    first.key.reset();
    EXPECT_EQ(platform->toolkit().registerHotKey(VK_F5, hotkeymod::Ctrl | hotkeymod::Shift).error, 0);
}

// The hotkey lives on a hidden window of its own class; only a message for its own key code counts,
// and letting go gives the shared atom back.
TEST_F(Win32Test, HotKeyWindowAnswersItsOwnKeyOnly) {
    auto f5 = platform->toolkit().registerHotKey(VK_F5, hotkeymod::Ctrl | hotkeymod::Shift);
    ASSERT_EQ(f5.error, 0);
    int presses = 0;
    f5.key->onPressed = [&] { ++presses; };
    HWND hidden = FindWindowW(L"HotKeyWindows_116_6", nullptr);
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(IsWindowVisible(hidden));
    const ATOM id = GlobalFindAtomW(L"KeyID");
    EXPECT_NE(id, 0);
    SendMessageW(hidden, WM_HOTKEY, id, MAKELPARAM(MOD_CONTROL | MOD_SHIFT, VK_F6));
    EXPECT_EQ(presses, 0);
    SendMessageW(hidden, WM_HOTKEY, id, MAKELPARAM(MOD_CONTROL | MOD_SHIFT, VK_F5));
    EXPECT_EQ(presses, 1);
    f5.key.reset();
    EXPECT_EQ(FindWindowW(L"HotKeyWindows_116_6", nullptr), nullptr);
    EXPECT_EQ(GlobalFindAtomW(L"KeyID"), 0) << "the atom is not held after the key is gone";
}

TEST_F(Win32Test, WindowsAreFoundByTheirHandleOnly) {
    auto button = make(ControlKind::BitmapButton, "OK");
    EXPECT_EQ(platform->toolkit().windowFromHandle(window->handle()), window.get());
    EXPECT_EQ(platform->toolkit().windowFromHandle(button->handle()), nullptr);
    EXPECT_EQ(platform->toolkit().windowFromHandle(0), nullptr);
    const auto desktop = reinterpret_cast<std::intptr_t>(GetDesktopWindow());
    EXPECT_EQ(platform->toolkit().windowFromHandle(desktop), nullptr);
}

TEST_F(Win32Test, LoopRunsTimersAndTasksFromOtherThreads) {
    Loop& loop = platform->loop();
    std::vector<std::string> log;
    int ticks = 0;
    TimerId timer = 0;
    timer = loop.startTimer(10, [&] {
        log.push_back("tick");
        if (++ticks == 2) {
            loop.stopTimer(timer);
            std::thread([&] { loop.post([&] { log.push_back("posted"), loop.quit(5); }); }).detach();
        }
    });
    EXPECT_EQ(loop.run(), 5);
    EXPECT_EQ(log, (std::vector<std::string>{"tick", "tick", "posted"}));
}

TEST_F(Win32Test, CheckBoxAndTrackBarElementsOnNativeControls) {
    lr::installDispatch();
    Recorder rec;
    lr::THICheckBox box(window.get());
    box.onCheck = rec.point(0);
    box.init();
    SendMessageW(hwndOf(box.control()), BM_CLICK, 0, 0);
    lr::THITrackBar bar(window.get());
    bar.Max = 8;
    bar.onStart = rec.point(1);
    bar.onPosition = rec.point(2);
    bar.onStop = rec.point(3);
    bar.init();
    SendMessageW(hwndOf(bar.control()), TBM_SETPOS, TRUE, 6);
    notifyParent(WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 6), bar.control());
    notifyParent(WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), bar.control());
    EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{0, 1, 2, 3}));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"1", "6", "6", "6"}));
    lr::resetLifecycle();
}

TEST_F(Win32Test, PopupMenuChoiceWhileTimersKeepRunning) {
    auto menu = platform->toolkit().createPopupMenu();
    MenuItem sub{.id = 1, .text = "Sub"};
    sub.children = {{.id = 2, .text = "Inner"}};
    menu->setItems({{.id = 0, .text = "First", .bitmap = Image(16, 16, rgb(255, 0, 0))}, sub});
    menu->setChecked(0, true);
    std::vector<int> chosen;
    menu->onChoose = [&](int id) { chosen.push_back(id); };
    // The menu's modal loop still runs our timers: the first tick picks the first item by keyboard.
    int ticks = 0;
    const TimerId timer = platform->loop().startTimer(50, [&] {
        if (++ticks != 1) return;
        HWND popup = FindWindowW(L"#32768", nullptr);
        PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
    });
    menu->popup({200, 200});
    platform->loop().stopTimer(timer);
    EXPECT_GE(ticks, 1);
    EXPECT_EQ(chosen, std::vector<int>{0});
}

TEST_F(Win32Test, TrayIconReportsClicksByButton) {
    auto tray = platform->toolkit().createTrayIcon(*window);
    std::vector<std::string> events;
    tray->onEvent = [&](TrayEvent e, MouseButton b) {
        events.push_back(std::to_string(static_cast<int>(e)) + "/" + std::to_string(static_cast<int>(b)));
    };
    tray->setTip(std::string(80, 'x'));
    tray->show();
    EXPECT_TRUE(tray->shown());
    HWND trayWindow = FindWindowW(L"LumenrigTray", nullptr);
    ASSERT_NE(trayWindow, nullptr);
    SendMessageW(trayWindow, WM_USER + 1, 1, WM_RBUTTONUP);
    EXPECT_EQ(events, (std::vector<std::string>{"1/1", "2/1"}));  // up, then click
    tray->hide();
    EXPECT_FALSE(tray->shown());
}

// Paints a two-colour gradient with a disc, as the owner-drawn controls do.
struct Swatch : ControlListener {
    void paint(Painter& p) override {
        const Size s = p.size();
        p.gradientV({0, 0, s.width, s.height}, rgb(255, 200, 0), rgb(120, 0, 0));
        p.fillEllipse({4, 4, s.height - 8, s.height - 8}, rgb(0, 90, 255));
        p.text({s.height, 0, s.width - s.height, s.height}, "Owner-drawn", Font{"Arial", 8}, TextAlign::Left);
    }
};

TEST_F(Win32Test, ScreenshotOfEveryControlKindIsNotBlank) {
    window->setBounds({50, 50, 460, 330});
    window->setColor(rgb(192, 192, 192));
    Swatch swatch;
    std::vector<std::unique_ptr<Control>> controls;
    auto add = [&](ControlKind kind, Rect r, std::string text = {}, unsigned flags = 0) -> Control& {
        controls.push_back(
            platform->toolkit().createControl(window.get(), {kind, r, std::move(text), flags}));
        return *controls.back();
    };
    add(ControlKind::Panel, {10, 10, 120, 40}, {}).setBevel(Bevel::Lowered);
    add(ControlKind::GroupBox, {140, 5, 150, 60}, "Group");
    add(ControlKind::Label, {300, 10, 140, 18}, "Label \xEC\xE8\xF0");
    add(ControlKind::Edit, {300, 35, 140, 22}, "Edit");
    add(ControlKind::Memo, {10, 60, 120, 60}, "Memo\r\nline 2");
    add(ControlKind::CheckBox, {140, 75, 150, 20}, "Check box").setChecked(true);
    Control& combo = add(ControlKind::ComboBox, {300, 65, 140, 120});
    combo.setItems({"Combo item", "Other"});
    combo.setSelected(0);
    Control& track = add(ControlKind::TrackBar, {140, 100, 150, 30});
    track.setRange(0, 8);
    track.setPosition(5);
    add(ControlKind::TrackBar, {420, 100, 30, 120}, {}, style::Vertical).setRange(0, 8);
    Control& scroll = add(ControlKind::ScrollBar, {300, 100, 110, 17});
    scroll.setRange(0, 100);
    scroll.setPosition(40);
    add(ControlKind::ScrollBox, {10, 130, 120, 60}).setRange(0, 200);
    add(ControlKind::BitmapButton, {140, 140, 100, 28}, "Button")
        .setImages({.normal = Image(16, 16, rgb(0, 160, 0))});
    Image img(28, 28, rgb(255, 255, 255));
    for (int i = 0; i < 28; ++i)
        img.setPixel(i, i, rgb(200, 0, 200));
    add(ControlKind::ImageButton, {250, 140, 28, 28}).setImages({.normal = img});
    Control& painted = add(ControlKind::PaintBox, {140, 180, 160, 30});
    painted.setListener(&swatch);
    Control& list = add(ControlKind::ListView, {10, 200, 120, 80});
    list.setColumns({{"Col", 50}, {"Two", 50}});
    list.setItems({"a\tb", "c\td"});
    add(ControlKind::ImageView, {310, 180, 40, 40}).setImages({.normal = Image(40, 40, rgb(0, 200, 200))});
    // Let every control paint, as a user would see it after a moment.
    for (int i = 0; i < 20; ++i) {
        platform->loop().pump();
        Sleep(10);
    }

    const Image shot = capture(hwndOf(*window));
    std::set<Color> colours(shot.pixels().begin(), shot.pixels().end());
    EXPECT_GT(colours.size(), 20u);
    EXPECT_TRUE(savePng(shot, "win32_controls.png"));
}

}  // namespace
