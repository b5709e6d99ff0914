#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "ui/png.h"
#include "ui/software_painter.h"

using namespace ui;

namespace {
constexpr Color White = rgb(255, 255, 255);
constexpr Color Red = rgb(255, 0, 0);
constexpr Color Blue = rgb(0, 0, 255);

int count(const Image& img, Color c) {
    int n = 0;
    for (Color p : img.pixels())
        n += p == c;
    return n;
}
}  // namespace

TEST(Canvas, FillIsClippedToTheImage) {
    Image img(4, 3, White);
    SoftwarePainter(img).fillRect({-2, 1, 10, 1}, Red);
    EXPECT_EQ(count(img, Red), 4);
    EXPECT_EQ(img.pixel(0, 0), White);
    EXPECT_EQ(img.pixel(3, 1), Red);
    EXPECT_EQ(img.pixel(99, 99), 0u);
}

TEST(Canvas, VerticalGradientRunsFromTopToBottomColour) {
    Image img(2, 5);
    SoftwarePainter(img).gradientV({0, 0, 2, 5}, rgb(200, 100, 0), rgb(100, 0, 0));
    EXPECT_EQ(img.pixel(0, 0), rgb(200, 100, 0));
    EXPECT_EQ(img.pixel(1, 2), rgb(150, 50, 0));
    EXPECT_EQ(img.pixel(0, 4), rgb(100, 0, 0));
}

TEST(Canvas, EllipseFillsTheInscribedDiscOnly) {
    Image img(20, 20, White);
    SoftwarePainter(img).fillEllipse({0, 0, 20, 20}, Red);
    EXPECT_EQ(img.pixel(10, 10), Red);
    EXPECT_EQ(img.pixel(0, 0), White);
    EXPECT_EQ(img.pixel(19, 19), White);
    EXPECT_EQ(img.pixel(0, 10), Red);
    // Area of a disc of radius 10, within a few rim pixels.
    EXPECT_NEAR(count(img, Red), 314, 12);
}

TEST(Canvas, ArcDrawsOnlyItsSweep) {
    Image img(21, 21, White);
    SoftwarePainter(img).arc({0, 0, 21, 21}, 0, 180, Red);  // upper half
    int upper = 0, lower = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            if (img.pixel(x, y) == Red && y != 10) (y < 10 ? upper : lower) += 1;
    EXPECT_GT(upper, 20);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(img.pixel(10, 0), Red);
    EXPECT_EQ(img.pixel(10, 10), White);
}

TEST(Canvas, LineIncludesBothEnds) {
    struct Case {
        Point from, to;
        int pixels;
    };
    for (const Case& c : {Case{{0, 0}, {4, 0}, 5}, Case{{0, 0}, {4, 4}, 5}, Case{{4, 4}, {0, 1}, 5},
                          Case{{2, 2}, {2, 2}, 1}}) {
        Image img(5, 5, White);
        SoftwarePainter(img).line(c.from, c.to, Red);
        EXPECT_EQ(count(img, Red), c.pixels);
        EXPECT_EQ(img.pixel(c.from.x, c.from.y), Red);
        EXPECT_EQ(img.pixel(c.to.x, c.to.y), Red);
    }
}

TEST(Canvas, ImageSkipsTheKeyColourAndBlendsByAlpha) {
    Image src(2, 1);
    src.setPixel(0, 0, Red);
    src.setPixel(1, 0, White);
    Image keyed(2, 1, Blue);
    SoftwarePainter(keyed).image({0, 0}, src, White, 255);
    EXPECT_EQ(keyed.pixel(0, 0), Red);
    EXPECT_EQ(keyed.pixel(1, 0), Blue);

    Image blended(1, 1, rgb(0, 0, 0));
    SoftwarePainter(blended).image({0, 0}, Image(1, 1, rgb(255, 255, 255)), {}, 51);
    EXPECT_EQ(blended.pixel(0, 0), rgb(51, 51, 51));
}

TEST(Canvas, TextIsRecordedWithItsBox) {
    Image img(50, 20);
    SoftwarePainter painter(img);
    painter.text({1, 2, 40, 10}, "Go", Font{"Arial", 8}, TextAlign::Center);
    ASSERT_EQ(painter.texts().size(), 1u);
    EXPECT_EQ(painter.texts()[0].text, "Go");
    EXPECT_EQ(painter.texts()[0].box, (Rect{1, 2, 40, 10}));
}

TEST(Png, WritesAValidHeaderAndEveryPixel) {
    Image img(3, 2, Red);
    img.setPixel(2, 1, Blue);
    const std::string path = testing::TempDir() + "canvas_test.png";
    ASSERT_TRUE(savePng(img, path));
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    std::remove(path.c_str());
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 8),
              (std::vector<unsigned char>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 16), "IHDR");
    EXPECT_EQ(bytes[19], 3);  // width
    EXPECT_EQ(bytes[23], 2);  // height
    EXPECT_EQ(std::string(bytes.end() - 8, bytes.end() - 4), "IEND");
    // Stored deflate: the raw rows follow the block header; the last pixel is blue.
    const std::size_t rawStart = 33 + 8 + 2 + 5;
    EXPECT_EQ(bytes[rawStart], 0);  // filter byte of row 0
    EXPECT_EQ(bytes[rawStart + 1], 255);
    const std::size_t lastPixel = rawStart + 2 * 10 - 3;
    EXPECT_EQ(bytes[lastPixel], 0);
    EXPECT_EQ(bytes[lastPixel + 2], 255);
}

TEST(Png, RefusesAnEmptyImage) {
    EXPECT_FALSE(savePng(Image{}, testing::TempDir() + "empty.png"));
}
