// The PulseAudio driver against a private server started here: a null sink whose monitor is recorded
// while a known tone plays into it. Skipped, with the reason, when no server can be started.
#include <gtest/gtest.h>

#include "audio/engine.h"
#include "audio/registry.h"
#include "pulse_server.h"

// libpulse hands its packets between threads through lock-free free lists that ThreadSanitizer cannot
// see into (the library is not instrumented); its reports from inside the library are not ours.
extern "C" const char* __tsan_default_suppressions() {
    return "race:libpulsecommon\nrace:libpulse.so\n";
}

using namespace lr::audio;
using namespace pulse_test;

TEST_F(PulseDriverTest, MonitorSourceIsAnInputWithVolumeAndSwitch) {
    EXPECT_EQ(names(), (std::vector<std::string>{"Monitor of Tone"}));
    ASSERT_TRUE(engine->recordSetInput(0, kInputOff, 0.5f)) << engine->message();
    Engine fresh(makePlatformDriver({}));
    ASSERT_TRUE(fresh.recordInit(-1));
    float volume = 0;
    // The change is sent, not waited for; another connection sees it once the server has made it.
    const auto seen = [&](std::uint32_t flags) {
        return within(5s,
                      [&] { return fresh.recordInputName(0) && fresh.recordGetInput(0, volume) == flags; });
    };
    EXPECT_TRUE(seen(kInputOff));
    EXPECT_NEAR(volume, 0.5f, 0.01f);
    ASSERT_TRUE(engine->recordSetInput(0, kInputOn, 1.0f));
    EXPECT_TRUE(seen(0u));
    EXPECT_NEAR(volume, 1.0f, 0.01f);
}

TEST_F(PulseDriverTest, RecordsTheTonePlayedIntoTheSink) {
    const Handle h = engine->recordStart(44100, 1, 0, &Counter::take, &counter);
    ASSERT_NE(h, 0u) << engine->message();
    TonePlayer tone(kToneHz, 0.5f);
    const bool heard = within(10s, [&] { return spectrum(h)[100] > 0.45f || tone.failed(); });
    ASSERT_FALSE(tone.failed()) << "the tone could not be played";
    ASSERT_TRUE(heard) << "bin 100 never rose; callbacks: " << counter.calls.load();
    const auto s = spectrum(h);
    EXPECT_NEAR(s[100], 0.5f, 0.02f);
    EXPECT_EQ(std::max_element(s.begin(), s.end()) - s.begin(), 100);
    EXPECT_EQ(engine->channelIsActive(h), kActive);
    EXPECT_TRUE(engine->channelStop(h));
}

TEST(DefaultDriver, FallsBackToTheSynthWithoutAServer) {
    setenv("PULSE_SERVER", "unix:/nonexistent/lumenrig-native", 1);
    const auto driver = makeDefaultDriver();
    unsetenv("PULSE_SERVER");
    EXPECT_EQ(driver->inputs().at(0).name, "Synth demo");
}
