// The PulseAudio driver when its server goes away and comes back, or takes connections and never
// answers them: the window's loop never waits for it, the levels fall to silence meanwhile, and the
// recording picks up again by itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "audio/pulse_capture_pulse.h"
#include "pulse_server.h"
#include "ui/headless/realtime_loop.h"

using namespace lr::audio;
using namespace pulse_test;

namespace {

// The window's loop on a thread of its own, as the program runs it.
class LoopThread {
  public:
    ~LoopThread() { loop_.quit(0); }
    // Whether the task, and a task posted after it, both ran within the limit.
    bool runs(std::function<void()> task, std::chrono::milliseconds limit) {
        auto after = std::make_shared<std::atomic<bool>>(false);
        loop_.post(std::move(task));
        loop_.post([after] { after->store(true); });
        return within(limit, [&] { return after->load(); });
    }

  private:
    ui::headless::RealtimeLoop loop_;
    std::jthread thread_{[this] { loop_.run(); }};
};

class PulseOutageTest : public PulseDriverTest {
  protected:
    bool silent(Handle h) {
        const auto s = spectrum(h);
        return std::all_of(s.begin(), s.end(), [](float v) { return v == 0.0f; });
    }
};

struct CountingSink : CaptureSink {
    std::atomic<int> frameCalls{0};
    std::atomic<int> interruptions{0};
    void frames(std::span<const float>, SampleFormat) override { ++frameCalls; }
    void ended() override {}
    void interrupted() override { ++interruptions; }
};

}  // namespace

TEST_F(PulseOutageTest, ServerGoneSilencesTheLevelsAndTheRecordingResumesWhenItIsBack) {
    const Handle h = engine->recordStart(44100, 1, 0, &Counter::take, &counter);
    ASSERT_NE(h, 0u) << engine->message();
    {
        TonePlayer tone(kToneHz, 0.5f);
        ASSERT_TRUE(within(10s, [&] { return hearsTheTone(h); }));
        server.stop(SIGKILL);
        EXPECT_TRUE(within(10s, [&] { return silent(h); })) << "the levels froze at the last sound";
    }
    EXPECT_EQ(engine->channelIsActive(h), kActive);
    EXPECT_TRUE(within(5s, [&] { return names().empty(); }));

    const std::string why = server.start();
    ASSERT_TRUE(why.empty()) << why;
    TonePlayer tone(kToneHz, 0.5f);
    EXPECT_TRUE(within(15s, [&] { return hearsTheTone(h); })) << "the recording did not resume";
    EXPECT_TRUE(within(5s, [&] { return names() == std::vector<std::string>{"Monitor of Tone"}; }));
    EXPECT_TRUE(engine->channelStop(h));
}

TEST_F(PulseOutageTest, AStoppedServerHoldsUpNoLoopTaskAndRecordingStartsWhenItGoesOn) {
    LoopThread loop;
    server.pause();
    Handle h = 0;
    const auto open = [&] {
        h = engine->recordStart(44100, 1, 0, &Counter::take, &counter);
        engine->recordSetInput(0, kInputOn, 1.0f);
        names();
    };
    const bool prompt = loop.runs(open, 2s);
    if (!prompt) server.resume();  // lets the stuck loop go, so that the test can end
    ASSERT_TRUE(prompt) << "the loop waited for a server that does not answer";
    ASSERT_NE(h, 0u);
    EXPECT_TRUE(loop.runs([&] { engine->channelStop(h); }, 2s)) << "closing waited for the server";
    ASSERT_TRUE(loop.runs(open, 2s));

    server.resume();
    TonePlayer tone(kToneHz, 0.5f);
    EXPECT_TRUE(within(15s, [&] { return hearsTheTone(h); })) << "callbacks: " << counter.calls.load();
    EXPECT_TRUE(loop.runs([&] { engine.reset(); }, 2s));
}

TEST_F(PulseOutageTest, AServerThatStopsAnsweringMidRecordingSilencesTheLevelsUntilItGoesOn) {
    const Handle h = engine->recordStart(44100, 1, 0, &Counter::take, &counter);
    ASSERT_NE(h, 0u) << engine->message();
    TonePlayer tone(kToneHz, 0.5f);
    ASSERT_TRUE(within(10s, [&] { return hearsTheTone(h); }));
    server.pause();
    const struct GoOn {
        PulseServer& server;
        ~GoOn() { server.resume(); }  // before the tone player waits for the server
    } goOn{server};
    EXPECT_TRUE(within(10s, [&] { return silent(h); })) << "the levels froze at the last sound";
    EXPECT_EQ(engine->channelIsActive(h), kActive);
    server.resume();
    EXPECT_TRUE(within(10s, [&] { return hearsTheTone(h); }));
}

TEST(PulseSilentServer, InitFailsWithTheReasonWithoutHoldingUpTheLoop) {
    PulseServer server;
    SilentSocket socket(server.socket());
    ASSERT_TRUE(socket.listening());
    LoopThread loop;
    std::unique_ptr<Engine> engine;
    bool initialised = true;
    ASSERT_TRUE(loop.runs(
        [&] {
            engine = std::make_unique<Engine>(makePlatformDriver({}));
            initialised = engine->init(-1, 44100, 0, 0);
        },
        2s));
    EXPECT_FALSE(initialised);
    EXPECT_EQ(engine->errorCode(), code::Driver);
    EXPECT_EQ(engine->message(), "the PulseAudio server does not answer");
    EXPECT_TRUE(loop.runs([&] { EXPECT_FALSE(engine->recordInit(-1)); }, 1s));
    EXPECT_TRUE(loop.runs([&] { engine.reset(); }, 1s));
}

TEST(PulseSilentServer, ACaptureGivesUpOnItAndRecordsWhenARealServerTakesItsPlace) {
    PulseServer server;
    auto socket = std::make_unique<SilentSocket>(server.socket());
    ASSERT_TRUE(socket->listening());
    CountingSink sink;
    std::string error;
    auto capture = pulse::openCapture("tone.monitor", sink, error);
    ASSERT_TRUE(capture) << error;
    EXPECT_TRUE(within(10s, [&] { return sink.interruptions.load() > 0; }));
    EXPECT_EQ(sink.frameCalls.load(), 0);

    socket.reset();
    const std::string why = server.start();
    if (!why.empty()) GTEST_SKIP() << why;
    EXPECT_TRUE(within(15s, [&] { return sink.frameCalls.load() > 0; }));
}

TEST(DefaultDriver, FallsBackToTheSynthWhenTheServerDoesNotAnswer) {
    PulseServer server;
    SilentSocket socket(server.socket());
    ASSERT_TRUE(socket.listening());
    EXPECT_EQ(makeDefaultDriver()->inputs().at(0).name, "Synth demo");
}
