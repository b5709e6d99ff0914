// The built-in pictures: every name the program asks for is there, drawn, at its control's size, and
// the bitmap reader turns away what is not a bitmap it can read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>

#include "artwork_expected.h"
#include "resources/artwork.h"

namespace {

std::size_t distinctColours(const ui::Image& image) {
    return std::set<ui::Color>(image.pixels().begin(), image.pixels().end()).size();
}

TEST(Artwork, EveryPictureIsBuiltInDrawnAndOfItsControlsSize) {
    for (const ExpectedPicture& p : expectedPictures()) {
        const ui::Image image = art::bitmap(p.name);
        EXPECT_EQ(image.size(), p.size) << p.name;
        EXPECT_GE(distinctColours(image), 4u) << p.name << " is blank";
    }
    for (const std::string& name : expectedIcons()) {
        EXPECT_EQ(art::bitmap(name).size(), (ui::Size{32, 32})) << name;
        EXPECT_GE(distinctColours(art::bitmap(name)), 4u) << name;
    }
}

TEST(Artwork, TheTableHoldsOnlyThePicturesAskedFor) {
    std::set<std::string> expected(expectedIcons().begin(), expectedIcons().end());
    for (const ExpectedPicture& p : expectedPictures())
        expected.insert(p.name);
    std::set<std::string> stored;
    for (const art::StoredBitmap& b : art::storedBitmaps())
        stored.emplace(b.name);
    EXPECT_EQ(stored, expected);
    EXPECT_TRUE(art::bitmap("BITMAP99").empty());
}

TEST(Artwork, EachStateOfAnImageButtonLooksDifferent) {
    for (const auto& frames : std::vector<std::vector<const char*>>{
             {"BITMAP14", "BITMAP15", "BITMAP16", "BITMAP17"},
             {"BITMAP18", "BITMAP19", "BITMAP20"},
             {"AMBILIGHT_SCREEN1", "AMBILIGHT_SCREEN1_HOT", "AMBILIGHT_SCREEN1_PRESSED"}})
        for (std::size_t a = 0; a < frames.size(); ++a)
            for (std::size_t b = a + 1; b < frames.size(); ++b)
                EXPECT_NE(art::bitmap(frames[a]), art::bitmap(frames[b])) << frames[a] << " " << frames[b];
}

TEST(Artwork, TheHeadlessBackendShowsTheBuiltInPictures) {
    ui::headless::HeadlessResources resources;
    art::addTo(resources);
    EXPECT_EQ(resources.bitmap("BITMAP7"), art::bitmap("BITMAP7"));
    EXPECT_EQ(resources.icon("ICON0"), art::bitmap("ICON0"));
}

// A bitmap file of `bits` per pixel, rows in the given order, the pixel (x, y) holding r = x, g = y, b = 7.
std::string bmpFile(int width, int height, int bits, bool topDown) {
    const int bytes = bits / 8, stride = (width * bytes + 3) / 4 * 4;
    std::string pixels(static_cast<std::size_t>(stride * height), '\0');
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto at = static_cast<std::size_t>((topDown ? y : height - 1 - y) * stride + x * bytes);
            pixels[at] = 7;
            pixels[at + 1] = static_cast<char>(y);
            pixels[at + 2] = static_cast<char>(x);
        }
    std::string file(54, '\0');
    const auto put = [&](std::size_t at, std::int64_t value, int size) {
        for (int k = 0; k < size; ++k)
            file[at + static_cast<std::size_t>(k)] = static_cast<char>(value >> (8 * k));
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, 54 + static_cast<std::int64_t>(pixels.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, width, 4);
    put(22, topDown ? -height : height, 4);
    put(26, 1, 2);
    put(28, bits, 2);
    return file + pixels;
}

TEST(Artwork, TheReaderTakesBothRowOrdersAndBothDepths) {
    for (const int bits : {24, 32})
        for (const bool topDown : {false, true}) {
            const ui::Image image = art::decodeBmp(bmpFile(3, 2, bits, topDown));
            ASSERT_EQ(image.size(), (ui::Size{3, 2})) << bits << topDown;
            EXPECT_EQ(image.pixel(0, 0), ui::rgb(0, 0, 7));
            EXPECT_EQ(image.pixel(2, 1), ui::rgb(2, 1, 7));
        }
}

TEST(Artwork, WhatIsNotAReadableBitmapGivesNoPicture) {
    const std::string good = bmpFile(5, 4, 24, false);
    const auto broken = [&](std::size_t at, char value) {
        std::string file = good;
        file[at] = value;
        return file;
    };
    EXPECT_TRUE(art::decodeBmp("").empty());
    EXPECT_TRUE(art::decodeBmp(good.substr(0, good.size() - 1)).empty());  // a row cut short
    EXPECT_TRUE(art::decodeBmp(good.substr(0, 30)).empty());
    EXPECT_TRUE(art::decodeBmp(broken(0, 'X')).empty());                       // not a bitmap
    EXPECT_TRUE(art::decodeBmp(broken(28, 8)).empty());                        // a palette
    EXPECT_TRUE(art::decodeBmp(broken(30, 1)).empty());                        // compressed
    EXPECT_TRUE(art::decodeBmp(broken(18, 0)).empty());                        // no width
    EXPECT_TRUE(art::decodeBmp(broken(21, 0x7F)).empty());                     // absurd width
    EXPECT_TRUE(art::decodeBmp(broken(10, static_cast<char>(0xF0))).empty());  // pixels past the end
    EXPECT_FALSE(art::decodeBmp(good).empty());
}

}  // namespace
