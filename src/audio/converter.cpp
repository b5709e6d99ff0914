#include "audio/converter.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace lr::audio {

std::int16_t toSample16(float v) {
    const float scaled = std::nearbyint(v * 32768.0f);
    return static_cast<std::int16_t>(std::clamp(scaled, -32768.0f, 32767.0f));
}

std::span<const std::int16_t> Converter::convert(std::span<const float> interleaved, SampleFormat source) {
    out_.clear();
    if (source.rate == 0 || source.channels == 0) return out_;
    if (source.rate != source_.rate || source.channels != source_.channels) restart(source);
    remapChannels(interleaved);
    if (source.rate == target_.rate) {
        std::transform(remapped_.begin(), remapped_.end(), std::back_inserter(out_), toSample16);
    } else {
        resample();
    }
    return out_;
}

void Converter::restart(SampleFormat source) {
    source_ = source;
    position_ = target_.rate;
    previous_.assign(target_.channels, 0.0f);
}

// Mono targets get the mean of all source channels; otherwise channel c takes source channel c,
// wrapping around when the source has fewer.
void Converter::remapChannels(std::span<const float> interleaved) {
    const std::size_t frames = interleaved.size() / source_.channels;
    remapped_.resize(frames * target_.channels);
    for (std::size_t f = 0; f < frames; ++f) {
        const float* in = &interleaved[f * source_.channels];
        float* out = &remapped_[f * target_.channels];
        if (target_.channels == 1 && source_.channels > 1) {
            float sum = 0.0f;
            for (std::uint32_t c = 0; c < source_.channels; ++c)
                sum += in[c];
            out[0] = sum / static_cast<float>(source_.channels);
        } else {
            for (std::uint32_t c = 0; c < target_.channels; ++c)
                out[c] = in[c % source_.channels];
        }
    }
}

// Position p lies between frame floor(p) and the next; frame 0 is the previous block's last one.
float Converter::at(std::size_t position, std::uint32_t channel) const {
    return position == 0 ? previous_[channel] : remapped_[(position - 1) * target_.channels + channel];
}

// Positions count in 1/target-rate parts of a source frame, so block boundaries never round.
void Converter::resample() {
    const std::size_t frames = remapped_.size() / target_.channels;
    if (frames == 0) return;
    const std::uint64_t unit = target_.rate;
    while (position_ / unit + 1 <= frames) {
        const std::size_t whole = position_ / unit;
        const float fraction = static_cast<float>(position_ % unit) / static_cast<float>(unit);
        for (std::uint32_t c = 0; c < target_.channels; ++c) {
            const float a = at(whole, c);
            out_.push_back(toSample16(a + (at(whole + 1, c) - a) * fraction));
        }
        position_ += source_.rate;
    }
    position_ -= frames * unit;
    std::copy_n(&remapped_[(frames - 1) * target_.channels], target_.channels, previous_.begin());
}

}  // namespace lr::audio
