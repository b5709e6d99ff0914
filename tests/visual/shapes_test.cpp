// The shapes as a user meets them: added with the page's buttons, assigned channels from their menus,
// fed with the command stream, dragged, resized, locked, and their settings strings.
#include <gtest/gtest.h>

#include <thread>

#include "screenshot.h"
#include "visual/lamps.h"
#include "visual/shapes.h"
#include "visual_fixture.h"

using namespace lr;
using namespace visual_page;
using ui::headless::HeadlessControl;

namespace {

class Shapes : public VisualPageTest {
  protected:
    Shapes() {
        build();
        run();
    }
    // The settings string each shape of the kinds writes, in save order.
    std::string saved(const std::string& name = "") {
        save();
        return schemeFile(name);
    }
    ui::Color lampColor(HeadlessControl& s) {
        HeadlessControl& l = lamp(s);
        return l.render().pixel(l.bounds().width / 2, l.bounds().height / 2);
    }
};

TEST_F(Shapes, ACircleMixesItsThreeChannelsTimes31) {
    ASSERT_TRUE(press("Add Circle Color"));
    HeadlessControl& circle = shape(kCircle);
    choose(circle, "R=", "A");
    choose(circle, "G=", "B");
    choose(circle, "B=", "C");
    EXPECT_EQ(letters(circle), "ABC~");
    commands({"A8", "B0", "C4"});
    EXPECT_EQ(lampColor(circle), static_cast<ui::Color>(248 + 0 * 256 + 124 * 65536));
    const int before = lamp(circle).invalidations();
    commands({"A12", "P1", "A", "", "~1", "C4"});
    EXPECT_EQ(lampColor(circle), static_cast<ui::Color>(248 + 124 * 65536)) << "A12 and P1 change nothing";
    EXPECT_EQ(lamp(circle).invalidations(), before) << "an unchanged colour is not repainted";
    command("AU");
    EXPECT_EQ(lampColor(circle), static_cast<ui::Color>(124 * 65536)) << "a non-numeric level is 0";
    command("C9");
    EXPECT_EQ(lampColor(circle), ui::rgb(0, 0, 255)) << "a level beyond 8 does not carry into the next byte";
}

TEST_F(Shapes, OneCommandDrivesEveryInputOfItsLetter) {
    ASSERT_TRUE(press("Add Circle Color"));
    ASSERT_TRUE(press("Add Rectangle Resizable"));
    for (HeadlessControl* s : {&shape(kCircle), &shape(kRectangle)}) {
        choose(*s, "R=", "D");
        choose(*s, "B=", "D");
    }
    command("D8");
    EXPECT_EQ(lampColor(shape(kCircle)), ui::rgb(248, 0, 248));
    HeadlessControl& rect = lamp(shape(kRectangle));
    const ui::Image drawn = rect.render();
    EXPECT_EQ(drawn.pixel(5, 0), ui::rgb(248, 0, 248)) << "the gradient starts at the colour";
    EXPECT_EQ(drawn.pixel(5, drawn.height() - 1), ui::rgb(148, 0, 148)) << "and ends 100 darker";
}

TEST_F(Shapes, TheCircleSizeFollowsItsChannelCentred) {
    ASSERT_TRUE(press("Add Circle Color"));
    HeadlessControl& circle = shape(kCircle);
    choose(circle, "Size=", "D");
    command("D0");
    EXPECT_EQ(lamp(circle).bounds(), (ui::Rect{32, 32, 16, 16}));
    command("D8");
    EXPECT_EQ(lamp(circle).bounds(), (ui::Rect{0, 0, 80, 80}));
    command("D3");
    choose(circle, "Size=", "Off");
    EXPECT_EQ(lamp(circle).bounds(), (ui::Rect{0, 0, 80, 80})) << "Off returns to the full lamp";
    EXPECT_EQ(letters(circle), "~~~~");
}

TEST_F(Shapes, OffResetsTheInputAtOnce) {
    ASSERT_TRUE(press("Add Circle Color"));
    HeadlessControl& circle = shape(kCircle);
    choose(circle, "R=", "A");
    choose(circle, "G=", "A");
    command("A8");
    ASSERT_EQ(lampColor(circle), ui::rgb(248, 248, 0));
    choose(circle, "R=", "Off");
    EXPECT_EQ(lampColor(circle), ui::rgb(0, 248, 0));
    EXPECT_EQ(letters(circle), "~A~~");
    command("A8");
    EXPECT_EQ(lampColor(circle), ui::rgb(0, 248, 0)) << "red follows nothing any more";
}

TEST_F(Shapes, TheLadderLightsValuePlusOneSegments) {
    ASSERT_TRUE(press("Add Led Ladder"));
    HeadlessControl& ladder = shape(kLadder);
    auto& bar = lamp(ladder);
    auto segment = [&](int k) { return bar.render().pixel(27, 145 - k * 16 - 8); };
    EXPECT_EQ(segment(0), ui::rgb(0, 255, 0)) << "a new ladder shows one lit segment";
    EXPECT_EQ(segment(1), ui::rgb(255, 255, 255));
    choose(ladder, "Level=", "E");
    command("E0");
    EXPECT_EQ(segment(0), ui::rgb(0, 255, 0));
    EXPECT_EQ(segment(1), ui::rgb(255, 255, 255)) << "unlit is white, which the window sees through";
    command("E8");
    const ui::Color expected[] = {0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00,
                                  0x00FFFF, 0x00FFFF, 0x00FFFF, 0x0000FF};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(segment(k), expected[k]) << "segment " << k;
    choose(ladder, "Level=", "Off");
    EXPECT_EQ(segment(1), ui::rgb(255, 255, 255)) << "Off leaves one segment lit";
    EXPECT_EQ(segment(0), ui::rgb(0, 255, 0));
}

TEST_F(Shapes, TheLitCountFormula) {
    ThiLedLadder ladder(nullptr);
    const std::pair<double, int> cases[] = {{0, 0},  {1, 1},  {4, 4},   {9, 9},
                                            {12, 9}, {-3, 0}, {0.5, 0}, {0.6, 1}};
    for (const auto& [value, lit] : cases) {
        ladder.Value = value;
        EXPECT_EQ(ladder.litCount(), lit) << value;
    }
}

TEST_F(Shapes, DraggingLandsOnMultiplesOfTenUnlessLocked) {
    ASSERT_TRUE(press("Add Circle Color"));
    HeadlessControl& circle = shape(kCircle);
    EXPECT_EQ(circle.bounds(), (ui::Rect{80, 80, 80, 100}));
    ASSERT_TRUE(ui::headless::dragWindow(circle, 37, -14));
    EXPECT_EQ(circle.bounds(), (ui::Rect{120, 70, 80, 100}));
    ASSERT_TRUE(ui::headless::dragWindow(circle, 5, 15));
    EXPECT_EQ(circle.bounds(), (ui::Rect{120, 80, 80, 100})) << "125 and 85: halves go to even";
    choose(circle, "Lock Shape", "On");
    ASSERT_TRUE(ui::headless::dragWindow(circle, 50, 50));
    EXPECT_EQ(circle.bounds(), (ui::Rect{120, 80, 80, 100})) << "a locked shape stays";
    choose(circle, "Top", "On");
    EXPECT_TRUE(circle.topmost()) << "and its menu still opens";
    choose(circle, "Lock Shape", "Off");
    ASSERT_TRUE(ui::headless::dragWindow(circle, 50, 50));
    EXPECT_EQ(circle.bounds().left, 170);
}

TEST_F(Shapes, ResizingSnapsAndShiftMakesTheRectangleSquare) {
    ASSERT_TRUE(press("Add Rectangle Resizable"));
    HeadlessControl& rect = shape(kRectangle);
    EXPECT_EQ(rect.border(), ui::WindowBorder::SizingFrame);
    EXPECT_TRUE(lamp(rect).handCursor());
    rect.setBounds({80, 80, 143, 66});
    EXPECT_EQ(rect.bounds(), (ui::Rect{80, 80, 140, 70}));
    EXPECT_EQ(lamp(rect).bounds(), (ui::Rect{0, 0, 140, 70})) << "the gradient fills the window";
    platform.headlessKeyboard().press(16);
    rect.setBounds({80, 80, 201, 90});
    platform.headlessKeyboard().release(16);
    EXPECT_EQ(rect.bounds(), (ui::Rect{80, 80, 200, 200}));
}

TEST_F(Shapes, WindowsAreLayeredWithTheirKeyAndOpacity) {
    ASSERT_TRUE(press("Add Circle Color"));
    ASSERT_TRUE(press("Add Rectangle Resizable"));
    ASSERT_TRUE(press("Add Led Ladder"));
    EXPECT_EQ(shape(kCircle).layeredKey(), ui::rgb(255, 255, 255));
    EXPECT_EQ(shape(kLadder).layeredKey(), ui::rgb(255, 255, 255));
    EXPECT_EQ(shape(kRectangle).layeredKey(), 0xC0DCC0u);
    EXPECT_EQ(shape(kLadder).bounds(), (ui::Rect{80, 80, 80, 168}));
    for (const char* kind : {kCircle, kRectangle, kLadder}) {
        HeadlessControl& s = shape(kind);
        EXPECT_EQ(s.alpha(), 255) << kind;
        EXPECT_TRUE(s.visible()) << kind;
        const std::pair<const char*, int> levels[] = {{"30%", 170}, {"80%", 50}, {"0%", 255}};
        for (const auto& [item, alpha] : levels) {
            choose(s, "Transparent", item);
            EXPECT_EQ(s.alpha(), alpha) << kind << " " << item;
        }
    }
}

TEST_F(Shapes, SettingsStringsOfNewAndChangedShapes) {
    ASSERT_TRUE(press("Add Circle Color"));
    EXPECT_EQ(saved(), crlf("[circle_color]\n0=80:80:~:~:~:~:255:0:0\n"));
    HeadlessControl& circle = shape(kCircle);
    ASSERT_TRUE(ui::headless::dragWindow(circle, 40, 260));
    choose(circle, "R=", "A");
    choose(circle, "G=", "B");
    choose(circle, "B=", "C");
    choose(circle, "Transparent", "30%");
    choose(circle, "Top", "On");
    ASSERT_TRUE(press("Add Led Ladder"));
    choose(shape(kLadder), "Level=", "L");
    choose(shape(kLadder), "Lock Shape", "On");
    EXPECT_EQ(saved(), crlf("[circle_color]\n0=120:340:A:B:C:~:170:0:1\n[led_ledder]\n0=80:80:L:255:1:0\n"));
}

TEST_F(Shapes, DeleteShapeGoesTwoMillisecondsLaterAndKeepsTheOthersInOrder) {
    for (int k = 0; k < 3; ++k)
        ASSERT_TRUE(press("Add Circle Color"));
    const char* letters[] = {"A", "B", "C"};
    for (std::size_t k = 0; k < 3; ++k)
        choose(shape(kCircle, k), "R=", letters[k]);
    choose(shape(kCircle, 1), "Delete Shape");
    EXPECT_EQ(shapes(kCircle).size(), 3u) << "the click returns before the window goes";
    EXPECT_TRUE(boxes.shown().empty()) << "no self-destruction refusal";
    loop.advance(2);
    ASSERT_EQ(shapes(kCircle).size(), 2u);
    EXPECT_EQ(saved(), crlf("[circle_color]\n0=80:80:A:~:~:~:255:0:0\n1=80:80:C:~:~:~:255:0:0\n"));
}

TEST_F(Shapes, TwoAddsMakeTwoShapesAtOnePlaceTheSecondOnTop) {
    ASSERT_TRUE(press("Add Circle Color"));
    ASSERT_TRUE(press("Add Circle Color"));
    const auto circles = shapes(kCircle);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0]->bounds(), circles[1]->bounds());
    EXPECT_EQ(toolkit().windows().back(), circles[1]) << "the newer window is the upper one";
}

TEST_F(Shapes, ClearAllDeletesEveryShapeButNotTheFile) {
    scheme("Keep", "[circle_color]\n0=10:10:A:B:C:~:255:0:0\n");
    ASSERT_TRUE(ui::headless::click(byHint("Refresh Schemes List")));
    ASSERT_TRUE(ui::headless::pick(schemeList(), "Keep"));
    ASSERT_EQ(shapes(kCircle).size(), 1u);
    ASSERT_TRUE(press("Add Led Ladder"));
    ASSERT_TRUE(press("Clear all Shapes"));
    EXPECT_TRUE(shapes(kCircle).empty());
    EXPECT_TRUE(shapes(kLadder).empty());
    EXPECT_EQ(schemeFile("Keep"), crlf("[circle_color]\n0=10:10:A:B:C:~:255:0:0\n"));
}

TEST_F(Shapes, CommandsFromAnotherThreadReachTheShapesOnTheLoopWhileShapesComeAndGo) {
    ASSERT_TRUE(press("Add Circle Color"));
    choose(shape(kCircle), "R=", "A");
    std::thread worker([this] {
        for (int k = 0; k < 300; ++k)
            command(k % 2 ? "A8" : "A0");
        command("A4");
    });
    for (int k = 0; k < 20; ++k) {
        ASSERT_TRUE(press("Add Led Ladder"));
        choose(shape(kLadder), "Delete Shape");
        loop.advance(2);
    }
    worker.join();
    loop.advance(1);
    EXPECT_EQ(lampColor(shape(kCircle)), ui::rgb(124, 0, 0)) << "every command arrived, in order";
    EXPECT_TRUE(shapes(kLadder).empty());
}

TEST_F(Shapes, ACommandPostedFromAnotherThreadIsDroppedWhenThePageIsGone) {
    ASSERT_TRUE(press("Add Circle Color"));
    std::thread([this] { command("A8"); }).join();
    page.reset();
    loop.advance(1);
    EXPECT_TRUE(shapes(kCircle).empty());
}

TEST_F(Shapes, TheMenuOpensAtTheCursor) {
    ASSERT_TRUE(press("Add Led Ladder"));
    platform.headlessScreen().setCursor({321, 456});
    ASSERT_TRUE(ui::headless::click(lamp(shape(kLadder)), ui::MouseButton::Right));
    ASSERT_NE(toolkit().openMenu(), nullptr);
    EXPECT_EQ(toolkit().openMenu()->openedAt(), (ui::Point{321, 456}));
    toolkit().openMenu()->dismiss();
    ASSERT_TRUE(ui::headless::click(lamp(shape(kLadder)), ui::MouseButton::Middle));
    EXPECT_EQ(toolkit().openMenu(), nullptr) << "other buttons do nothing";
}

TEST_F(Shapes, MenuItemsAreNumberedAsTheShapesTestThem) {
    ASSERT_TRUE(press("Add Circle Color"));
    ASSERT_TRUE(press("Add Rectangle Resizable"));
    ASSERT_TRUE(press("Add Led Ladder"));
    const std::pair<const char*, std::vector<std::pair<const char*, int>>> kinds[] = {
        {kCircle,
         {{"R=", 0},
          {"G=", 15},
          {"B=", 30},
          {"Size=", 45},
          {"Transparent", 60},
          {"Lock Shape", 64},
          {"Top", 67},
          {"Delete Shape", 70},
          {"Exit", 71}}},
        {kRectangle,
         {{"R=", 0}, {"B=", 30}, {"Transparent", 45}, {"Top", 52}, {"Delete Shape", 55}, {"Exit", 56}}},
        {kLadder, {{"Level=", 0}, {"Transparent", 15}, {"Lock Shape", 19}, {"Top", 22}, {"Exit", 26}}}};
    for (const auto& [kind, items] : kinds) {
        ASSERT_TRUE(ui::headless::click(lamp(shape(kind)), ui::MouseButton::Right));
        const ui::headless::HeadlessMenu* menu = toolkit().openMenu();
        ASSERT_NE(menu, nullptr);
        for (const auto& [text, id] : items) {
            const ui::MenuItem* item = menu->find(text);
            ASSERT_NE(item, nullptr) << kind << " " << text;
            EXPECT_EQ(item->id, id) << kind << " " << text;
        }
        EXPECT_EQ(menu->items()[0].children.back().text, "L");
        EXPECT_EQ(menu->items()[0].children.back().id, 14);
        toolkit().openMenu()->dismiss();
    }
}

TEST_F(Shapes, Screenshots) {
    ASSERT_TRUE(press("Add Circle Color"));
    ASSERT_TRUE(press("Add Rectangle Resizable"));
    ASSERT_TRUE(press("Add Led Ladder"));
    choose(shape(kCircle), "R=", "A");
    choose(shape(kCircle), "G=", "B");
    choose(shape(kCircle), "Size=", "D");
    choose(shape(kRectangle), "R=", "B");
    choose(shape(kRectangle), "B=", "C");
    choose(shape(kLadder), "Level=", "E");
    commands({"A8", "B4", "C6", "D5", "E6"});
    const std::pair<const char*, const char*> kinds[] = {
        {kCircle, "visual_circle"}, {kRectangle, "visual_rectangle"}, {kLadder, "visual_ladder"}};
    for (const auto& [kind, file] : kinds)
        ASSERT_FALSE(saveScreenshot(shape(kind), file).empty()) << kind;
    const ui::Image circle = shape(kCircle).render();
    EXPECT_EQ(circle.pixel(40, 40), ui::rgb(248, 124, 0));
    EXPECT_EQ(circle.pixel(40, 8), ui::rgb(255, 255, 255)) << "a 56-pixel lamp leaves 12 white pixels above";
    expectTexts(shape(kCircle), {{"A", {6, 83, 11, 17}}, {"B", {25, 83, 11, 17}}, {"D", {61, 83, 11, 17}}});
    expectTexts(shape(kLadder), {{"E", {31, 150, 11, 17}}});
}

}  // namespace
