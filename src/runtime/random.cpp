#include "runtime/random.h"

#include <atomic>

namespace lr {

namespace {
std::atomic<std::uint32_t> g_seed{0};

std::uint32_t step() {
    std::uint32_t seed = g_seed.load(std::memory_order_relaxed);
    std::uint32_t next = 0;
    do {
        next = seed * 134775813u + 1u;
    } while (!g_seed.compare_exchange_weak(seed, next, std::memory_order_relaxed));
    return next;
}
}  // namespace

std::uint32_t randomSeed() {
    return g_seed.load(std::memory_order_relaxed);
}
void setRandomSeed(std::uint32_t seed) {
    g_seed.store(seed, std::memory_order_relaxed);
}

double nextRandom() {
    return static_cast<double>(step()) / 4294967296.0;
}

std::uint32_t nextRandomBelow(std::uint32_t range) {
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(step()) * range) >> 32);
}

}  // namespace lr
