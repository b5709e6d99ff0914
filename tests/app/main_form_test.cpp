// The main container on the headless backend: what start shows, dragging, the tray icon's life, the
// closing path, and the smoke run that lumenrig.exe makes under Wine.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <sstream>

#include "app/lumenrig_main.h"
#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "ui/headless/user.h"

using namespace lr;
using namespace ui::headless;

namespace {

// One tick, so that nothing fires into the next case's program.
void once(ui::Loop& loop, std::uint32_t ms, std::function<void()> f) {
    auto id = std::make_shared<ui::TimerId>();
    *id = loop.startTimer(ms, [&loop, id, f = std::move(f)] {
        loop.stopTimer(*id);
        f();
    });
}

class MainFormTest : public HeadlessTest {
  protected:
    MainFormTest() {
        resetLifecycle();  // the tree is built while points still carry nothing
        platform.headlessResources().addBitmap("ICON0", icon);
        sys.addFolder("C:\\Prog");
    }
    HeadlessControl& window(app::LumenrigProgram& p) { return asHeadless(p.root().mainForm().window()); }
    HeadlessTray& tray() { return *toolkit().trayIcons().at(0); }

    const ui::Image icon = ui::Image(16, 16, ui::rgb(1, 2, 3));
    settings::MemorySystem sys;  // the program's folder, its settings and the registry
    settings::ScopedSystem sysScope{sys};
};

TEST_F(MainFormTest, StartShowsTheCentredBorderlessWindowAndItsTrayIcon) {
    app::LumenrigProgram program(platform);
    for (const HeadlessControl* w : toolkit().windows())
        EXPECT_FALSE(w->visible());
    EXPECT_TRUE(toolkit().trayIcons().empty());
    start();
    HeadlessControl& w = window(program);
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.bounds(), (ui::Rect{689, 240, 541, 599}));  // centred on 1920 x 1080
    EXPECT_EQ(w.border(), ui::WindowBorder::None);
    EXPECT_EQ(w.color(), 0xC0C0C0u);
    EXPECT_EQ(w.font(), (ui::Font{"Arial", 8}));
    EXPECT_EQ(w.text(), "Vxt Lumenrig 12");
    EXPECT_EQ(w.icon(), icon);
    ASSERT_EQ(toolkit().trayIcons().size(), 1u);
    EXPECT_TRUE(tray().shown());
    EXPECT_EQ(tray().tip(), "");
    EXPECT_EQ(tray().icon(), icon);
}

TEST_F(MainFormTest, APressAnywhereDragsTheWindow) {
    app::LumenrigProgram program(platform);
    start();
    dragWindow(program.root().mainForm().window(), 30, -20);
    EXPECT_EQ(window(program).bounds(), (ui::Rect{719, 220, 541, 599}));
}

TEST_F(MainFormTest, ClosingRemovesTheTrayIconEndsTheLoopAndDestroysTheTree) {
    struct Case {
        const char* how;
        void (*close)(app::LumenrigProgram&, ui::Loop&);
        std::uint64_t closedAtMs;
    };
    const Case cases[] = {
        {"doClose from a timer",
         [](app::LumenrigProgram& p, ui::Loop& l) {
             once(l, 100, [&p] {
                 TData none;
                 p.root().mainForm().doClose(none);
             });
         },
         100},
        {"close request from another thread's post",
         [](app::LumenrigProgram& p, ui::Loop&) { p.requestClose(); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        const std::uint64_t begin = loop.nowMs();
        std::optional<app::LumenrigProgram> program(std::in_place, platform);
        c.close(*program, loop);
        EXPECT_EQ(program->run(), 0);
        EXPECT_EQ(loop.nowMs() - begin, c.closedAtMs);
        EXPECT_FALSE(tray().shown());
        EXPECT_TRUE(window(*program).closed());
        program.reset();
        EXPECT_TRUE(toolkit().windows().empty());
        EXPECT_TRUE(toolkit().trayIcons().empty());
    }
}

TEST_F(MainFormTest, MinimisingGoesToTheTrayAndRestoringComesBack) {
    struct Case {
        const char* what;
        bool iconBefore;        // the icon is in the tray before the minimise
        bool restoreAtOnce;     // restored before the loop comes round
        bool shownInTray;       // after the minimise: window hidden, icon shown
        bool iconAfterRestore;  //
    };
    const Case cases[] = {
        {"icon from start", true, false, true, true},  // the program's own icon stays after restoring
        {"icon added by the minimise", false, false, true, false},
        {"restored at once", true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app::LumenrigProgram program(platform);
        Recorder hides;
        program.root().trayIcon().onHide = hides.point();
        start();
        TData none;
        if (!c.iconBefore) program.root().trayIcon().doHide(none);
        ui::Window& w = program.root().mainForm().window();
        w.minimise();
        if (c.restoreAtOnce) w.restore();
        loop.advance(0);
        EXPECT_EQ(w.visible(), !c.shownInTray);
        EXPECT_EQ(hides.values.size(), c.shownInTray ? 1u : 0u);
        EXPECT_EQ(tray().shown(), c.shownInTray || c.iconBefore);
        w.restore();
        EXPECT_TRUE(w.visible());
        EXPECT_FALSE(w.minimised());
        EXPECT_EQ(tray().shown(), c.iconAfterRestore);
    }
}

TEST_F(MainFormTest, TrayMouseEventsCarryTheButtonNumber) {
    app::LumenrigProgram program(platform);
    THITrayIcon& icon = program.root().trayIcon();
    Recorder rec;
    icon.onMouseDown = rec.point(0);
    icon.onMouseUp = rec.point(1);
    icon.onClick = rec.point(2);
    icon.onDblClick = rec.point(3);
    icon.onMouseMove = rec.point(4);
    start();
    tray().send(ui::TrayEvent::Down, ui::MouseButton::Right);
    tray().send(ui::TrayEvent::Up, ui::MouseButton::Right);
    tray().send(ui::TrayEvent::Click, ui::MouseButton::Right);
    tray().send(ui::TrayEvent::DoubleClick, ui::MouseButton::Left);
    tray().send(ui::TrayEvent::Click, ui::MouseButton::Middle);
    tray().send(ui::TrayEvent::Move, ui::MouseButton::Other);
    EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{0, 1, 2, 3, 2, 4}));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"1", "1", "1", "0", "2", ""}));
}

TEST_F(MainFormTest, TheTipFollowsTheHintBeforeAndAfterTheIconExists) {
    app::LumenrigProgram program(platform);
    THITrayIcon& icon = program.root().trayIcon();
    TData early = makeString("Lumenrig");
    icon.doHint(early);
    start();
    EXPECT_EQ(tray().tip(), "Lumenrig");
    TData late = makeString(std::string(70, 'x'));
    icon.doHint(late);
    EXPECT_EQ(tray().tip(), std::string(63, 'x'));
}

TEST_F(MainFormTest, SmokeRunPassesOnAHealthyProgram) {
    app::LumenrigProgram program(platform);
    std::ostringstream err;
    EXPECT_EQ(app::runSmoke(program, {}, err), 0);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(loop.nowMs(), 500u);
    EXPECT_FALSE(tray().shown());
}

TEST_F(MainFormTest, SmokeRunReportsWhatIsWrong) {
    struct Case {
        const char* what;
        void (*spoil)(app::LumenrigProgram&, ui::Loop&);
        const char* report;
    };
    const Case cases[] = {
        {"icon gone before the check",
         [](app::LumenrigProgram& p, ui::Loop& l) {
             once(l, 100, [&p] {
                 TData none;
                 p.root().trayIcon().doHide(none);
             });
         },
         "lumenrig --smoke: the tray icon is not shown\n"},
        {"window that only hides on close",
         [](app::LumenrigProgram& p, ui::Loop&) { p.root().mainForm().Main = false; },
         "lumenrig --smoke: the main window did not close\n"
         "lumenrig --smoke: the tray icon is still shown after closing\n"},
        {"moved off the screen",
         [](app::LumenrigProgram& p, ui::Loop& l) {
             once(l, 100, [&p] { p.root().mainForm().window().setBounds({-300, 0, 541, 259}); });
         },
         "lumenrig --smoke: the main window is off the screen: -300, 0\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app::LumenrigProgram program(platform);
        c.spoil(program, loop);
        std::ostringstream err;
        EXPECT_EQ(app::runSmoke(program, {}, err), 1);
        EXPECT_EQ(err.str(), c.report);
    }
}

TEST(LumenrigArgs, OnlySmokeIsKnown) {
    char smoke[] = "--smoke", other[] = "--fast";
    std::ostringstream err;
    char* none[] = {nullptr};
    EXPECT_FALSE(app::parseLumenrigArgs(std::span<char* const>(none, 0), err)->smoke);
    char* one[] = {smoke};
    EXPECT_TRUE(app::parseLumenrigArgs(one, err)->smoke);
    EXPECT_EQ(err.str(), "");
    char* bad[] = {smoke, other};
    EXPECT_FALSE(app::parseLumenrigArgs(bad, err).has_value());
    EXPECT_NE(err.str().find("unknown argument \"--fast\""), std::string::npos);
}

}  // namespace
