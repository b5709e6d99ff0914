#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/numbers.h"
#include "runtime/elements/text_params.h"
#include "runtime/random.h"
#include "values.h"

using namespace lr;

namespace {

constexpr std::uint32_t kMultiplier = 134775813u;

// The inverse of the multiplier modulo 2^32 (Newton's iteration doubles the correct bits each round).
constexpr std::uint32_t inverseMultiplier() {
    std::uint32_t inv = kMultiplier;
    for (int i = 0; i < 5; ++i)
        inv *= 2u - kMultiplier * inv;
    return inv;
}
static_assert(kMultiplier * inverseMultiplier() == 1u);

// The seed whose next number is `next`.
std::uint32_t seedBefore(std::uint32_t next) {
    return (next - 1u) * inverseMultiplier();
}

std::int32_t drawFrom(THIRandom& random, std::uint32_t next) {
    setRandomSeed(seedBefore(next));
    Recorder rec;
    random.onRandom = rec.point();
    fireAt<&THIRandom::doRandom>(random);
    EXPECT_EQ(randomSeed(), next);
    return rec.values.at(0).intValue;
}

}  // namespace

class Numbers : public HeadlessTest {
  protected:
    ~Numbers() override { setRandomSeed(0); }
};

TEST_F(Numbers, RandomScalesTheNextNumberAndRoundsHalvesToEven) {
    struct Case {
        double min, max;
        std::uint32_t next;  // the generator's next number; r = next / 2^32
        std::int32_t expected;
    };
    const Case cases[] = {
        {0, 9, 0x80000000u, 4},   // r = 0.5: x = 4.5
        {1, 10, 0x80000000u, 6},  // x = 5.5
        {0, 9, 0x40000000u, 2},   // x = 2.0
        {0, 359, 0xC0000000u, 270},
        {0, 9, 0xFFFFFFFFu, 9},  // x just below 9.5
        {0, 9, 1u, 0},           // x just above -0.5
        {1, 6, 0u, 1},           // x = 0.5 would round to 0, below Min
        {-3, 3, 0x80000000u, 0},
    };
    for (const Case& c : cases) {
        THIRandom random;
        random.Min = c.min;
        random.Max = c.max;
        EXPECT_EQ(drawFrom(random, c.next), c.expected) << c.min << ".." << c.max << " next " << c.next;
        TData read;
        random.Random(read);
        EXPECT_EQ(read.intValue, c.expected);
    }
}

TEST_F(Numbers, RandomFollowsTheSeedFormula) {
    setRandomSeed(1);
    THIRandom random;
    random.Max = 1000;
    Recorder rec;
    random.onRandom = rec.point();
    fireAt<&THIRandom::doRandom>(random);
    EXPECT_EQ(randomSeed(), 134775814u);
    fireAt<&THIRandom::doRandom>(random);
    EXPECT_EQ(randomSeed(), 134775814u * kMultiplier + 1u);
    std::set<std::int32_t> seen;
    for (int i = 0; i < 2000; ++i) {
        fireAt<&THIRandom::doRandom>(random);
        seen.insert(rec.values.back().intValue);
    }
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), 1000);
    EXPECT_GT(seen.size(), 800u);
}

TEST_F(Numbers, RandomizeAddsTheTimeOfDayAndDrawsOnce) {
    const std::uint32_t before = 12345;
    setRandomSeed(before);
    THIRandom random;
    Recorder rec;
    random.onRandom = rec.point();
    fireAt<&THIRandom::doRandomize>(random);
    const std::uint32_t added = seedBefore(randomSeed()) - before;
    EXPECT_LT(added, 24u * 60 * 60 * 1000) << "milliseconds since midnight";
    EXPECT_TRUE(rec.values.empty());
}

TEST_F(Numbers, ColorShadeLightensOrDarkensEachComponent) {
    struct Case {
        std::int32_t mode, shade, color, expected;
    };
    const Case cases[] = {
        {0, 50, 0xFF6400, 0xFFB17F},  // (255 - c) x 50% + c: 0 -> 127, 100 -> 177, 255 -> 255
        {0, 0, 0x123456, 0x123456},
        {0, 100, 0x123456, 0xFFFFFF},
        {0, 200, 0x000001, 0xFFFFFF},  // capped at 255
        {0, -50, 0xFF6400, 0xFF1600},  // below 0 is held at 0
        {0, 0x7FFFFFFF, 0x000000, 0xFFFFFF},
        {1, 60, 0xFF6400, 0xC32800},
        {1, 300, 0xFF6400, 0x000000},
        {1, -300, 0x010203, 0xFFFFFF},  // held at 255, not spilled into the next component
    };
    for (const Case& c : cases) {
        ThiColorShade shade;
        shade.Mode = c.mode;
        shade.Shade_ = c.shade;
        Recorder rec;
        shade.onShade = rec.point();
        fireAt<&ThiColorShade::doShade>(shade, makeInteger(c.color));
        EXPECT_EQ(rec.values.at(0).intValue, c.expected) << "mode " << c.mode << " shade " << c.shade;
    }
}

TEST_F(Numbers, ColorShadeReadsColourThenShadeFromTheEvent) {
    ThiColorShade shade;
    shade.Mode = 1;
    Recorder rec;
    shade.onShade = rec.point();
    TData both = makeInteger(0x808080);
    append(both, makeInteger(16));
    fireAt<&ThiColorShade::doShade>(shade, both);
    EXPECT_EQ(rec.values.at(0).intValue, 0x707070);
}

TEST_F(Numbers, ToRGBSplitsColoursRedFirst) {
    struct Case {
        std::int32_t color;
        std::vector<std::int32_t> rgb;
    };
    const Case cases[] = {
        {0x00332211, {0x11, 0x22, 0x33}},
        {65280, {0, 255, 0}},
        {static_cast<std::int32_t>(0xFF00000Fu), {240, 240, 240}},  // button face
        {static_cast<std::int32_t>(0xFF000005u), {255, 255, 255}},  // window
        {static_cast<std::int32_t>(0xFF00000Du), {0, 120, 215}},    // highlight
        {static_cast<std::int32_t>(0xFF0000FFu), {0, 0, 0}},        // no such system colour
    };
    for (const Case& c : cases) {
        THIToRGB split;
        split.Color_ = c.color;
        Recorder rec;
        split.onRGB = rec.point();
        fireAt<&THIToRGB::doRGB>(split);
        EXPECT_EQ(intsOf(rec.values.at(0)), c.rgb) << std::hex << c.color;
        TData r, g, b;
        split.R(r);
        split.G(g);
        split.B(b);
        EXPECT_EQ((std::vector<std::int32_t>{r.intValue, g.intValue, b.intValue}), c.rgb);
    }
}

TEST_F(Numbers, ConvertorBetweenCharactersAndCodes) {
    THIConvertor convert;
    Recorder rec;
    convert.onResult = rec.point();
    fireAt<&THIConvertor::doCharToCode>(convert, makeString("AB"));
    fireAt<&THIConvertor::doCharToCode>(convert, makeString(""));
    fireAt<&THIConvertor::doCharToCode>(convert, makeString("\xE0"));
    fireAt<&THIConvertor::doCharToCode>(convert, makeInteger(7));
    fireAt<&THIConvertor::doCodeToChar>(convert, makeInteger(65));
    fireAt<&THIConvertor::doCodeToChar>(convert, makeInteger(224));
    fireAt<&THIConvertor::doCodeToChar>(convert, makeString("321"));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"65", "0", "224", "55", "A", "\xE0", "A"}));
}

class MultiSetParamTest : public HeadlessTest {
  protected:
    void wire(THIMultiSetParam& set, const std::string& text) {
        table.value = makeString(text);
        set.Data = table.point();
        for (std::uint16_t i = 0; i < set.outputs.size(); ++i)
            set.outputs[i] = rec.point(i);
    }
    void setRow(THIMultiSetParam& set, std::int32_t row) {
        rec.values.clear();
        rec.indexes.clear();
        fireAt<&THIMultiSetParam::doSet>(set, makeInteger(row));
    }
    Source table{makeNull()};
    Recorder rec;
};

TEST_F(MultiSetParamTest, TokensOfTheChosenLineGoToTheOutputsInOrder) {
    THIMultiSetParam set(3);
    set.Delimiter = ';';
    wire(set, "1;2;3\r\n4; ;6;7\r\nx\r\n");
    setRow(set, 1);
    EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{0, 2})) << "a lone blank leaves its output alone";
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"4", "6"}));
    EXPECT_EQ(rec.values[0].kind, kind::Integer);
    set.Mode = 1;
    setRow(set, 1);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"4", " ", "6"}));
    EXPECT_EQ(rec.values[0].kind, kind::String);
    for (std::int32_t outside : {3, -1, 100}) {
        setRow(set, outside);
        EXPECT_TRUE(rec.values.empty()) << "row " << outside;
    }
}

TEST_F(MultiSetParamTest, WithoutDelimiterEachCharacterIsADigit) {
    THIMultiSetParam set(4);
    wire(set, "0 1\n57 89");
    setRow(set, 0);
    EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{0, 2}));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"0", "1"}));
    setRow(set, 1);
    EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{0, 1, 3}));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"5", "7", "8"}));
}

TEST_F(MultiSetParamTest, NothingToSetWithoutText) {
    THIMultiSetParam set(2);
    set.Delimiter = ',';
    wire(set, "");
    setRow(set, 0);
    EXPECT_TRUE(rec.values.empty());
    set.Data = {};
    setRow(set, 0);
    EXPECT_TRUE(rec.values.empty());
}
