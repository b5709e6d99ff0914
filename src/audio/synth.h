#pragma once
// Deterministic test and demo signals at 44100 Hz mono, each a pure function of the sample number:
//   "silence", "sine:<Hz>[:<amplitude>]", "noise", "beat" (a 120 bpm kick), and "demo", a one-minute
//   loop of bass, mids, highs, silence and all of them together.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "audio/generated_driver.h"

namespace lr::audio {

inline constexpr std::uint32_t kSynthRate = 44100;

using Waveform = std::function<float(std::uint64_t sample)>;

// Nothing when the name is not one of the above; `error` says why.
std::optional<Waveform> synthWaveform(std::string_view name, std::string& error);

// The demo's sections, in seconds from the start of the loop.
struct DemoSection {
    const char* name;
    double from;
    double to;
};
inline constexpr DemoSection kDemoSections[] = {
    {"bass", 0, 12}, {"mids", 12, 24}, {"highs", 24, 36}, {"silence", 36, 42}, {"all", 42, 60}};
inline constexpr double kDemoSeconds = 60;

// A driver with one input, "Synth <name>", playing the waveform for ever.
std::unique_ptr<GeneratedDriver> makeSynthDriver(std::string_view name, std::string& error,
                                                 Pacing pacing = Pacing::RealTime);

}  // namespace lr::audio
