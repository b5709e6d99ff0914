#include <gtest/gtest.h>

#include <numeric>

#include "audio/bands.h"
#include "audio/spectrum_element.h"
#include "fake_backend.h"
#include "headless_fixture.h"
#include "recorder.h"

using namespace lr;
using Ranges = std::vector<std::pair<std::int32_t, std::int32_t>>;

namespace {
Ranges rangesOf(std::string_view text) {
    const audio::Bounds b = audio::parseBounds(text);
    Ranges out;
    for (std::int32_t i = 0; i < b.rangeCount(); ++i)
        out.emplace_back(b.table[static_cast<std::size_t>(i)], b.table[static_cast<std::size_t>(i) + 1] - 1);
    return out;
}
}  // namespace

TEST(BandList, CountsOnlyNumbersEndedBySemicolons) {
    struct Case {
        const char* text;
        std::int32_t count;
        Ranges ranges;
    };
    const Case cases[] = {
        {"1;5;", 2, {{1, 4}}},
        {"1;5", 1, {}},
        {"0;2000;", 2, {{1, 742}}},
        {"10;5;20;", 3, {{10, 4}, {5, 19}}},
        {";;3;", 2, {{1, 2}}},
        {"12a;x;-4;+7;", 4, {{12, 0}, {1, 0}, {1, 6}}},
        {"7;", 1, {}},
        {";", 0, {}},
        {"", 10, {{1, 2}, {3, 4}, {5, 9}, {10, 19}, {20, 29}, {30, 49}, {50, 99}, {100, 149}, {150, 199}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(audio::parseBounds(c.text).count, c.count) << c.text;
        EXPECT_EQ(rangesOf(c.text), c.ranges) << c.text;
    }
}

TEST(BandList, TheUncountedLastNumberIsStoredClipped) {
    const audio::Bounds b = audio::parseBounds("1;3;5;10;20;30;50;100;150;200;300");
    EXPECT_EQ(b.count, 10);
    EXPECT_EQ(b.table[10], 300);
    EXPECT_EQ(audio::parseBounds("4;9999").table[1], 743);
}

TEST(BandList, MoreNumbersThanTheTableHoldsAreIgnored) {
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += std::to_string(i % 700 + 1) + ";";
    const audio::Bounds b = audio::parseBounds(text + "5");
    EXPECT_EQ(b.count, 744);
    EXPECT_EQ(b.table[743], 743 % 700 + 1);
}

class SpectrumElement : public HeadlessTest {
  protected:
    SpectrumElement() {
        std::iota(fake.spectrum.begin(), fake.spectrum.end(), 0.0f);  // bin k reads k
        bands.Handle = &handle;
        bands.onIndex = index.point();
        bands.onValue = value.point();
    }
    void init(const char* text) {
        TData list = makeString(text);
        bands.doInit(list);
    }
    void fft() {
        TData none;
        bands.doFFT(none);
    }
    FakeBackend fake;
    audio::ScopedBackend useFake{fake};
    audio::Handle handle = 3;
    THIBASS_FFT_2048_Vis bands;
    Mark index{fake, "index"}, value{fake, "value"};
};

TEST_F(SpectrumElement, SumsEachRangeIndexFirst) {
    fake.running = {3};
    init("10;5;20;");
    fft();
    EXPECT_EQ(fake.log, (std::vector<std::string>{"isActive(3)", "getData(3,0x80000023)", "index(0)",
                                                  "value(" + toString(makeReal(0.0)) + ")", "index(1)",
                                                  "value(" + toString(makeReal(180.0)) + ")"}));
}

TEST_F(SpectrumElement, DefaultListGivesNineRanges) {
    fake.running = {3};
    init("");
    Recorder sums;
    bands.onValue = sums.point();
    fft();
    ASSERT_EQ(sums.values.size(), 9u);
    EXPECT_DOUBLE_EQ(toReal(sums.values[0]), 1 + 2);
    EXPECT_DOUBLE_EQ(toReal(sums.values[8]), (150 + 199) * 50 / 2.0);
}

TEST_F(SpectrumElement, SilentWhenNotRunningOrWithoutRanges) {
    init("1;5;");
    fft();  // channel 3 not running
    EXPECT_EQ(fake.log, (std::vector<std::string>{"isActive(3)"}));
    fake.log.clear();
    fake.running = {3};
    init("1;5");
    fft();
    EXPECT_EQ(fake.log, (std::vector<std::string>{"isActive(3)", "getData(3,0x80000023)"}));
    fake.log.clear();
    THIBASS_FFT_2048_Vis fresh;  // no doInit, no handle linked
    fresh.onIndex = index.point();
    fake.running = {0};
    TData none;
    fresh.doFFT(none);
    EXPECT_EQ(fresh.BoundCount(), 0);
    EXPECT_EQ(fake.log, (std::vector<std::string>{"isActive(0)", "getData(0,0x80000023)"}));
}

TEST_F(SpectrumElement, FailedReadFiresNothing) {
    fake.running = {3};
    fake.dataResult = -1;
    init("1;5;");
    fft();
    EXPECT_EQ(fake.log.back(), "getData(3,0x80000023)");
}

TEST_F(SpectrumElement, FollowsTheCurrentHandle) {
    fake.running = {3, 4};
    init("1;2;");
    fft();
    handle = 4;
    fft();
    EXPECT_EQ(fake.log[0], "isActive(3)");
    EXPECT_EQ(fake.log[4], "isActive(4)");
}
