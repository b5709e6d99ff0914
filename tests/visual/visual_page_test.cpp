// The Visualization page's places and texts, the show input and a look at the page.
#include <gtest/gtest.h>

#include "screenshot.h"
#include "visual_fixture.h"

using namespace lr;
using namespace visual_page;
using ui::headless::HeadlessControl;

namespace {

class Page : public VisualPageTest {};

TEST_F(Page, InputZeroShowsThePageForAnythingButTheIntegerZero) {
    build();
    HeadlessControl& panel = control(ui::headless::byName("totalpanel"), "totalpanel");
    const std::pair<TData, bool> cases[] = {
        {makeInteger(0), false}, {makeString("0"), true}, {makeInteger(0), false}, {makeInteger(5), true}};
    for (const auto& [value, shown] : cases) {
        page->input(0, value);
        EXPECT_EQ(panel.visible(), shown) << toString(value);
    }
}

TEST_F(Page, ControlsSitWhereTheyBelong) {
    build();
    struct Place {
        HeadlessControl* control;
        ui::Rect bounds;
    };
    const Place places[] = {
        {&byCaption("Control"), {0, 0, 524, 68}},
        {&byHint("Stop"), {17, 15, 30, 40}},
        {&byHint("Run"), {45, 15, 40, 40}},
        {&schemeList(), {85, 25, 375, 21}},
        {&byHint("Save changes in current Scheme"), {465, 25, 25, 22}},
        {&byHint("Refresh Schemes List"), {492, 25, 25, 22}},
        {&byCaption("Add/Del Shapes"), {0, 68, 524, 95}},
        {&byCaption("Add Rectangle Resizable"), {10, 20, 160, 30}},
        {&byCaption("Add Circle Color"), {180, 20, 160, 30}},
        {&byCaption("Add Led Ladder"), {350, 20, 160, 30}},
        {&byCaption("Clear all Shapes"), {350, 55, 160, 30}},
        {&byCaption("*Right click on Shape for options"), {15, 60, 290, 15}},
    };
    for (const Place& p : places)
        EXPECT_EQ(p.control->bounds(), p.bounds) << p.control->text() << p.control->hint();
    EXPECT_EQ(schemeList().text(), "Choice of the Scheme");
}

TEST_F(Page, TheCommandStreamReachesShapesOnlyWhileRunning) {
    scheme("One", "[circle_color]\n0=10:10:A:A:A:~:255:0:0\n");
    sys.putFile(kIni, crlf("[scheme]\nvisualization=One\n"));
    build();
    command("A8");
    ASSERT_TRUE(run());
    HeadlessControl& circle = shape(kCircle);
    EXPECT_EQ(lamp(circle).render().pixel(40, 40), ui::rgb(0, 0, 0)) << "a loaded shape starts dark";
    command("A8");
    EXPECT_EQ(lamp(circle).render().pixel(40, 40), ui::rgb(248, 248, 248));
}

TEST_F(Page, Screenshot) {
    scheme("Living room", "");
    scheme("Desk", "");
    build();
    page->input(5);
    HeadlessControl& panel = control(ui::headless::byName("totalpanel"), "totalpanel");
    ASSERT_FALSE(saveScreenshot(panel, "visual_page").empty());
    expectTexts(panel, {{"Control", {8, 0, 508, 13}}, {"Add Circle Color", {180, 88, 160, 30}}});
    const ui::Image shot = panel.render();
    EXPECT_EQ(shot.pixel(300, 3), 0xC0C0C0u);
}

}  // namespace
