#pragma once
// The device state as the Effect page reads it: one character per position, and the program presets.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lr::effect {

inline constexpr std::string_view kZeroState = "0000000000000000000000000000000";
inline constexpr std::size_t kPrograms = 10;
inline constexpr std::size_t kSpeedPosition = 31;
inline constexpr std::size_t kFirstEffectPosition = 25;

// The digit at a 1-based position by the usual text-to-number rule: a letter, a sign or a missing
// character reads as 0.
std::int32_t stateDigit(std::string_view state, std::size_t position);

// The program's preset resource "Str3": one state line per program index, EEP1 … FLP4.
std::string_view presetResource();
std::vector<std::string> presetLines();

}  // namespace lr::effect
