#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/elements/visual_layouts.h"
#include "runtime/elements/visual_main_form.h"
#include "runtime/elements/visual_managers.h"
#include "runtime/elements/visual_menu.h"
#include "ui/headless/user.h"
#include "ui/png.h"

using namespace lr;
using namespace ui::headless;

namespace {

class FormsTest : public HeadlessTest {
  protected:
    FormsTest() { window->setVisible(true); }
    std::unique_ptr<ui::Window> window = toolkit().createWindow({"Test", {0, 0, 300, 200}});
    Recorder rec;
};

// A list of integers as a multi-data list.
TData intList(std::initializer_list<int> values) {
    TData list;
    for (int v : values) {
        TData item = makeInteger(v);
        append(list, item);
    }
    return list;
}

// Keeps what the control drew when a pixel check fails.
void keepOnFailure(const ui::Image& shot, const char* name) {
    if (testing::Test::HasFailure()) ui::savePng(shot, testing::TempDir() + name + ".png");
}

TEST_F(FormsTest, ButtonRushColoursComeFromTheListInStateOrder) {
    ThiButtonRush button(window.get());
    button.init();
    // Five colours per state, numbered 1..20; the border of the hot state is kept.
    TData list = intList({0x0000FF, 1, 2, 3, 4, 5, 6, 7, -1, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    const ui::Color keptBorder = button.States[1].border;
    button.doColors(list);
    EXPECT_EQ(button.Color_, 0x0000FFu);
    for (const RushColors& s : button.States)
        EXPECT_EQ(s.base, 0x0000FFu);
    EXPECT_EQ(button.States[0].gradientTop, 1u);
    EXPECT_EQ(button.States[0].text, 5u);
    EXPECT_EQ(button.States[1].gradientTop, 6u);
    EXPECT_EQ(button.States[1].border, keptBorder);  // -1
    EXPECT_EQ(button.States[3].text, 20u);
}

TEST_F(FormsTest, ButtonRushShortListKeepsTheRest) {
    ThiButtonRush button(window.get());
    button.init();
    const auto before = button.States;
    TData list = intList({-1, 7});
    button.doColors(list);
    EXPECT_EQ(button.States[0].gradientTop, 7u);
    EXPECT_EQ(button.States[0].base, before[0].base);
    EXPECT_EQ(button.States[2].text, before[2].text);
}

TEST_F(FormsTest, ButtonRushPaintsTheGradientOfItsState) {
    ThiButtonRush button(window.get());
    button.Width_ = 40;
    button.Height_ = 12;
    button.Caption = "Go";
    button.States[0].gradientTop = ui::rgb(200, 0, 0);
    button.States[0].gradientBottom = ui::rgb(100, 0, 0);
    button.States[1].gradientTop = ui::rgb(0, 200, 0);
    button.States[1].gradientBottom = ui::rgb(0, 200, 0);
    button.States[3].gradientTop = ui::rgb(1, 2, 3);
    button.States[3].gradientBottom = ui::rgb(1, 2, 3);
    button.init();
    auto& control = asHeadless(button.control());
    ui::Image shot = control.render();
    EXPECT_EQ(shot.pixel(5, 2), ui::rgb(189, 0, 0));  // second of ten gradient rows: 200 - 100/9
    EXPECT_EQ(shot.pixel(5, 10), ui::rgb(100, 0, 0));
    ASSERT_EQ(control.lastTexts().size(), 1u);
    EXPECT_EQ(control.lastTexts()[0].text, "Go");
    keepOnFailure(shot, "rush_normal");
    hover(control);
    shot = control.render();
    EXPECT_EQ(shot.pixel(5, 5), ui::rgb(0, 200, 0));
    keepOnFailure(shot, "rush_hot");
    TData off = makeInteger(0);
    button.doEnabled(off);
    EXPECT_EQ(control.render().pixel(5, 5), ui::rgb(1, 2, 3));
}

TEST_F(FormsTest, ButtonRushClickCarriesItsData) {
    ThiButtonRush button(window.get());
    button.Data = makeString("mode 3");
    button.onClick = rec.point();
    button.init();
    TData anything = makeInteger(9);
    button.doClick(anything);
    click(button.control());
    click(button.control(), ui::MouseButton::Right);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"mode 3", "mode 3"}));
}

TEST_F(FormsTest, ImageAndBitmapButtonsShowTheirImages) {
    THIImgBtn img(window.get());
    img.Images.normal = ui::Image(4, 4, ui::rgb(9, 9, 9));
    img.Transparent = true;
    img.onClick = rec.point();
    img.init();
    EXPECT_EQ(asHeadless(img.control()).render().pixel(1, 1), ui::rgb(9, 9, 9));
    click(img.control());
    EXPECT_EQ(rec.texts(), std::vector<std::string>{"0"});

    THIBitBtn bit(window.get());
    bit.Caption = "Connect";
    bit.Bitmap = ui::Image(2, 2, ui::rgb(1, 1, 1));
    bit.init();
    EXPECT_EQ(asHeadless(bit.control()).images().normal.width(), 2);
    EXPECT_EQ(findAnywhere(toolkit(), byCaption("Connect")), &bit.control());
}

TEST_F(FormsTest, LayoutsPlaceItemsInOrderWithSpacing) {
    std::vector<std::unique_ptr<THIPanel>> panels;
    std::vector<std::unique_ptr<TWinLayout>> items;
    for (int i = 0; i < 3; ++i) {
        panels.push_back(std::make_unique<THIPanel>(window.get()));
        panels.back()->Width_ = 70;
        panels.back()->Height_ = 30;
        items.push_back(std::make_unique<TWinLayout>(*panels.back()));
    }
    THIHBoxLayout row;
    row.Spacing = 2;
    row.add(*items[0]);
    THILayoutSpacer gap;
    gap.Width_ = 10;
    row.add(gap);
    row.add(*items[1]);
    THIVBoxLayout column;
    column.Left_ = 5;
    column.Top_ = 25;
    column.add(row);
    column.add(*items[2]);
    column.layout();
    EXPECT_EQ(panels[0]->control().bounds(), (ui::Rect{5, 25, 70, 30}));
    EXPECT_EQ(panels[1]->control().bounds(), (ui::Rect{89, 25, 70, 30}));
    EXPECT_EQ(panels[2]->control().bounds(), (ui::Rect{5, 55, 70, 30}));
    EXPECT_EQ(column.layoutSize(), (ui::Size{154, 60}));
}

TEST(ParseMenu, NumbersEveryLineButTheBrackets) {
    const std::string ladder =
        "Level=\r\n(\r\nOff\r\n-\r\nA\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\nI\r\nJ\r\nK\r\nL\r\n)"
        "\r\nTransparent\r\n("
        "\r\n0%\r\n30%\r\n80%\r\n)\r\nLock "
        "Shape\r\n(\r\nOn\r\nOff\r\n)\r\nTop\r\n(\r\nOn\r\nOff\r\n)\r\nDelete "
        "Shape\r\nExit";
    const auto menu = parseMenu(ladder, {});
    ASSERT_EQ(menu.size(), 6u);
    EXPECT_EQ(menu[0].text, "Level=");
    ASSERT_EQ(menu[0].children.size(), 14u);
    EXPECT_TRUE(menu[0].children[1].separator);
    EXPECT_EQ(menu[0].children[13].id, 14);  // "L"
    EXPECT_EQ(menu[1].id, 15);
    EXPECT_EQ(menu[1].children[2].text, "80%");
    EXPECT_EQ(menu[1].children[2].id, 18);
    EXPECT_EQ(menu[4].id, 25);
    EXPECT_EQ(menu[5].text, "Exit");
    EXPECT_EQ(menu[5].id, 26);
}

TEST(ParseMenu, IconIndexesChooseBitmapsAndAreCutOff) {
    const std::vector<ui::Image> bitmaps{ui::Image(1, 1, 1), ui::Image(2, 2, 2)};
    const auto menu = parseMenu("<1>Visualization\n<9>Far\n< >Blank\nPlain", bitmaps);
    ASSERT_EQ(menu.size(), 4u);
    EXPECT_EQ(menu[0].text, "Visualization");
    EXPECT_EQ(menu[0].bitmap.width(), 2);
    EXPECT_EQ(menu[1].text, "Far");
    EXPECT_TRUE(menu[1].bitmap.empty());
    EXPECT_EQ(menu[2].text, "Blank");
    EXPECT_TRUE(menu[3].bitmap.empty());
}

TEST(ParseMenu, UnbalancedBracketsDoNotLoseItems) {
    const auto menu = parseMenu("(\nA\n)\n)\nB\n(\nC", {});
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[0].text, "A");
    EXPECT_EQ(menu[1].text, "B");
    ASSERT_EQ(menu[1].children.size(), 1u);
    EXPECT_EQ(menu[1].children[0].id, 2);
}

TEST_F(FormsTest, PopupMenuReportsTheItemNumberAndMovesCheckMarks) {
    ThiPopupMenuEx menu;
    menu.Menu = "R=\r\n(\r\nOff\r\nA\r\n)\r\nExit";
    menu.onClick = rec.point();
    platform.headlessScreen().setCursor({300, 400});
    TData state = intList({1, 2});
    menu.doCheck(state);
    TData none;
    menu.doPopup(none);
    HeadlessMenu* open = toolkit().openMenu();
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->openedAt(), (ui::Point{300, 400}));
    EXPECT_TRUE(open->find("A")->checked);
    state = intList({0, 2});
    menu.doCheck(state);
    EXPECT_FALSE(open->find("A")->checked);
    EXPECT_TRUE(chooseMenuItem(toolkit(), "A"));
    menu.doPopup(none);
    EXPECT_TRUE(chooseMenuItem(toolkit(), "Exit"));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"2", "3"}));
}

TEST_F(FormsTest, TransparentManagerModes) {
    struct Case {
        TransparentMode mode;
        std::optional<ui::Color> key;
        int alpha;
    };
    for (const Case& c :
         {Case{TransparentMode::Alpha, std::nullopt, 170}, Case{TransparentMode::ColorKey, 0xFFFFFF, 255},
          Case{TransparentMode::AlphaAndColorKey, 0xFFFFFF, 170}}) {
        THITransparentManager trans(window.get());
        trans.Mode = c.mode;
        trans.Level = 170;
        trans.TransparentColor = 0xFFFFFF;
        trans.init();
        EXPECT_EQ(asHeadless(*window).layeredKey(), c.key);
        EXPECT_EQ(asHeadless(*window).alpha(), c.alpha);
    }
    THITransparentManager trans(window.get());
    TData level = makeInteger(400);
    trans.doTransparent(level);
    EXPECT_EQ(asHeadless(*window).alpha(), 255);
    level = makeInteger(50);
    trans.doTransparent(level);
    EXPECT_EQ(asHeadless(*window).alpha(), 50);
}

TEST_F(FormsTest, HintManagerSetsTheHintStyle) {
    THIHintManager hints;
    hints.Color = 0x00FFFF;
    hints.Delay = 1200;
    hints.init();
    EXPECT_EQ(toolkit().hintStyle().background, 0x00FFFFu);
    EXPECT_EQ(toolkit().hintStyle().delayMs, 1200);
}

TEST_F(FormsTest, MainFormFiresOnCreateBeforeItIsShown) {
    THIMainForm form;
    form.Caption = "Vxt Lumenrig 12";
    form.Width_ = 541;
    form.Height_ = 599;
    form.Centered = true;
    form.BorderStyle = ui::WindowBorder::None;
    bool shownAtCreate = true;
    struct Probe : Element {
        THIMainForm* form;
        bool* shown;
        void take(TData&) { *shown = form->window().visible(); }
    } probe;
    probe.form = &form;
    probe.shown = &shownAtCreate;
    form.onCreate = bind<&Probe::take>(probe);
    THIMainForm hidden;
    hidden.Visible = false;
    EXPECT_TRUE(toolkit().windows().size() == 1u);  // nothing is made before the start
    start();
    EXPECT_FALSE(shownAtCreate);
    EXPECT_TRUE(form.window().visible());
    EXPECT_FALSE(hidden.window().visible());
    EXPECT_EQ(form.window().bounds(), (ui::Rect{689, 240, 541, 599}));
    EXPECT_EQ(asHeadless(form.window()).border(), ui::WindowBorder::None);
    EXPECT_EQ(form.window().text(), "Vxt Lumenrig 12");
}

TEST_F(FormsTest, MainFormDragsAnywhereAndReportsMoves) {
    THIMainForm form;
    form.DragAnywhere = true;
    form.onMove = rec.point();
    start();
    dragWindow(form.window(), 20, 10);
    EXPECT_EQ(form.window().bounds().left, 20);
    EXPECT_EQ(rec.values.size(), 1u);
}

TEST_F(FormsTest, ClosingTheMainWindowClosesOwnedWindowsAndEndsTheLoop) {
    THIMainForm main;
    main.Main = true;
    main.onClose = rec.point(0);
    THIMainForm secondary;
    secondary.Owner = &main;
    secondary.onClose = rec.point(1);
    start();
    secondary.window().requestClose();
    EXPECT_FALSE(secondary.window().visible());
    EXPECT_FALSE(asHeadless(secondary.window()).closed());  // a secondary window only hides
    TData show = makeInteger(1);
    secondary.doVisible(show);
    EXPECT_TRUE(secondary.window().visible());
    loop.startTimer(100, [&] {
        TData none;
        main.doClose(none);
    });
    EXPECT_EQ(loop.run(), 0);
    EXPECT_EQ(loop.nowMs(), 100u);
    EXPECT_FALSE(secondary.window().visible());
    EXPECT_TRUE(asHeadless(main.window()).closed());
    EXPECT_EQ(rec.indexes, std::vector<std::uint16_t>{0});
}

}  // namespace
