// The main window on the headless backend with the built-in pictures: the mode bar and the top strip
// show them where their buttons are.
#include <gtest/gtest.h>

#include "../shell/shell_fixture.h"
#include "resources/artwork.h"
#include "screenshot.h"
#include "shell/mode_bar.h"

namespace {

class ArtworkMainWindowTest : public ShellTest {
  protected:
    ArtworkMainWindowTest() { art::addTo(platform.headlessResources()); }

    // The picture of `name` is drawn with its top left corner at `at` of the window.
    void expectDrawn(const ui::Image& shot, std::string_view name, ui::Point at) {
        const ui::Image picture = art::bitmap(name);
        ASSERT_FALSE(picture.empty()) << name;
        int differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                differing += shot.pixel(at.x + x, at.y + y) != picture.pixel(x, y);
        EXPECT_EQ(differing, 0) << name;
    }
};

TEST_F(ArtworkMainWindowTest, TheModeBarAndTheTopStripShowTheirPictures) {
    build(true);
    loop.advance(1);
    const ui::Image shot = saveScreenshot(window(), "main_window_artwork");
    constexpr ui::Point bar{5, 47}, strip{5, 25};
    for (std::size_t k = 0; k < lr::kModeCount; ++k)  // 16 x 16 beside the caption, 2 from the left edge
        expectDrawn(shot, lr::kModeButtons[k].bitmap, {bar.x + 70 * static_cast<int>(k) + 2, bar.y + 7});
    const char* stripBitmaps[] = {"BITMAP0", "BITMAP3", "BITMAP4", "BITMAP5"};
    for (int k = 0; k < 4; ++k)
        expectDrawn(shot, stripBitmaps[k], {strip.x + 22 * k + 2, strip.y + 3});
    expectDrawn(shot, "BITMAP2", {strip.x + 475, strip.y + 2});
    expectDrawn(shot, "BITMAP1", {strip.x + 493, strip.y + 2});
}

}  // namespace
