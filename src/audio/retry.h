#pragma once
// How long a capture waits before it tries its lost source again: a quick first try, for a server
// that restarts, then longer pauses that settle at 2 s.
#include <algorithm>
#include <chrono>

namespace lr::audio {

constexpr std::chrono::milliseconds retryPause(unsigned failures) {
    constexpr std::chrono::milliseconds first{250}, longest{2000};
    return std::min(first * (1u << std::min(failures, 3u)), longest);
}

}  // namespace lr::audio
