// The engine's tick: bands, formulas, levels and the texts it emits, on the virtual clock.
#include <gtest/gtest.h>

#include "organ_fixture.h"
#include "runtime/random.h"

using namespace lr;

namespace {
using Texts = std::vector<std::string>;
}  // namespace

class OrganTick : public OrganTest {
  protected:
    Texts textsOf(char channel) const {
        Texts out;
        for (const std::string& t : channels.texts())
            if (t[0] == channel) out.push_back(t);
        return out;
    }
};

TEST_F(OrganTick, ABandScaledToALevelIsEmittedOnceWhileItStays) {
    build(sineOnBin(5, 0.047));
    // Ranges: bins 1-4, bin 5, bin 6 (only closing).
    load(scheme("band2", "[init]\nstrfreq=1;5;6;7;\n[calculation]\nA={band_2}*100\n"));
    run();
    tick();
    EXPECT_NEAR(toReal(shared("band_2")), 0.047, 1e-4);
    EXPECT_EQ(textsOf('A'), Texts{"A5"});
    tick(3);
    EXPECT_EQ(textsOf('A'), Texts{"A5"}) << "the same level again is filtered out";
    EXPECT_EQ(shared("A").kind, kind::Integer);
    EXPECT_EQ(shared("A").intValue, 5);
}

TEST_F(OrganTick, ResultsAreRoundedHalfToEvenAndClippedToZeroToEight) {
    build();
    load(scheme("rounding", "[calculation]\nA=8.5\nB=9.6\nC=-3\nD=2.5\nE=3.5\nF=1e300\nG=-1e300\nH=3e9\n"));
    run();
    tick();
    const Texts emitted = channels.texts();
    EXPECT_EQ(Texts(emitted.begin(), emitted.begin() + 8),
              (Texts{"A8", "B8", "C0", "D2", "E4", "F8", "G0", "H8"}));
}

TEST_F(OrganTick, AChannelReadingItsOwnLevelCountsUpToEightAndStays) {
    build();
    load(scheme("count-up", "[calculation]\nA={A}+1\n"));
    run();
    tick(12);
    EXPECT_EQ(textsOf('A'), (Texts{"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8"}));
}

TEST_F(OrganTick, EmptyFormulasKeepTheirPreviousResult) {
    build();
    load(scheme("only-a", "[calculation]\nA={count} mod 9\n"));
    run();
    tick();
    EXPECT_EQ(channels.texts().size(), 12u) << "every channel starts from level 0";
    channels.values.clear();
    tick(3);
    EXPECT_EQ(channels.texts(), (Texts{"A1", "A2", "A3"}));
}

// Within a tick: xA..xL, then A..L, then xW..xZ, then count steps.
TEST_F(OrganTick, FormulasSeeTheValuesOfTheirPlaceInTheTick) {
    build();
    load(scheme("order", "[calculation]\nA={count}\nxW={A}\nxA={xW}\nB={xA}\nxX={count}\n"));
    run();
    tick(3);
    EXPECT_EQ(shared("count").intValue, 3);
    EXPECT_EQ(shared("A").intValue, 2) << "channels see the previous tick's count";
    EXPECT_EQ(toReal(shared("xW")), 2.0) << "xW sees this tick's A";
    EXPECT_EQ(toReal(shared("xA")), 1.0) << "xA sees the previous tick's xW";
    EXPECT_EQ(shared("B").intValue, 1) << "channels see this tick's xA";
    EXPECT_EQ(shared("xA").kind, kind::Real);
}

TEST_F(OrganTick, CountWrapsAfter359AndTheLoadResetsItQuietly) {
    build();
    load(scheme("count", "[calculation]\nxA={count}\n"));
    run();
    tick(359);
    EXPECT_EQ(shared("count").intValue, 359);
    tick();
    EXPECT_EQ(shared("count").intValue, 0);
    tick(5);
    load(scheme("count", "[calculation]\nxA={count}\n"));
    EXPECT_EQ(shared("count").intValue, 5) << "the reset tells nobody";
    tick();
    EXPECT_EQ(shared("count").intValue, 1);
    EXPECT_EQ(toReal(shared("xA")), 5.0);
}

TEST_F(OrganTick, OneTickRandomForAllFormulasAndAFreshOneForEachEvaluation) {
    build();
    load(scheme("random", "[calculation]\nxA={rnd}\nxB={rnd_cnl}\nxC={rnd}\nxD={rnd_cnl}\n"));
    setRandomSeed(1234);
    run();
    tick();
    // The draws of a tick: rnd, then one per evaluation in evaluation order.
    setRandomSeed(1234);
    const auto draw = [] { return roundToInt(nextRandom() * 361.0 - 0.5); };
    const std::int32_t rnd = draw();
    draw();  // xA's own
    const std::int32_t xB = draw();
    draw();  // xC's own
    const std::int32_t xD = draw();
    EXPECT_EQ(shared("rnd").intValue, rnd);
    EXPECT_EQ(toReal(shared("xA")), rnd);
    EXPECT_EQ(toReal(shared("xC")), rnd);
    EXPECT_EQ(toReal(shared("xB")), xB);
    EXPECT_EQ(toReal(shared("xD")), xD);
}

TEST_F(OrganTick, BarsAndInitValuesComeFromTheScheme) {
    build();
    load(scheme("bars",
                "[init]\nbar_1=3\nbar_2=12\nbar_3=-3\nbar_beat=7\nbar_act=x\nA=5\nxC=2.5\n"
                "[calculation]\nA={A}+{bar_1}\nB={bar_2}+{bar_3}\nC={bar_beat}+{bar_act}+{bar_4}\n"
                "xB={xC}*2\n"));
    EXPECT_EQ(shared("bar_1").intValue, 3);
    EXPECT_EQ(shared("bar_2").intValue, 8) << "the slider stops at the top";
    EXPECT_EQ(shared("bar_3").intValue, 0) << "and at the bottom";
    EXPECT_EQ(shared("bar_act").intValue, 0) << "a value that is no number reads as 0";
    EXPECT_EQ(shared("A").kind, kind::String) << "an unset variable takes its starting value as text";
    run();
    tick();
    EXPECT_EQ(toString(shared("A")), "8");
    EXPECT_EQ(toString(shared("B")), "8");
    EXPECT_EQ(toString(shared("C")), "7");
    EXPECT_EQ(toReal(shared("xB")), 5.0) << "xC is read before its own evaluation replaces it";
    EXPECT_EQ(toReal(shared("xC")), 0.0);
}

TEST_F(OrganTick, TheMonitorFollowsOnlyWhileItReadsOne) {
    build();
    Recorder monitor;
    Source shown(makeInteger(1));
    engine->onMonitor = monitor.point();
    load(scheme("monitor", "[calculation]\nA={count} mod 9\n"));
    run();
    tick(2);
    EXPECT_TRUE(monitor.values.empty()) << "unconnected Monitor";
    engine->Monitor = shown.point();
    tick();
    EXPECT_EQ(monitor.texts(), Texts{"A2"});
    shown.value = makeInteger(0);
    tick();
    EXPECT_EQ(monitor.texts(), Texts{"A2"});
    EXPECT_EQ(channels.texts().back(), "A3");
}

TEST_F(OrganTick, NothingIsEvaluatedBeforeASchemeIsLoaded) {
    build();
    run();
    tick(3);
    EXPECT_TRUE(channels.values.empty());
    EXPECT_EQ(shared("count").intValue, 3) << "the tick itself runs";
}
