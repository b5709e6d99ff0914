#pragma once
// The picture the real capture tests put on the screen: per quadrant, every 160 columns a left and a
// right half of 80 columns in two colours, so each region of layout 2 (160 wide on a 1280 screen) holds
// both halves, and its mean is known.
#include <array>
#include <cstddef>

#include "ui/geometry.h"

namespace known_picture {

inline constexpr std::array<std::array<ui::Color, 2>, 4> kHalves = {{
    {ui::rgb(200, 10, 0), ui::rgb(100, 31, 255)},
    {ui::rgb(0, 0, 0), ui::rgb(255, 255, 255)},
    {ui::rgb(17, 34, 51), ui::rgb(17, 34, 51)},
    {ui::rgb(90, 0, 200), ui::rgb(10, 0, 100)},
}};
// Their means, rounded halves to even: (10 + 31) / 2 = 20.5 gives 20, 255 / 2 = 127.5 gives 128.
inline constexpr std::array<ui::Color, 4> kMeans = {ui::rgb(150, 20, 128), ui::rgb(128, 128, 128),
                                                    ui::rgb(17, 34, 51), ui::rgb(50, 0, 150)};

// The stripes of the picture: quadrant q, half h, from `left` to the quadrant's right edge.
struct Stripe {
    ui::Rect place;
    ui::Color color;
};
template <class F>
void forEachStripe(int width, int height, F&& paint) {
    for (std::size_t q = 0; q < 4; ++q)
        for (std::size_t half = 0; half < 2; ++half) {
            const int top = q < 2 ? 0 : height / 2;
            const int right = static_cast<int>(q % 2 + 1) * width / 2;
            for (int x = static_cast<int>(q % 2) * width / 2 + static_cast<int>(half) * 80; x < right;
                 x += 160)
                paint(Stripe{{x, top, 80, height / 2}, kHalves[q][half]});
        }
}

}  // namespace known_picture
