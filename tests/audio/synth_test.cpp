#include <gtest/gtest.h>

#include <algorithm>

#include "audio/fft.h"
#include "audio/registry.h"
#include "audio/synth.h"

using namespace lr::audio;

namespace {

std::vector<float> render(const Waveform& w, std::uint64_t from, std::size_t count) {
    std::vector<float> out(count);
    for (std::size_t i = 0; i < count; ++i)
        out[i] = w(from + i);
    return out;
}

struct Energy {
    float low, mid, high;
};

// The strongest bin of each band, summed over a second: bins 1-9 (< 200 Hz), 20-69 (430-1500 Hz),
// 250-743 (5.4-16 kHz).
Energy energyAround(const Waveform& w, double second) {
    RealFft fft(2048);
    std::vector<float> m(1024);
    Energy e{0, 0, 0};
    for (int block = 0; block < 20; ++block) {
        const auto start =
            static_cast<std::uint64_t>(second * kSynthRate) + static_cast<std::uint64_t>(block) * 2205;
        fft.magnitudes(render(w, start, 2048), m);
        e.low += *std::max_element(m.begin() + 1, m.begin() + 10);
        e.mid += *std::max_element(m.begin() + 20, m.begin() + 70);
        e.high += *std::max_element(m.begin() + 250, m.begin() + 744);
    }
    return e;
}

Waveform waveform(std::string_view name) {
    std::string error;
    auto w = synthWaveform(name, error);
    EXPECT_TRUE(w) << error;
    return w ? *w : Waveform{};
}

}  // namespace

TEST(Synth, SignalsAreRepeatable) {
    for (const char* name : {"noise", "beat", "demo", "sine:1000:0.5"}) {
        const Waveform w = waveform(name);
        EXPECT_EQ(render(w, 12345, 500), render(waveform(name), 12345, 500)) << name;
        const auto samples = render(w, 0, 44100);
        EXPECT_TRUE(std::all_of(samples.begin(), samples.end(), [](float v) { return v >= -1 && v <= 1; }))
            << name;
    }
}

TEST(Synth, DemoSectionsExerciseEachBand) {
    const Waveform demo = waveform("demo");
    const Energy bass = energyAround(demo, 5), mids = energyAround(demo, 17), highs = energyAround(demo, 30),
                 quiet = energyAround(demo, 38), all = energyAround(demo, 50);
    EXPECT_GT(bass.low, 10 * (bass.mid + bass.high));
    EXPECT_GT(mids.mid, 2 * mids.high);
    EXPECT_GT(highs.high, 10 * (highs.low + highs.mid));
    EXPECT_EQ(quiet.low + quiet.mid + quiet.high, 0.0f);
    EXPECT_GT(all.low, 0.1f * bass.low);
    EXPECT_GT(all.mid, 0.1f * mids.mid);
    EXPECT_GT(all.high, 0.1f * highs.high);
    EXPECT_EQ(render(demo, 0, 100), render(demo, 60 * kSynthRate, 100));  // it loops
}

TEST(Synth, NamesAreCheckedWithAReason) {
    const char* bad[] = {"sine:0", "sine:30000", "sine:440:2", "sine:abc", "hum", ""};
    for (const char* name : bad) {
        std::string error;
        EXPECT_FALSE(synthWaveform(name, error)) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
}

TEST(DriverRegistry, MakesDriversByName) {
    for (const char* name : {"synth", "synth:beat", "synth:sine:440"}) {
        std::string error;
        EXPECT_TRUE(makeDriver(name, error)) << name << ": " << error;
    }
    const std::pair<const char*, const char*> bad[] = {
        {"bogus", "unknown audio driver \"bogus\""},
        {"synthetic", "unknown audio driver"},
        {"synth:hum", "unknown synth signal \"hum\""},
        {"wav:/nonexistent/x.wav", "cannot open \"/nonexistent/x.wav\""},
    };
    for (const auto& [name, reason] : bad) {
        std::string error;
        EXPECT_FALSE(makeDriver(name, error)) << name;
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    }
    std::string error;
    auto synth = makeDriver("synth", error);
    EXPECT_EQ(synth->inputs().at(0).name, "Synth demo");
}
