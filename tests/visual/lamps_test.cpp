// The lamps as drawn: the round lamp inside its white corners, the gradient's darkening.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "ui/headless/user.h"
#include "visual/lamps.h"

using namespace lr;

namespace {

class Lamps : public HeadlessTest {
  protected:
    std::unique_ptr<ui::Window> window = toolkit().createWindow({"host", {0, 0, 200, 200}});
};

TEST_F(Lamps, TheRoundLampIsLitInsideAndWhiteInItsCorners) {
    THILED led(window.get());
    led.Width_ = 80;
    led.Height_ = 80;
    led.init();
    fireInteger(bind<&THILED::doLight>(led), static_cast<std::int32_t>(ui::rgb(10, 200, 30)));
    const ui::Image drawn = ui::headless::asHeadless(led.control()).render();
    EXPECT_EQ(drawn.pixel(40, 60), ui::rgb(10, 200, 30));
    for (const ui::Point corner : {ui::Point{1, 1}, ui::Point{78, 1}, ui::Point{1, 78}, ui::Point{78, 78}})
        EXPECT_EQ(drawn.pixel(corner.x, corner.y), ui::rgb(255, 255, 255)) << corner.x << "," << corner.y;
}

TEST_F(Lamps, TheGradientDarkensEachComponentBy100NotBelowZero) {
    const std::pair<ui::Color, ui::Color> cases[] = {{ui::rgb(248, 0, 124), ui::rgb(148, 0, 24)},
                                                     {ui::rgb(99, 100, 101), ui::rgb(0, 0, 1)},
                                                     {ui::rgb(255, 255, 255), ui::rgb(155, 155, 155)}};
    for (const auto& [top, bottom] : cases)
        EXPECT_EQ(darkened(top), bottom) << top;
}

}  // namespace
