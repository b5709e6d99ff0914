// How the two analysers' ranges reach band_1 .. band_12, band_beat and band_over.
#include <gtest/gtest.h>

#include "organ_fixture.h"

using namespace lr;

namespace {
// Fifteen numbers, no trailing ";": fourteen counted boundaries, ranges bin 1 .. bin 13.
constexpr const char* kFifteenNumbers = "1;2;3;4;5;6;7;8;9;10;11;12;13;14;15";
constexpr double kLoudness = 0.5;
constexpr double kNear = 1e-3;

std::string bandScheme(const std::string& bands, const std::string& beat = "") {
    return "[init]\nstrfreq=" + bands + "\nstrfreq_beat=" + beat + "\n";
}
}  // namespace

class OrganBands : public OrganTest {};

// band_k receives range k-1: with one-bin ranges, band_k reads bin k, and the thirteenth range is lost.
TEST_F(OrganBands, EachBandReadsTheRangeBeforeItsIndex) {
    for (const int bin : {1, 7, 12, 13}) {
        build(sineOnBin(bin, kLoudness));
        load(scheme("bands", bandScheme(kFifteenNumbers)));
        run();
        tick();
        for (int k = 1; k <= 12; ++k) {
            const TData& band = shared("band_" + std::to_string(k));
            ASSERT_EQ(band.kind, kind::Real) << "bin " << bin << " band " << k;
            EXPECT_NEAR(band.realValue, k == bin ? kLoudness : 0.0, kNear) << "bin " << bin << " band " << k;
        }
        EXPECT_NEAR(toReal(shared("band_over")), bin <= 12 ? kLoudness / 12.0 : 0.0, kNear) << "bin " << bin;
        engine.reset();
        resetGlobalVars();
    }
}

TEST_F(OrganBands, TheDefaultListFeedsOnlyTheFirstEightBands) {
    build("noise");
    load(scheme("default", "[calculation]\nA=1\n"));
    run();
    tick(2);
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(shared("band_" + std::to_string(k)).kind, kind::Real) << k;
    for (int k = 9; k <= 12; ++k)
        EXPECT_EQ(shared("band_" + std::to_string(k)).kind, kind::Null) << k;
    EXPECT_EQ(shared("band_over").kind, kind::Null) << "band_12 was never reached";
    EXPECT_TRUE(music.values.empty());
}

TEST_F(OrganBands, MusicIsABandMeanAboveTwoHundredths) {
    const std::pair<double, bool> cases[] = {{0.3, true}, {0.2, false}};  // means 0.025 and 0.0167
    for (const auto& [loudness, heard] : cases) {
        build(sineOnBin(5, loudness));
        load(scheme("music", bandScheme(kFifteenNumbers)));
        run();
        tick(3);
        EXPECT_EQ(music.values.size(), heard ? 3u : 0u) << loudness;
        if (heard) {
            EXPECT_NEAR(toReal(music.values[0]), loudness / 12.0, kNear);
        }
        music.values.clear();
        engine.reset();
        resetGlobalVars();
    }
}

TEST_F(OrganBands, TheBeatIsTheSumOfTheLastRangeOfItsList) {
    for (const auto& [bin, beat] : {std::pair{7, kLoudness}, std::pair{3, 0.0}}) {
        build(sineOnBin(bin, kLoudness));
        load(scheme("beat", bandScheme(kFifteenNumbers, "1;5;10;")));  // bins 1-4, then 5-9
        run();
        tick();
        EXPECT_NEAR(toReal(shared("band_beat")), beat, kNear) << "bin " << bin;
        engine.reset();
        resetGlobalVars();
    }
}

TEST_F(OrganBands, BandsOutsideAShorterListKeepTheirValues) {
    build(sineOnBin(12, kLoudness));
    load(scheme("long", bandScheme(kFifteenNumbers)));
    run();
    tick();
    const double mean = toReal(shared("band_over"));
    load(scheme("short", bandScheme("1;2;3;")));  // two ranges: only band_1 is fed
    tick(2);
    EXPECT_NEAR(toReal(shared("band_12")), kLoudness, kNear);
    EXPECT_EQ(toReal(shared("band_over")), mean);
    EXPECT_NEAR(toReal(shared("band_1")), 0.0, kNear);
}

TEST_F(OrganBands, FormulasReadTheBandsOfTheirOwnTick) {
    build(sineOnBin(3, kLoudness));
    load(scheme("read", bandScheme(kFifteenNumbers) + "[calculation]\nA={band_3}*10\nB={band_over}*100\n"));
    run();
    tick();
    EXPECT_EQ(channels.texts()[0], "A5");
    EXPECT_EQ(channels.texts()[1], "B4");  // 0.5 / 12 * 100 = 4.17
}
