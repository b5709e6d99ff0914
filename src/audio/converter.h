#pragma once
// Turns captured frames of any rate and channel count into the 16-bit samples a channel asked for:
// channels mixed or copied, then linear resampling that carries its phase from block to block.
#include <cstdint>
#include <span>
#include <vector>

#include "audio/driver.h"

namespace lr::audio {

class Converter {
  public:
    explicit Converter(SampleFormat target) : target_(target) {}
    // The converted samples, interleaved, valid until the next call.
    std::span<const std::int16_t> convert(std::span<const float> interleaved, SampleFormat source);
    SampleFormat target() const { return target_; }

  private:
    void restart(SampleFormat source);
    void remapChannels(std::span<const float> interleaved);
    void resample();
    float at(std::size_t position, std::uint32_t channel) const;

    SampleFormat target_;
    SampleFormat source_{0, 0};
    // Of the next output, in 1/target-rate source frames; 0 = the last frame of the previous block.
    std::uint64_t position_ = 0;
    std::vector<float> previous_;  // that last frame, in target channels
    std::vector<float> remapped_;
    std::vector<std::int16_t> out_;
};

std::int16_t toSample16(float v);

}  // namespace lr::audio
