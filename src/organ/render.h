#pragma once
// The colour organ run offline on a recorded track: tick n (n >= 1) happens at n x 50 ms of the track's
// time and analyses the 2048 most recent samples up to that moment (zeros before the track starts).
// Everything runs on the caller's clock, so a track renders as fast as the engine computes.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/platform.h"

namespace lr::organ {

struct RenderOptions {
    std::string scheme;  // the scheme file
    std::string track;   // a 16-bit PCM WAV file
    std::uint32_t seed = 0;
    // bar_1 .. bar_12, bar_beat, bar_act in place of the scheme's values.
    std::optional<std::array<std::int32_t, 14>> bars;
};

struct RenderSink {
    // A channel command and the time of its tick.
    std::function<void(std::uint64_t ms, std::string_view command)> command;
    // A formula that failed (once each): its name, the error index (0 syntax, 1 calculation), the place.
    std::function<void(std::string_view formula, int index, int line, int column)> formulaError;
};

// Where the render runs: a platform whose loop only moves when `advance` moves it on.
struct RenderWorld {
    ui::Platform& platform;
    std::function<void(std::uint32_t ms)> advance;
};

// False, with the reason, when the scheme or the track cannot be read.
bool render(const RenderOptions& options, const RenderSink& sink, const RenderWorld& world,
            std::string& error);

}  // namespace lr::organ
