#pragma once
// WAV files: reading 16-bit PCM (mono or stereo) as a recording source, and the header the recorder writes.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "audio/generated_driver.h"

namespace lr::audio {

struct WavData {
    SampleFormat format;
    std::vector<float> samples;  // interleaved, -1..1
};

// A data chunk whose size is 0 or runs past the end (a recording still being written) takes the rest of
// the file. Nothing, and a message saying why, for anything but 16-bit PCM with one or two channels.
std::optional<WavData> parseWav(std::span<const std::uint8_t> bytes, std::string& error);
std::optional<WavData> readWav(const std::string& path, std::string& error);

inline constexpr std::size_t kWavHeaderSize = 44;
// RIFF size 36 and data size 0, as at the start of a recording.
std::array<std::uint8_t, kWavHeaderSize> wavHeader(std::uint32_t channels, std::uint32_t rate);
// The RIFF and data size fields for `dataBytes` bytes of samples, at offsets 4 and 40.
std::array<std::uint8_t, 4> riffSizeField(std::uint32_t dataBytes);
std::array<std::uint8_t, 4> dataSizeField(std::uint32_t dataBytes);
inline constexpr std::size_t kRiffSizeOffset = 4;
inline constexpr std::size_t kDataSizeOffset = 40;

// A driver with one input, the file's name, playing it once in real time (or as pumped).
std::unique_ptr<GeneratedDriver> makeWavDriver(const std::string& path, std::string& error,
                                               Pacing pacing = Pacing::RealTime);

}  // namespace lr::audio
