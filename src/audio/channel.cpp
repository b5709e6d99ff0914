#include "audio/channel.h"

#include <algorithm>

namespace lr::audio {

void Channel::frames(std::span<const float> interleaved, SampleFormat format) {
    if (!active_.load()) return;
    const std::span<const std::int16_t> samples = converter_.convert(interleaved, format);
    if (samples.empty()) return;
    remember(samples);
    if (proc_ && !proc_(handle_, samples.data(), static_cast<std::uint32_t>(samples.size_bytes()), user_))
        active_.store(false);
}

void Channel::remember(std::span<const std::int16_t> samples) {
    const std::uint32_t channels = converter_.target().channels;
    const float scale = 1.0f / (32768.0f * static_cast<float>(channels));
    const std::lock_guard lock(recentMutex_);
    for (std::size_t i = 0; i + channels <= samples.size(); i += channels) {
        int sum = 0;
        for (std::uint32_t c = 0; c < channels; ++c)
            sum += samples[i + c];
        recent_[next_] = static_cast<float>(sum) * scale;
        next_ = (next_ + 1) % recent_.size();
        ++kept_;
    }
}

void Channel::interrupted() {
    const std::lock_guard lock(recentMutex_);
    recent_.fill(0.0f);
    kept_ += recent_.size();
}

std::uint64_t Channel::latest(std::span<float, kFftSize> out) const {
    const std::lock_guard lock(recentMutex_);
    const auto split = recent_.begin() + static_cast<std::ptrdiff_t>(next_);
    std::copy(recent_.begin(), split, std::copy(split, recent_.end(), out.begin()));
    return kept_;
}

std::uint64_t Channel::kept() const {
    const std::lock_guard lock(recentMutex_);
    return kept_;
}

void Channel::stop() {
    active_.store(false);
    capture_.reset();
}

}  // namespace lr::audio
