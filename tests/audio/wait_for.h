#pragma once
// Waiting on another process (a sound server, Wine's audio): polls, never measures time.
#include <chrono>
#include <thread>

// Polls `done` every 20 ms until it holds or `limit` passes.
template <class Done>
bool within(std::chrono::milliseconds limit, Done done) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}
