#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <numeric>

#include "audio/engine.h"
#include "audio/fft.h"
#include "audio/synth.h"

using namespace lr::audio;

namespace {

constexpr double kBin100Hz = 100.0 * 44100 / 2048;

// The recorder's side of a channel: what the callback received.
struct Received {
    std::vector<std::int16_t> samples;
    int calls = 0;
    bool keepGoing = true;
    static bool take(Handle, const void* buffer, std::uint32_t length, void* self) {
        auto* r = static_cast<Received*>(self);
        const auto* s = static_cast<const std::int16_t*>(buffer);
        r->samples.insert(r->samples.end(), s, s + length / 2);
        ++r->calls;
        return r->keepGoing;
    }
};

class EngineTest : public testing::Test {
  protected:
    explicit EngineTest(std::string signal = "sine:" + std::to_string(kBin100Hz)) {
        std::string error;
        auto driver = makeSynthDriver(signal, error, Pacing::Manual);
        synth = driver.get();
        engine = std::make_unique<Engine>(std::move(driver));
    }
    Handle open(std::uint32_t freq = 44100, std::uint32_t channels = 1) {
        EXPECT_TRUE(engine->init(-1, 44100, 0, 0));
        EXPECT_TRUE(engine->recordInit(-1));
        return engine->recordStart(freq, channels, 0, &Received::take, &received);
    }
    std::vector<float> spectrum(Handle h) {
        std::vector<float> out(kFftBins);
        EXPECT_EQ(engine->channelGetData(h, out.data(), kDataFft2048 | kFftNoWindow), 4096);
        return out;
    }
    GeneratedDriver* synth = nullptr;
    std::unique_ptr<Engine> engine;
    Received received;
};

}  // namespace

TEST_F(EngineTest, CallsOutOfOrderFailWithTheirCodes) {
    float volume = 0;
    std::array<float, kFftBins> buffer{};
    EXPECT_EQ(engine->recordStart(44100, 1, 0, nullptr, nullptr), 0u);
    EXPECT_EQ(engine->errorCode(), code::NotInit);
    EXPECT_FALSE(engine->recordInputName(0));
    EXPECT_EQ(engine->errorCode(), code::NotInit);
    EXPECT_EQ(engine->recordGetInput(0, volume), kNoInput);
    EXPECT_FALSE(engine->start());
    EXPECT_EQ(engine->errorCode(), code::NotInit);
    EXPECT_TRUE(engine->init(-1, 44100, 0, 0));
    EXPECT_EQ(engine->errorCode(), code::Ok);
    EXPECT_FALSE(engine->init(-1, 44100, 0, 0));
    EXPECT_EQ(engine->errorCode(), code::Already);
    EXPECT_FALSE(engine->recordInit(3));
    EXPECT_EQ(engine->errorCode(), code::Device);
    EXPECT_TRUE(engine->recordInit(0));
    EXPECT_FALSE(engine->recordInit(-1));
    EXPECT_EQ(engine->errorCode(), code::Already);
    EXPECT_EQ(engine->recordStart(0, 1, 0, nullptr, nullptr), 0u);
    EXPECT_EQ(engine->errorCode(), code::Format);
    EXPECT_EQ(engine->recordStart(44100, 0, 0, nullptr, nullptr), 0u);
    EXPECT_EQ(engine->channelGetData(99, buffer.data(), kDataFft2048 | kFftNoWindow), -1);
    EXPECT_EQ(engine->errorCode(), code::Handle);
    EXPECT_EQ(engine->channelIsActive(0), kStopped);
    EXPECT_FALSE(engine->channelStop(99));
    const Handle h = engine->recordStart(44100, 1, 0, nullptr, nullptr);
    EXPECT_EQ(engine->channelGetData(h, buffer.data(), kDataFft2048), -1);
    EXPECT_EQ(engine->errorCode(), code::NotAvail);
    EXPECT_EQ(engine->version() >> 16, kVersionMajorMinor);
}

TEST_F(EngineTest, InputsReportAndTakeVolumeAndSwitch) {
    open();
    EXPECT_EQ(engine->recordInputName(0), "Synth sine:" + std::to_string(kBin100Hz));
    EXPECT_FALSE(engine->recordInputName(1));
    float volume = 0;
    EXPECT_EQ(engine->recordGetInput(0, volume), 0u);
    EXPECT_EQ(volume, 1.0f);
    EXPECT_TRUE(engine->recordSetInput(0, kInputOff, 0.5f));
    EXPECT_EQ(engine->recordGetInput(0, volume), kInputOff);
    EXPECT_EQ(volume, 0.5f);
    EXPECT_TRUE(engine->recordSetInput(0, 0, 2.0f));  // neither flag keeps the switch; volume clipped
    EXPECT_EQ(engine->recordGetInput(0, volume), kInputOff);
    EXPECT_EQ(volume, 1.0f);
    EXPECT_FALSE(engine->recordSetInput(1, kInputOn, 0.5f));
    EXPECT_EQ(engine->errorCode(), code::Illegal);
}

TEST_F(EngineTest, SineOnBin100ReadsOne) {
    const Handle h = open();
    EXPECT_EQ(engine->channelIsActive(h), kActive);
    synth->pump(4096);
    const auto s = spectrum(h);
    EXPECT_NEAR(s[100], 1.0, 1e-3);
    const float others = std::accumulate(s.begin(), s.end(), 0.0f) - s[100];
    EXPECT_LT(others, 0.01f);
    EXPECT_EQ(received.samples.size(), 4096u);
}

TEST_F(EngineTest, SwitchedOffInputRecordsSilence) {
    const Handle h = open();
    engine->recordSetInput(0, kInputOff, 1.0f);
    synth->pump(2048);
    const auto s = spectrum(h);
    EXPECT_EQ(*std::max_element(s.begin(), s.end()), 0.0f);
}

// Two analysers read the same window in one tick; the next samples must still show up.
TEST_F(EngineTest, RepeatedRequestsFollowNewSamples) {
    const Handle h = open();
    synth->pump(300);
    const auto first = spectrum(h);
    EXPECT_EQ(spectrum(h), first);
    synth->pump(4096);
    const auto later = spectrum(h);
    EXPECT_NE(later, first);
    EXPECT_NEAR(later[100], 1.0, 1e-3);
}

// Until 2048 samples have come, the older positions are zeros.
TEST_F(EngineTest, ShortRecordingIsPaddedWithLeadingZeros) {
    const Handle h = open();
    synth->pump(700);
    std::vector<float> expected(kFftSize, 0.0f);
    for (std::size_t i = 0; i < 700; ++i)
        expected[kFftSize - 700 + i] = static_cast<float>(received.samples[i]) / 32768.0f;
    std::vector<float> magnitudes(kFftBins);
    RealFft(kFftSize).magnitudes(expected, magnitudes);
    const auto s = spectrum(h);
    for (std::size_t k = 0; k < kFftBins; ++k)
        ASSERT_NEAR(s[k], magnitudes[k], 1e-6) << k;
}

TEST_F(EngineTest, CallbackGetsTheRequestedFormat) {
    open(22050, 2);
    synth->pump(4410);
    EXPECT_NEAR(static_cast<double>(received.samples.size()), 2 * 2205, 2);
    for (std::size_t i = 0; i + 1 < received.samples.size(); i += 2)
        ASSERT_EQ(received.samples[i], received.samples[i + 1]);
}

TEST_F(EngineTest, CallbackReturningFalseEndsTheChannel) {
    const Handle h = open();
    received.keepGoing = false;
    synth->pump(441);
    synth->pump(441);
    EXPECT_EQ(received.calls, 1);
    EXPECT_EQ(engine->channelIsActive(h), kStopped);
}

TEST_F(EngineTest, UnpluggedDeviceEndsTheChannelAndALaterStartWorks) {
    const Handle first = open();
    synth->pump(441);
    synth->unplug();
    synth->pump(441);
    EXPECT_EQ(engine->channelIsActive(first), kStopped);
    EXPECT_EQ(received.calls, 1);
    EXPECT_EQ(spectrum(first).size(), kFftBins);  // the last samples stay readable until the stop
    EXPECT_TRUE(engine->channelStop(first));
    const Handle second = engine->recordStart(44100, 1, 0, &Received::take, &received);
    EXPECT_NE(second, first);
    synth->pump(441);
    EXPECT_EQ(engine->channelIsActive(second), kActive);
    EXPECT_EQ(received.calls, 2);
}

// A server restarting, a device replugged: the levels fall to silence and come back on the same channel.
TEST_F(EngineTest, InterruptedSourceReadsSilenceUntilItIsBack) {
    const Handle h = open();
    synth->pump(4096);
    ASSERT_NEAR(spectrum(h)[100], 1.0, 1e-3);
    synth->interrupt();
    const auto away = spectrum(h);
    EXPECT_EQ(*std::max_element(away.begin(), away.end()), 0.0f);
    EXPECT_EQ(engine->channelIsActive(h), kActive);
    synth->pump(4096);
    EXPECT_NEAR(spectrum(h)[100], 1.0, 1e-3);
    EXPECT_EQ(received.calls, 2);
}

TEST_F(EngineTest, StoppedChannelIsGone) {
    const Handle h = open();
    EXPECT_TRUE(engine->channelStop(h));
    synth->pump(441);
    EXPECT_EQ(received.calls, 0);
    EXPECT_EQ(engine->channelIsActive(h), kStopped);
    EXPECT_FALSE(engine->channelStop(h));
    EXPECT_EQ(engine->errorCode(), code::Handle);
}

// Real time on the synth's own thread, read meanwhile from this one (run under ThreadSanitizer too).
TEST(EngineRealTime, CaptureThreadFeedsTheSpectrum) {
    std::string error;
    Engine engine(makeSynthDriver("sine:" + std::to_string(kBin100Hz), error));
    struct Counter {
        std::mutex mutex;
        std::condition_variable changed;
        int calls = 0;
        static bool take(Handle, const void*, std::uint32_t, void* self) {
            auto* c = static_cast<Counter*>(self);
            const std::lock_guard lock(c->mutex);
            ++c->calls;
            c->changed.notify_all();
            return true;
        }
    } counter;
    ASSERT_TRUE(engine.init(-1, 44100, 0, 0));
    ASSERT_TRUE(engine.recordInit(-1));
    const Handle h = engine.recordStart(44100, 1, 0, &Counter::take, &counter);
    std::vector<float> s(kFftBins);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::unique_lock lock(counter.mutex);
    while (counter.calls < 6 && std::chrono::steady_clock::now() < deadline) {
        lock.unlock();
        engine.channelGetData(h, s.data(), kDataFft2048 | kFftNoWindow);  // while the capture thread writes
        lock.lock();
        counter.changed.wait_for(lock, std::chrono::milliseconds(20));
    }
    ASSERT_GE(counter.calls, 6) << "the synth delivered too little in 10 s";
    lock.unlock();
    EXPECT_EQ(engine.channelIsActive(h), kActive);
    ASSERT_EQ(engine.channelGetData(h, s.data(), kDataFft2048 | kFftNoWindow), 4096);
    EXPECT_NEAR(s[100], 1.0, 1e-3);  // 6 blocks of 441 fill the 2048 samples
    EXPECT_TRUE(engine.channelStop(h));
    EXPECT_EQ(engine.channelIsActive(h), kStopped);
}
