#include "audio/synth.h"

#include <array>
#include <cmath>
#include <numbers>

#include "runtime/tdata.h"

namespace lr::audio {

namespace {

double seconds(std::uint64_t n) {
    return static_cast<double>(n) / kSynthRate;
}

float sine(double hz, double amplitude, double t) {
    return static_cast<float>(amplitude * std::sin(2.0 * std::numbers::pi * std::fmod(hz * t, 1.0)));
}

// White noise in -1..1 from a hash of the sample number.
float hashNoise(std::uint64_t n) {
    n ^= n >> 33;
    n *= 0xff51afd7ed558ccdULL;
    n ^= n >> 33;
    n *= 0xc4ceb9fe1a85ec53ULL;
    n ^= n >> 33;
    return static_cast<float>(static_cast<double>(n >> 40) / static_cast<double>(1 << 23) - 1.0);
}

// A 55 Hz kick every half second, decaying within 150 ms.
float kick(std::uint64_t n) {
    const double t = std::fmod(seconds(n), 0.5);
    return t > 0.15 ? 0.0f : sine(55.0, 0.9 * std::exp(-t / 0.04), t);
}

// A tune of eight notes, one every half second, 440..1320 Hz.
float melody(std::uint64_t n) {
    static constexpr std::array<double, 8> notes = {440, 660, 880, 1320, 990, 550, 1100, 770};
    const auto note = static_cast<std::size_t>(seconds(n) / 0.5) % notes.size();
    return sine(notes[note], 0.4, seconds(n));
}

// Hi-hat bursts (differentiated noise) every quarter second over a quiet 7 kHz tone.
float highs(std::uint64_t n) {
    const double t = std::fmod(seconds(n), 0.25);
    const float hat =
        t > 0.03 ? 0.0f : static_cast<float>(0.3 * std::exp(-t / 0.01)) * (hashNoise(n) - hashNoise(n - 1));
    return hat + sine(7000.0, 0.2, seconds(n));
}

float demo(std::uint64_t n) {
    const double t = std::fmod(seconds(n), kDemoSeconds);
    if (t < kDemoSections[0].to) return kick(n);
    if (t < kDemoSections[1].to) return 0.5f * kick(n) + melody(n);
    if (t < kDemoSections[2].to) return highs(n);
    if (t < kDemoSections[3].to) return 0.0f;
    return 0.5f * (kick(n) + melody(n) + highs(n));
}

std::optional<Waveform> sineWaveform(std::string_view args, std::string& error) {
    const std::size_t colon = args.find(':');
    const double hz = parseReal(args.substr(0, colon));
    const double amplitude = colon == std::string_view::npos ? 1.0 : parseReal(args.substr(colon + 1));
    if (!(hz > 0.0 && hz < kSynthRate / 2.0) || !(amplitude > 0.0 && amplitude <= 1.0)) {
        error =
            "synth sine needs a frequency below 22050 Hz and an amplitude in (0, 1]: sine:<Hz>[:<amplitude>]";
        return std::nullopt;
    }
    return [hz, amplitude](std::uint64_t n) { return sine(hz, amplitude, seconds(n)); };
}

class WaveformSignal : public Signal {
  public:
    explicit WaveformSignal(Waveform waveform) : waveform_(std::move(waveform)) {}
    SampleFormat format() const override { return {kSynthRate, 1}; }
    std::size_t fill(std::span<float> out) override {
        for (float& v : out)
            v = waveform_(next_++);
        return out.size();
    }

  private:
    Waveform waveform_;
    std::uint64_t next_ = 0;
};

}  // namespace

std::optional<Waveform> synthWaveform(std::string_view name, std::string& error) {
    if (name == "silence") return [](std::uint64_t) { return 0.0f; };
    if (name == "noise") return [](std::uint64_t n) { return 0.5f * hashNoise(n); };
    if (name == "beat") return kick;
    if (name == "demo") return demo;
    if (name.starts_with("sine:")) return sineWaveform(name.substr(5), error);
    error = "unknown synth signal \"" + std::string(name) +
            "\" (silence, sine:<Hz>[:<amplitude>], noise, beat, demo)";
    return std::nullopt;
}

std::unique_ptr<GeneratedDriver> makeSynthDriver(std::string_view name, std::string& error, Pacing pacing) {
    auto waveform = synthWaveform(name, error);
    if (!waveform) return nullptr;
    return std::make_unique<GeneratedDriver>(
        "Synth " + std::string(name), [w = *waveform] { return std::make_unique<WaveformSignal>(w); },
        pacing);
}

}  // namespace lr::audio
