// The behaviour every ui:: backend promises, one suite run against each backend this build has.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <thread>

#include "backend.h"
#include "ui/png.h"

using namespace ui;
using backend::Feature;

namespace {

struct Log : ControlListener {
    std::vector<std::string> events;
    bool allowClose = true;
    void click() override { events.push_back("click"); }
    void changed() override { events.push_back("changed"); }
    void scrolled(ScrollCode code, int pos) override {
        events.push_back("scroll" + std::to_string(static_cast<int>(code)) + " " + std::to_string(pos));
    }
    void minimised() override { events.push_back("minimised"); }
    void restored() override { events.push_back("restored"); }
    bool closeRequested() override {
        events.push_back("close?");
        return allowClose;
    }
    bool has(const std::string& e) const {
        return std::find(events.begin(), events.end(), e) != events.end();
    }
};

// Paints a red square on the control's own colour.
struct Square : ControlListener {
    void paint(Painter& p) override { p.fillRect({4, 4, 10, 10}, rgb(255, 0, 0)); }
};

std::vector<std::string> backendNames() {
    std::vector<std::string> names{"headless"};
    if (backend::qtBackend()) names.push_back("qt");
    if (backend::win32Backend()) names.push_back("win32");
    return names;
}

backend::Backend* sharedBackend(const std::string& name) {
    return name == "qt" ? backend::qtBackend() : backend::win32Backend();
}

class BackendSuite : public testing::TestWithParam<std::string> {
  protected:
    BackendSuite() {
        if (GetParam() == "headless") {
            own_ = backend::makeHeadless();
            b_ = own_.get();
        } else {
            b_ = sharedBackend(GetParam());
        }
        window = b().toolkit().createWindow({"Suite", {100, 100, 300, 200}, WindowBorder::None});
        window->setListener(&log);
        window->setVisible(true);
    }
    ~BackendSuite() override {
        for (auto it = controls.rbegin(); it != controls.rend(); ++it)
            it->reset();
        window.reset();
    }
    backend::Backend& b() { return *b_; }
    Control& make(ControlKind kind, std::string text = {}, Rect at = {10, 10, 120, 24}, unsigned flags = 0) {
        controls.push_back(b().toolkit().createControl(window.get(), {kind, at, std::move(text), flags}));
        controls.back()->setListener(&log);
        return *controls.back();
    }

    std::unique_ptr<backend::Backend> own_;
    backend::Backend* b_ = nullptr;
    Log log;
    std::unique_ptr<Window> window;
    std::vector<std::unique_ptr<Control>> controls;
};

TEST_P(BackendSuite, ControlsKeepWhatIsSet) {
    const std::string cyrillic = "\xCF\xF0\xE8\xE2\xE5\xF2";  // code page 1251
    for (ControlKind kind : {ControlKind::Label, ControlKind::Edit, ControlKind::CheckBox,
                             ControlKind::GroupBox, ControlKind::BitmapButton, ControlKind::Panel}) {
        SCOPED_TRACE(static_cast<int>(kind));
        Control& c = make(kind, cyrillic);
        EXPECT_EQ(c.text(), cyrillic);
        c.setBounds({20, 30, 90, 18});
        EXPECT_EQ(c.bounds(), (Rect{20, 30, 90, 18}));
        c.setEnabled(false);
        EXPECT_FALSE(c.enabled());
        c.setVisible(false);
        EXPECT_FALSE(c.visible());
        c.setHint("tip");
        EXPECT_EQ(c.hint(), "tip");
        c.setColor(rgb(1, 2, 3));
        EXPECT_EQ(c.color(), rgb(1, 2, 3));
    }
    Control& memo = make(ControlKind::Memo);
    memo.setText("one\r\ntwo");
    EXPECT_EQ(memo.text(), "one\r\ntwo");
    Control& box = make(ControlKind::CheckBox, "on");
    box.setChecked(true);
    EXPECT_TRUE(box.checked());
    EXPECT_TRUE(log.events.empty()) << "what the program sets is no user event";
}

TEST_P(BackendSuite, ListsAndRangesHoldTheirValues) {
    Control& combo = make(ControlKind::ComboBox);
    combo.setItems({"A", "B", "C"});
    EXPECT_EQ(combo.selected(), -1);
    combo.setSelected(2);
    EXPECT_EQ(combo.selected(), 2);
    EXPECT_EQ(combo.text(), "C");
    combo.setSelected(7);
    EXPECT_EQ(combo.selected(), -1);

    Control& list = make(ControlKind::ListView, {}, {10, 40, 200, 100});
    list.setColumns({{"Time", 60}, {"Action", 90}});
    list.addItem("10:00\tStart");
    list.addItem("11:00\tStop");
    EXPECT_EQ(list.items(), (std::vector<std::string>{"10:00\tStart", "11:00\tStop"}));
    EXPECT_EQ(list.columnWidths(), (std::vector<int>{60, 90}));
    list.setSelected(1);
    EXPECT_EQ(list.selected(), 1);
    list.setSelected(-1);
    EXPECT_EQ(list.selected(), -1) << "nothing selected, rather than every row";

    Control& track = make(ControlKind::TrackBar, {}, {10, 150, 150, 30});
    track.setRange(0, 8);
    track.setPosition(12);
    EXPECT_EQ(track.position(), 8);
    track.setPosition(-3);
    EXPECT_EQ(track.position(), 0);
    EXPECT_EQ(track.rangeMax(), 8);
}

TEST_P(BackendSuite, UserActionsReportTheirEvents) {
    Control& button = make(ControlKind::BitmapButton, "Go");
    b().click(button);
    EXPECT_EQ(log.events, (std::vector<std::string>{"click"}));

    log.events.clear();
    Control& box = make(ControlKind::CheckBox, "On", {10, 40, 120, 24});
    b().click(box);
    EXPECT_TRUE(box.checked());
    EXPECT_EQ(log.events, (std::vector<std::string>{"changed", "click"}));

    log.events.clear();
    Control& edit = make(ControlKind::Edit, {}, {10, 70, 120, 24});
    b().type(edit, "abc");
    EXPECT_EQ(edit.text(), "abc");
    EXPECT_TRUE(log.has("changed"));

    log.events.clear();
    Control& combo = make(ControlKind::ComboBox, {}, {10, 100, 120, 24});
    combo.setItems({"A", "B"});
    b().pick(combo, 1);
    EXPECT_EQ(combo.selected(), 1);
    EXPECT_EQ(log.events, (std::vector<std::string>{"changed"}));

    log.events.clear();
    Control& track = make(ControlKind::TrackBar, {}, {10, 130, 150, 30});
    track.setRange(0, 8);
    b().step(track, ScrollCode::LineDown);
    EXPECT_EQ(track.position(), 1);
    EXPECT_EQ(log.events, (std::vector<std::string>{"scroll1 1", "scroll8 1"})) << "a step ends at once";

    log.events.clear();
    Control& bar = make(ControlKind::ScrollBar, {}, {10, 170, 150, 17});
    bar.setRange(0, 50);
    b().step(bar, ScrollCode::LineDown);
    EXPECT_EQ(bar.position(), 1);
    EXPECT_EQ(log.events, (std::vector<std::string>{"scroll1 1", "scroll8 1"})) << "a scroll bar steps alike";

    log.events.clear();
    Control& panel = make(ControlKind::Panel, {}, {150, 10, 50, 50});
    b().click(panel, MouseButton::Right);
    EXPECT_EQ(log.events, (std::vector<std::string>{"click"})) << "a panel clicked with any button";
}

TEST_P(BackendSuite, OwnerDrawnKindsPaintThroughThePainter) {
    Control& box = make(ControlKind::PaintBox, {}, {10, 10, 40, 30});
    Square square;
    box.setListener(&square);
    box.setColor(rgb(0, 0, 255));
    const Image shot = b().capture(box);
    ASSERT_EQ(shot.size(), (Size{40, 30}));
    EXPECT_EQ(shot.pixel(8, 8), rgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(30, 20), rgb(0, 0, 255));

    Control& view = make(ControlKind::ImageView, {}, {60, 10, 20, 20});
    Image picture(20, 20, rgb(0, 200, 0));
    picture.setPixel(3, 3, rgb(200, 0, 200));
    view.setImages({picture, {}, {}, {}});
    const Image seen = b().capture(view);
    EXPECT_EQ(seen.pixel(3, 3), rgb(200, 0, 200));
    EXPECT_EQ(seen.pixel(10, 10), rgb(0, 200, 0));
    if (HasFailure()) savePng(shot, "backend_" + b().name() + "_paintbox.png");

    Control& button = make(ControlKind::ImageButton, {}, {90, 10, 16, 16});
    button.setImages({Image(16, 16, rgb(255, 0, 0)), Image(16, 16, rgb(0, 255, 0)),
                      Image(16, 16, rgb(0, 0, 255)), Image(16, 16, rgb(128, 128, 128))});
    EXPECT_EQ(b().capture(button).pixel(8, 8), rgb(255, 0, 0)) << "normal";
    button.setEnabled(false);
    EXPECT_EQ(b().capture(button).pixel(8, 8), rgb(128, 128, 128)) << "disabled";
}

TEST_P(BackendSuite, TimersTickInOrderAndMayStopThemselves) {
    std::vector<std::string> ticks;
    TimerId fast = 0;
    int fastTicks = 0;
    fast = b().loop().startTimer(20, [&] {
        ticks.push_back("fast");
        if (++fastTicks == 2) b().loop().stopTimer(fast);
    });
    // Far apart, so that a busy machine (Wine, parallel tests) cannot swap them.
    const TimerId slow = b().loop().startTimer(300, [&] { ticks.push_back("slow"); });
    b().runFor(450);
    b().loop().stopTimer(slow);
    ASSERT_GE(ticks.size(), 3u);
    EXPECT_EQ((std::vector<std::string>(ticks.begin(), ticks.begin() + 3)),
              (std::vector<std::string>{"fast", "fast", "slow"}));
    EXPECT_EQ(std::count(ticks.begin(), ticks.end(), "fast"), 2) << "stopped inside its own tick";
}

TEST_P(BackendSuite, TasksPostedFromAnyThreadRunOnTheLoopInOrder) {
    const auto loopThread = std::this_thread::get_id();
    std::vector<int> order;
    std::atomic<bool> offLoop{false};
    std::thread worker([&] {
        for (int i = 0; i < 50; ++i)
            b().loop().post([&, i] {
                if (std::this_thread::get_id() != loopThread) offLoop = true;
                order.push_back(i);
            });
    });
    worker.join();
    b().runFor(30);
    ASSERT_EQ(order.size(), 50u);
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_FALSE(offLoop);

    std::vector<int> nested;
    const TimerId once = b().loop().startTimer(10, [&] {
        b().loop().post([&] { nested.push_back(1); });
        b().loop().pump();  // a long chain pumping inside a tick
        nested.push_back(2);
    });
    b().runFor(15);
    b().loop().stopTimer(once);
    ASSERT_GE(nested.size(), 2u);
    EXPECT_EQ(nested[0], 1);
    EXPECT_EQ(nested[1], 2);
}

TEST_P(BackendSuite, RunEndsWithTheExitCodeOfQuit) {
    const TimerId id = b().loop().startTimer(10, [&] { b().loop().quit(7); });
    EXPECT_EQ(b().loop().run(), 7);
    b().loop().stopTimer(id);
}

TEST_P(BackendSuite, MessageBoxesKeepTimersRunning) {
    if (const std::string why = b().lacks(Feature::NestedModalLoop); !why.empty()) GTEST_SKIP() << why;
    // The box is answered by the third tick of a timer started before it: only a box whose loop keeps
    // timers running ever closes.
    int ticks = 0;
    const TimerId counter = b().loop().startTimer(10, [&] {
        if (++ticks == 3) {
            EXPECT_TRUE(b().answerModal());
        }
    });
    const Answer answer =
        b().platform().messageBoxes().show({"Text", "Caption", Buttons::YesNo, Icon::Question, 1});
    b().loop().stopTimer(counter);
    EXPECT_EQ(answer, Answer::No) << "the default button is the second";
    EXPECT_EQ(ticks, 3);
}

TEST_P(BackendSuite, PopupMenusReportTheChosenItem) {
    auto menu = b().toolkit().createPopupMenu();
    menu->setItems({{1, "Show"}, {0, {}, true}, {2, "Exit", false, true}});
    int chosen = 0;
    menu->onChoose = [&](int id) { chosen = id; };
    b().duringModal([&] { menu->popup({150, 150}); }, [&] { EXPECT_TRUE(b().chooseMenuItem("Exit")); });
    b().runFor(10);
    EXPECT_EQ(chosen, 2);
}

TEST_P(BackendSuite, WindowsTakeTopmostMinimiseAndTheCloseRequest) {
    window->setTopmost(true);
    EXPECT_TRUE(window->topmost());
    window->setTopmost(false);
    EXPECT_FALSE(window->topmost());
    window->setLayered(rgb(255, 0, 255), 200);

    log.allowClose = false;
    window->requestClose();
    b().runFor(20);
    EXPECT_TRUE(log.has("close?"));
    EXPECT_TRUE(window->visible()) << "the listener refused";
    log.allowClose = true;
    window->requestClose();
    b().runFor(20);
    EXPECT_FALSE(window->visible());

    window->setVisible(true);
    window->minimise();
    b().runFor(50);
    if (const std::string why = b().lacks(Feature::Minimise); !why.empty() && !window->minimised())
        GTEST_SKIP() << why;
    EXPECT_TRUE(window->minimised());
    EXPECT_TRUE(log.has("minimised"));
    window->restore();
    b().runFor(50);
    EXPECT_FALSE(window->minimised());
    EXPECT_TRUE(log.has("restored"));
}

// A lamp: the key colour is see-through, what is painted over it is not.
TEST_P(BackendSuite, TheColourKeyLetsTheDesktopThrough) {
    struct HalfKey : ControlListener {
        void paint(Painter& p) override { p.fillRect({0, 0, 150, 200}, rgb(255, 0, 255)); }
    } halfKey;
    Control& box = make(ControlKind::PaintBox, {}, {0, 0, 300, 200});
    box.setColor(rgb(0, 128, 0));
    box.setListener(&halfKey);
    window->setLayered(rgb(255, 0, 255), 255);
    b().runFor(50);
    const std::optional<bool> keyed = b().seeThrough(*window, {20, 20});
    if (!keyed) GTEST_SKIP() << b().name() << " keeps the key without a screen to cut";
    EXPECT_TRUE(*keyed);
    EXPECT_EQ(b().seeThrough(*window, {200, 20}), false);
}

TEST_P(BackendSuite, ADragAnywhereMovesTheWindow) {
    window->setDragAnywhere(true);
    Control& panel = make(ControlKind::Panel, {}, {10, 10, 100, 100});
    Control& button = make(ControlKind::BitmapButton, "Go", {150, 10, 60, 24});
    b().runFor(20);
    const Rect before = window->bounds();
    b().drag(panel, 30, 20);
    EXPECT_EQ(window->bounds().left, before.left + 30);
    EXPECT_EQ(window->bounds().top, before.top + 20);
    const Rect moved = window->bounds();
    b().drag(button, 30, 20);
    EXPECT_EQ(window->bounds(), moved) << "a button keeps its press";
}

// A window placed beside a control must know where that control is on the screen.
TEST_P(BackendSuite, AControlKnowsItsPlaceOnTheScreen) {
    Control& panel = make(ControlKind::Panel, {}, {20, 30, 200, 150});
    auto inner = b().toolkit().createControl(&panel, {ControlKind::Label, {7, 9, 50, 20}, "In", 0});
    b().runFor(20);
    const Point corner = window->screenPosition();
    EXPECT_EQ(corner.x, window->bounds().left);
    EXPECT_EQ(corner.y, window->bounds().top);
    EXPECT_EQ(panel.screenPosition().x, corner.x + 20);
    EXPECT_EQ(panel.screenPosition().y, corner.y + 30);
    EXPECT_EQ(inner->screenPosition().x, corner.x + 27);
    EXPECT_EQ(inner->screenPosition().y, corner.y + 39);
}

TEST_P(BackendSuite, TheTrayIconShowsAndHides) {
    auto tray = b().toolkit().createTrayIcon(*window);
    tray->setTip(std::string(80, 'x'));
    tray->show();
    if (const std::string why = b().lacks(Feature::Tray); !why.empty() && !tray->shown()) GTEST_SKIP() << why;
    EXPECT_TRUE(tray->shown());
    tray->hide();
    EXPECT_FALSE(tray->shown());
}

TEST_P(BackendSuite, HotKeysAreOursUntilReleasedAndATakenKeyFailsAlone) {
    constexpr int F5 = 0x74, F6 = 0x75;
    constexpr unsigned mods = hotkeymod::Ctrl | hotkeymod::Shift;
    if (const std::string why = b().lacks(Feature::HotKeys); !why.empty()) GTEST_SKIP() << why;
    HotKeyRegistration first = b().toolkit().registerHotKey(F5, mods);
    ASSERT_EQ(first.error, 0);
    ASSERT_TRUE(first.key);
    // Win32 already fails at the key's window class, the others at the key itself.
    const HotKeyRegistration twice = b().toolkit().registerHotKey(F5, mods);
    EXPECT_EQ(twice.error, b().name() == "win32" ? 1 : 3) << "held by us already";
    EXPECT_FALSE(twice.key);
    first.key.reset();
    HotKeyRegistration again = b().toolkit().registerHotKey(F5, mods);
    ASSERT_EQ(again.error, 0) << "released with its object";
    int presses = 0;
    again.key->onPressed = [&] { ++presses; };
    ASSERT_TRUE(b().pressHotKey(F5, mods, false));
    b().runFor(50);
    EXPECT_EQ(presses, 1);
    ASSERT_TRUE(b().pressHotKey(F5, mods, true));
    b().runFor(50);
    EXPECT_EQ(presses, 2) << "NumLock on does not stop the key";

    ASSERT_TRUE(b().takeHotKeyElsewhere(F6, mods));
    const HotKeyRegistration taken = b().toolkit().registerHotKey(F6, mods);
    EXPECT_EQ(taken.error, 3);
    EXPECT_FALSE(taken.key);
    EXPECT_EQ(b().toolkit().registerHotKey(0x76, mods).error, 0) << "the next key is not affected";
}

// The key state an element or a dragged shape asks for, while the user holds the key.
TEST_P(BackendSuite, TheKeyboardSeesAKeyWhileItIsHeld) {
    if (const std::string why = b().lacks(Feature::HeldKeys); !why.empty()) GTEST_SKIP() << why;
    constexpr int Shift = 0x10, Ctrl = 0x11, A = 0x41;
    const Keyboard& keys = b().platform().keyboard();
    for (const int key : {Shift, A}) {
        SCOPED_TRACE(key);
        EXPECT_FALSE(keys.isKeyDown(key));
        ASSERT_TRUE(b().holdKey(key, true));
        EXPECT_TRUE(keys.isKeyDown(key));
        EXPECT_FALSE(keys.isKeyDown(Ctrl)) << "only the key held";
        ASSERT_TRUE(b().holdKey(key, false));
        EXPECT_FALSE(keys.isKeyDown(key));
    }
}

#ifndef _WIN32  // the Qt backend is built for Linux only
// Without an X server the Qt backend declines with a reason, so the program can fall back to headless.
TEST(QtPlatform, AnUnreachableDisplayGivesNoPlatformAndNoCrash) {
    if (!backend::qtBackend()) GTEST_SKIP() << "this build has no Qt backend";
    const std::string display = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
    const std::string qpa = std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "";
    setenv("DISPLAY", ":4711", 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(backend::makeQtPlatform());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot open the X display \":4711\""),
              std::string::npos);
    for (const auto& [name, value] : {std::pair{"DISPLAY", display}, std::pair{"QT_QPA_PLATFORM", qpa}})
        value.empty() ? unsetenv(name) : setenv(name, value.c_str(), 1);
}
#endif

struct SharedTeardown : testing::Environment {
    void TearDown() override {
        backend::releaseQtBackend();
        backend::releaseWin32Backend();
    }
};
const auto* const teardown = testing::AddGlobalTestEnvironment(new SharedTeardown);  // gtest owns it

INSTANTIATE_TEST_SUITE_P(Backends, BackendSuite, testing::ValuesIn(backendNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
