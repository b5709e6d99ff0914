#pragma once
// The band boundary list of the spectrum element: "1;3;5;10" -> bin boundaries, and the ranges between them.
#include <array>
#include <cstdint>
#include <string_view>

namespace lr::audio {

inline constexpr std::int32_t kLowestBin = 1;
inline constexpr std::int32_t kHighestBin = 743;
inline constexpr std::size_t kBoundCapacity = 744;
inline constexpr std::string_view kDefaultBands = "1;3;5;10;20;30;50;100;150;200;300";

struct Bounds {
    std::array<std::int32_t, kBoundCapacity> table{};
    // Counted entries: a number ends with ";"; a last number without one is stored but not counted.
    std::int32_t count = 0;

    // Ranges i = 0 .. rangeCount()-1 cover bins table[i] .. table[i+1]-1 (none when that is empty).
    std::int32_t rangeCount() const { return count < 2 ? 0 : count - 1; }
};

// An empty text means kDefaultBands. Numbers past the table's capacity are ignored.
Bounds parseBounds(std::string_view text);

}  // namespace lr::audio
