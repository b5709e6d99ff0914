// The Auto page as the headless canvas draws it, with a few rows and the scheduler running; kept beside
// the test program for a look (a second picture frames every text run).
#include <gtest/gtest.h>

#include "auto_page_fixture.h"
#include "screenshot.h"

using namespace auto_page;

namespace {

TEST_F(AutoPageTest, Screenshot) {
    sys.putFile(kActions, std::string(kHeader) + "21:31> P1 A5>evening\r\n5> S9\r\n9:05> Z0\r\n");
    build({21, 30, 0});
    loop.advance(1000);
    ASSERT_TRUE(press("Start"));
    minutes(1);
    ui::headless::HeadlessControl& panel = control(ui::headless::byName("totalpanel"));
    const ui::Image shot = saveScreenshot(panel, "auto_page");

    EXPECT_EQ(shot.size(), (ui::Size{525, 479}));
    EXPECT_EQ(shot.pixel(300, 5), ui::rgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(shot.pixel(200, 250), ui::rgb(255, 255, 255)) << "the table is white";
    const std::vector<DrawnText> expected = {
        {"Timer", {8, 0, 507, 13}},
        {"21:31", {8, 14, 118, 50}},
        {"Start", {130, 16, 70, 25}},
        {"Stop", {205, 16, 70, 25}},
        {"Last executed actions:", {290, 14, 225, 16}},
        {">", {290, 32, 8, 16}},
        {" P1 A5", {342, 32, 175, 16}},
        {"evening", {300, 50, 217, 16}},
        {"Table of Actions", {8, 73, 507, 13}},
        {"Time", {9, 89, 46, 17}},
        {"List of Actions", {59, 89, 336, 17}},
        {"Description", {399, 89, 96, 17}},
        {"Clear Table", {7, 376, 125, 23}},
        {"Delete Line", {134, 376, 125, 23}},
        {"Save Table", {262, 376, 125, 23}},
        {"Load Table", {391, 376, 125, 23}},
        {"Save Actions", {8, 407, 507, 13}},
        {"Now:", {8, 426, 30, 16}},
        {"Run at:", {84, 426, 48, 16}},
        {"List of Action", {232, 426, 120, 16}},
        {"Add", {358, 449, 75, 23}},
        {"Clear", {440, 449, 75, 23}},
    };
    expectTexts(panel, expected);
}

}  // namespace
