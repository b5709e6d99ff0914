#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless_fixture.h"
#include "ui/headless/user.h"

using namespace ui;
using namespace ui::headless;

namespace {

// Logs every event it hears as a short text.
struct Log : ControlListener {
    std::vector<std::string> events;
    bool allowClose = true;
    void mouseDown(MouseButton b, Point) override { add("down", static_cast<int>(b)); }
    void mouseUp(MouseButton b, Point) override { add("up", static_cast<int>(b)); }
    void click() override { events.push_back("click"); }
    void changed() override { events.push_back("changed"); }
    void scrolled(ScrollCode code, int pos) override {
        add("scroll" + std::to_string(static_cast<int>(code)), pos);
    }
    void mouseWheel(int d) override { add("wheel", d); }
    void keyDown(int vk) override { add("key", vk); }
    void moved(Rect r) override { add("moved", r.left); }
    bool closeRequested() override {
        events.push_back("close?");
        return allowClose;
    }
    void minimised() override { events.push_back("minimised"); }
    void restored() override { events.push_back("restored"); }
    void activated(bool on) override { add("active", on); }
    void add(const std::string& what, int v) { events.push_back(what + " " + std::to_string(v)); }
};

class HeadlessToolkitTest : public HeadlessTest {
  protected:
    HeadlessToolkitTest() { window->setVisible(true); }
    std::unique_ptr<Control> make(ControlKind kind, std::string text = {}) {
        auto c = toolkit().createControl(window.get(), {kind, {10, 10, 50, 20}, std::move(text), 0});
        c->setListener(&log);
        return c;
    }
    std::unique_ptr<Window> window = toolkit().createWindow({"Main", {0, 0, 200, 100}});
    Log log;
};

TEST_F(HeadlessToolkitTest, ControlsAreFoundByCaptionHintNameAndPlace) {
    auto first = make(ControlKind::Label, "one");
    auto second = make(ControlKind::Edit);
    second->setHint("type here");
    second->setName("edit1");
    HeadlessControl& root = asHeadless(*window);
    EXPECT_EQ(find(root, byCaption("one")), first.get());
    EXPECT_EQ(find(root, byHint("type here")), second.get());
    EXPECT_EQ(findAnywhere(toolkit(), byName("edit1")), second.get());
    EXPECT_EQ(childAt(root, 1), second.get());
    EXPECT_EQ(childAt(root, 2), nullptr);
    EXPECT_EQ(find(root, byCaption("none")), nullptr);
    EXPECT_EQ(toolkit().fromHandle(second->handle()), second.get());
    second.reset();
    EXPECT_EQ(childAt(root, 1), nullptr);
}

TEST_F(HeadlessToolkitTest, ChildrenTakeTheParentFontAndOutliveTheirParentSafely) {
    window->setFont(Font{"Arial", 10});
    auto label = make(ControlKind::Label);
    EXPECT_EQ(label->font().name, "Arial");
    window.reset();
    EXPECT_EQ(asHeadless(*label).parent(), nullptr);
    EXPECT_FALSE(click(*label));  // no window, nothing on screen
}

TEST_F(HeadlessToolkitTest, UserActionsReportEvents) {
    struct Case {
        const char* name;
        ControlKind kind;
        std::function<bool(Control&)> act;
        std::vector<std::string> events;
    };
    const std::vector<Case> cases = {
        {"left click", ControlKind::Panel, [](Control& c) { return click(c); }, {"down 0", "up 0", "click"}},
        {"right click",
         ControlKind::Panel,
         [](Control& c) { return click(c, MouseButton::Right); },
         {"down 1", "up 1", "click"}},
        {"right click on a button",
         ControlKind::BitmapButton,
         [](Control& c) { return click(c, MouseButton::Right); },
         {"down 1", "up 1"}},
        {"check",
         ControlKind::CheckBox,
         [](Control& c) { return check(c, true); },
         {"down 0", "up 0", "changed", "click"}},
        {"type", ControlKind::Edit, [](Control& c) { return type(c, "abc"); }, {"changed"}},
        {"wheel", ControlKind::Panel, [](Control& c) { return wheel(c, -120); }, {"wheel -120"}},
        {"key", ControlKind::Edit, [](Control& c) { return pressKey(c, 13); }, {"key 13"}},
        {"drag",
         ControlKind::TrackBar,
         [](Control& c) {
             return drag(c, {3, 7});
         },
         {"scroll5 3", "scroll5 7", "scroll4 7", "scroll8 7"}},
        {"page down",
         ControlKind::ScrollBar,
         [](Control& c) { return scroll(c, ScrollCode::PageDown); },
         {"scroll3 10", "scroll8 10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.events.clear();
        auto control = make(c.kind);
        EXPECT_TRUE(c.act(*control));
        EXPECT_EQ(log.events, c.events);
    }
}

TEST_F(HeadlessToolkitTest, UnreachableControlsIgnoreTheUser) {
    auto hidden = make(ControlKind::CheckBox);
    hidden->setVisible(false);
    auto disabled = make(ControlKind::CheckBox);
    disabled->setEnabled(false);
    auto inHiddenWindow = make(ControlKind::CheckBox);
    EXPECT_FALSE(check(*hidden, true));
    EXPECT_FALSE(check(*disabled, true));
    EXPECT_FALSE(hidden->checked());
    window->minimise();
    EXPECT_FALSE(click(*inHiddenWindow));
    EXPECT_TRUE(log.events.empty());
}

TEST_F(HeadlessToolkitTest, ValuesStayInTheirRange) {
    auto slider = make(ControlKind::TrackBar);
    slider->setRange(2, 8);
    slider->setPosition(20);
    EXPECT_EQ(slider->position(), 8);
    slider->setSteps(1, 4, 1);
    scroll(*slider, ScrollCode::PageUp);
    EXPECT_EQ(slider->position(), 4);
    scroll(*slider, ScrollCode::Top);
    EXPECT_EQ(slider->position(), 2);
    slider->setRange(5, 9);
    EXPECT_EQ(slider->position(), 5);

    auto combo = make(ControlKind::ComboBox);
    combo->setItems({"a", "b"});
    combo->setSelected(5);
    EXPECT_EQ(combo->selected(), -1);
    EXPECT_TRUE(pick(*combo, "b"));
    EXPECT_EQ(combo->selected(), 1);
    EXPECT_EQ(combo->text(), "b");
    EXPECT_FALSE(pick(*combo, "c"));
    combo->setItems({"x"});
    EXPECT_EQ(combo->selected(), -1);
}

TEST_F(HeadlessToolkitTest, WindowMovesOnlyWhenThePressStartsASystemMove) {
    window->setListener(&log);
    window->setVisible(true);
    EXPECT_TRUE(dragWindow(*window, 30, 0));
    EXPECT_EQ(window->bounds().left, 0);
    window->setDragAnywhere(true);
    dragWindow(*window, 30, 5);
    EXPECT_EQ(window->bounds(), (Rect{30, 5, 200, 100}));
    EXPECT_NE(std::find(log.events.begin(), log.events.end(), "moved 30"), log.events.end());
}

TEST_F(HeadlessToolkitTest, CloseRequestMayBeRefused) {
    window->setListener(&log);
    window->setVisible(true);
    log.allowClose = false;
    window->requestClose();
    EXPECT_TRUE(window->visible());
    log.allowClose = true;
    window->requestClose();
    EXPECT_FALSE(window->visible());
    EXPECT_TRUE(asHeadless(*window).closed());
}

TEST_F(HeadlessToolkitTest, MinimiseRestoreAndActivation) {
    window->setListener(&log);
    auto other = toolkit().createWindow({"Other", {}});
    window->minimise();
    window->minimise();
    window->restore();
    window->bringToFront();
    other->bringToFront();
    EXPECT_EQ(log.events, (std::vector<std::string>{"minimised", "restored", "active 1", "active 0"}));
    EXPECT_EQ(toolkit().activeWindow(), other.get());
}

TEST_F(HeadlessToolkitTest, MenuChoiceReachesTheOwnerAndClosesTheMenu) {
    auto menu = toolkit().createPopupMenu();
    std::vector<int> chosen;
    menu->onChoose = [&](int id) { chosen.push_back(id); };
    MenuItem sub{.id = 1, .text = "Sub"};
    sub.children = {{.id = 2, .text = "Inner"}, {.id = 3, .text = "-", .separator = true}};
    menu->setItems({{.id = 0, .text = "First"}, sub});
    EXPECT_FALSE(chooseMenuItem(toolkit(), "First"));  // not open yet
    menu->popup({5, 6});
    menu->setChecked(2, true);
    EXPECT_TRUE(static_cast<HeadlessMenu&>(*menu).find("Inner")->checked);
    EXPECT_FALSE(chooseMenuItem(toolkit(), "-"));
    EXPECT_TRUE(chooseMenuItem(toolkit(), "Inner"));
    EXPECT_EQ(toolkit().openMenu(), nullptr);
    EXPECT_EQ(chosen, std::vector<int>{2});
}

TEST_F(HeadlessToolkitTest, TrayReportsOnlyWhileShownAndCutsItsTip) {
    auto tray = toolkit().createTrayIcon(*window);
    std::vector<int> buttons;
    tray->onEvent = [&](TrayEvent e, MouseButton b) {
        if (e == TrayEvent::Click) buttons.push_back(static_cast<int>(b));
    };
    auto& headlessTray = *toolkit().trayIcons().at(0);
    headlessTray.send(TrayEvent::Click, MouseButton::Left);
    tray->show();
    headlessTray.send(TrayEvent::Click, MouseButton::Right);
    EXPECT_EQ(buttons, std::vector<int>{1});
    tray->setTip(std::string(80, 'x'));
    EXPECT_EQ(headlessTray.tip().size(), 63u);
    tray.reset();
    EXPECT_TRUE(toolkit().trayIcons().empty());
}

TEST_F(HeadlessToolkitTest, HotKeysAreExclusiveAndReleasedWithTheirOwner) {
    int presses = 0;
    auto f5 = toolkit().registerHotKey(116, hotkeymod::Ctrl | hotkeymod::Shift);
    ASSERT_EQ(f5.error, 0);
    f5.key->onPressed = [&] { ++presses; };
    EXPECT_EQ(toolkit().registerHotKey(116, 6).error, 3);
    toolkit().takeHotKeyElsewhere(117, 6);
    EXPECT_EQ(toolkit().registerHotKey(117, 6).error, 3);
    EXPECT_TRUE(toolkit().pressHotKey(116, 6));
    EXPECT_FALSE(toolkit().pressHotKey(116, 2));
    EXPECT_EQ(presses, 1);
    f5.key.reset();
    EXPECT_FALSE(toolkit().pressHotKey(116, 6));
    EXPECT_EQ(toolkit().registerHotKey(116, 6).error, 0);
}

TEST_F(HeadlessToolkitTest, DialogsAnswerFromTheQueueThenCancel) {
    auto& dialogs = platform.scriptedDialogs();
    dialogs.answerColor(rgb(1, 2, 3));
    dialogs.answerFile("C:\\a.lsc");
    EXPECT_EQ(platform.dialogs().chooseColor(window.get(), 5), rgb(1, 2, 3));
    EXPECT_EQ(platform.dialogs().chooseColor(window.get(), 5), std::nullopt);
    EXPECT_EQ(platform.dialogs().openFile(nullptr, {.title = "Open", .filter = "*.lsc"}), "C:\\a.lsc");
    EXPECT_EQ(platform.dialogs().saveFile(nullptr, {}), std::nullopt);
    ASSERT_EQ(dialogs.shown().size(), 4u);
    EXPECT_EQ(dialogs.shown()[2].params.title, "Open");
}

TEST_F(HeadlessToolkitTest, RenderComposesChildrenAndTheirTexts) {
    window->setColor(rgb(0, 0, 255));
    auto painted = make(ControlKind::PaintBox);
    struct Painter : ControlListener {
        void paint(ui::Painter& p) override {
            p.fillRect({0, 0, 50, 20}, rgb(255, 0, 0));
            p.text({0, 0, 50, 20}, "hi", {}, TextAlign::Left);
        }
    } paint;
    painted->setListener(&paint);
    auto hidden = make(ControlKind::Label, "hidden");
    hidden->setVisible(false);
    const Image shot = asHeadless(*window).render();
    EXPECT_EQ(shot.pixel(0, 0), rgb(0, 0, 255));
    EXPECT_EQ(shot.pixel(10, 10), rgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(59, 29), rgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(60, 30), rgb(0, 0, 255));
    const auto& texts = asHeadless(*window).lastTexts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "hi");
    EXPECT_EQ(texts[0].box.left, 10);
}

TEST_F(HeadlessToolkitTest, SystemColoursResolveOnTheScreen) {
    EXPECT_EQ(resolveColor(platform.screen(), systemColor(syscolor::Window)), rgb(255, 255, 255));
    EXPECT_EQ(resolveColor(platform.screen(), 0x00123456), 0x00123456u);
}

}  // namespace
