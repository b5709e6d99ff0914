// Run and Stop: the first Run's opening of the recording side, the tick timer, and what is reported.
#include <gtest/gtest.h>

#include "organ_fixture.h"

using namespace lr;

namespace {

// The audio engine with another version word.
class OtherVersion : public audio::Engine {
  public:
    using audio::Engine::Engine;
    std::uint32_t version() override { return 0x02030000; }
};

std::vector<std::int32_t> integers(const Recorder& r) {
    std::vector<std::int32_t> out;
    for (const TData& v : r.values)
        out.push_back(toInteger(v));
    return out;
}

}  // namespace

class OrganRun : public OrganTest {
  protected:
    void buildWithRows() {
        build(sineOnBin(4, 0.5));
        engine->onInputRow = rows.point();
        load(scheme("level", "[init]\nstrfreq=1;4;5;6;\n[calculation]\nA={band_2}*16\n"));
    }
    Recorder rows;
};

TEST_F(OrganRun, OnlyOneAndZeroRunAndStop) {
    buildWithRows();
    for (const TData& ignored : {makeInteger(2), makeInteger(-1)}) {
        runStop(ignored);
        tick(2);
    }
    EXPECT_TRUE(running.values.empty());
    EXPECT_TRUE(ready.values.empty()) << "the recording side is not opened";
    EXPECT_EQ(shared("count").kind, kind::Null) << "the timer did not start";
    runStop(makeString("1"));
    tick();
    EXPECT_EQ(integers(running), std::vector<std::int32_t>{1});
    EXPECT_EQ(shared("count").intValue, 1);
}

TEST_F(OrganRun, TheFirstRunOpensTheRecordingSideOnce) {
    buildWithRows();
    run();
    ASSERT_EQ(ready.values.size(), 1u);
    ASSERT_EQ(rows.values.size(), 1u);
    const TData& row = rows.values[0];
    EXPECT_EQ(toString(row), "Synth " + sineOnBin(4, 0.5));
    EXPECT_EQ(listLength(row), 4u) << "name, volume, enabled, index";
    EXPECT_EQ(toInteger(*row.next->next->next), 0);
    tick();
    stop();
    run();
    tick();
    EXPECT_EQ(ready.values.size(), 1u);
    EXPECT_EQ(rows.values.size(), 1u);
    EXPECT_EQ(integers(running), (std::vector<std::int32_t>{1, 0, 1}));
    EXPECT_EQ(integers(runEnabled), (std::vector<std::int32_t>{0, 1, 0}));
    EXPECT_EQ(audio->channelIsActive(1), audio::kStopped) << "the first recording ended at Stop";
    EXPECT_EQ(audio->channelIsActive(2), audio::kActive);
}

TEST_F(OrganRun, StopFreezesTheLevelsAndSendsNothing) {
    buildWithRows();
    run();
    tick(2);
    EXPECT_EQ(channels.texts()[0], "A8");
    const std::size_t sent = channels.values.size();
    stop();
    synth->pump(kFramesPerTick * 4);
    loop.advance(500);
    EXPECT_EQ(channels.values.size(), sent);
    EXPECT_EQ(shared("A").intValue, 8);
    EXPECT_EQ(shared("count").intValue, 2);
}

TEST_F(OrganRun, ARunWhileRunningRestartsRecordingAndTimer) {
    buildWithRows();
    run();
    loop.advance(30);
    run();
    loop.advance(30);
    EXPECT_EQ(shared("count").kind, kind::Null) << "the timer counts from the second Run";
    tick();
    EXPECT_EQ(shared("count").intValue, 1);
    EXPECT_EQ(audio->channelIsActive(1), audio::kStopped);
    EXPECT_EQ(audio->channelIsActive(2), audio::kActive);
    EXPECT_EQ(ready.values.size(), 1u);
}

TEST_F(OrganRun, AFailedInitialisationIsShownAndOpensNothing) {
    buildWithRows();
    ASSERT_TRUE(audio->init(-1, 44100, 0, 0));  // a second initialisation fails
    run();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Error BASS initialization");
    EXPECT_EQ(boxes.shown()[0].caption, "Error");
    EXPECT_EQ(boxes.shown()[0].icon, ui::Icon::Error);
    EXPECT_TRUE(ready.values.empty());
    EXPECT_EQ(integers(running), std::vector<std::int32_t>{1});
    tick(2);
    EXPECT_EQ(shared("band_1").kind, kind::Null) << "no recording, no spectrum";
    EXPECT_EQ(shared("count").intValue, 2);
}

TEST_F(OrganRun, AnotherLibraryVersionIsShownAndOpensNothing) {
    std::string error;
    auto driver = audio::makeSynthDriver("silence", error, audio::Pacing::Manual);
    synth = driver.get();
    OtherVersion other(std::move(driver));
    const audio::ScopedBackend scope(other);
    TClassChildGroupBox_1EFA730 organ(nullptr, nullptr);
    organ.onReady = ready.point();
    TData one = makeInteger(1);
    organ.doRunStop(one);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Incorrect version of BASS library ");
    EXPECT_TRUE(ready.values.empty());
}

TEST_F(OrganRun, AnInputRowSetsItsInput) {
    buildWithRows();
    run();
    TData setting = makeInteger(0);
    append(setting, makeReal(0.3));
    append(setting, makeInteger(0));
    engine->doSetInput(setting);
    float volume = 0.0f;
    EXPECT_EQ(audio->recordGetInput(0, volume), audio::kInputOff);
    EXPECT_FLOAT_EQ(volume, 0.3f);
}
