#pragma once
// A synth signal written out as a mono 16-bit WAV track, to render schemes against.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "audio/converter.h"
#include "audio/synth.h"
#include "audio/wav_file.h"

inline bool writeTrack(const std::vector<std::int16_t>& samples, const std::string& path) {
    const auto bytes = static_cast<std::uint32_t>(samples.size() * sizeof(std::int16_t));
    auto header = lr::audio::wavHeader(1, lr::audio::kSynthRate);
    const auto riff = lr::audio::riffSizeField(bytes);
    const auto data = lr::audio::dataSizeField(bytes);
    std::copy(riff.begin(), riff.end(), header.begin() + lr::audio::kRiffSizeOffset);
    std::copy(data.begin(), data.end(), header.begin() + lr::audio::kDataSizeOffset);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
    out.write(reinterpret_cast<const char*>(samples.data()), static_cast<std::streamsize>(bytes));
    return static_cast<bool>(out);
}

// `seconds` of a synth signal, from its start.
inline std::vector<std::int16_t> synthSamples(const std::string& signal, double seconds) {
    std::string error;
    const auto waveform = lr::audio::synthWaveform(signal, error);
    if (!waveform) return {};
    const auto frames = static_cast<std::uint64_t>(seconds * lr::audio::kSynthRate);
    std::vector<std::int16_t> samples(frames);
    for (std::uint64_t n = 0; n < frames; ++n)
        samples[n] = lr::audio::toSample16((*waveform)(n));
    return samples;
}

inline bool writeSynthTrack(const std::string& signal, double seconds, const std::string& path) {
    const auto samples = synthSamples(signal, seconds);
    return !samples.empty() && writeTrack(samples, path);
}
