#pragma once
// The process-wide random generator: seed x 134775813 + 1 (mod 2^32), read as a fraction of 2^32.
#include <cstdint>

namespace lr {

std::uint32_t randomSeed();
void setRandomSeed(std::uint32_t seed);
// The next number in [0, 1).
double nextRandom();
// The next integer in [0, range) for range > 0.
std::uint32_t nextRandomBelow(std::uint32_t range);

}  // namespace lr
