// The main window as Win32 draws it under Wine: on its first start (the Connect page), then on each page
// as a click on its mode button brings it up. The pictures are the ones to compare with the places,
// texts and images of every page, and the ones the manual shows.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "main_window_win32.h"
#include "shell/mode_pages.h"
#include "ui/png.h"
#include "win32_capture.h"

namespace {

struct PageShot {
    const char* button;
    const char* file;
};
constexpr PageShot kPages[lr::kModeCount] = {
    {"Connect", "connect"}, {"Effect", "effect"}, {"C.Organ", "organ"}, {"Ambilight", "ambilight"},
    {"Auto", "auto"},       {"Visual", "visual"}, {"WS2812", "ws2812"},
};

std::size_t colourCount(const ui::Image& shot) {
    return std::set<ui::Color>(shot.pixels().begin(), shot.pixels().end()).size();
}

}  // namespace

TEST_F(MainWindowWin32, FirstStartShowsTheConnectPage) {
    build();
    EXPECT_EQ(height(), 259);
    const ui::Image shot = capture(window());
    EXPECT_TRUE(ui::savePng(shot, "main_window_win32.png"));
    EXPECT_GT(colourCount(shot), 4u) << "more than a blank silver window";
}

TEST_F(MainWindowWin32, EachModeButtonBringsUpItsPageAtItsHeight) {
    build();
    for (std::size_t page = lr::kModeCount; page-- > 0;) {
        SCOPED_TRACE(kPages[page].file);
        ASSERT_TRUE(click(kPages[page].button));
        pump();
        EXPECT_EQ(height(), lr::kPagePoints[page].windowHeight);
        const ui::Image shot = capture(window());
        EXPECT_TRUE(ui::savePng(shot, std::string("main_window_") + kPages[page].file + "_win32.png"));
        EXPECT_GT(colourCount(shot), 4u);
    }
}
