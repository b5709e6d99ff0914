#pragma once
// Ports for the element tests: in-memory lines bound to COM numbers, on the headless loop.
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "device/memory_line.h"
#include "device/serial_port.h"
#include "headless_fixture.h"

// A memory line offered as COM<number>, counting the attempts to open it.
struct BoundLine {
    explicit BoundLine(int number, std::shared_ptr<lr::device::LineDevice> device = nullptr)
        : line(lr::device::MemoryLine::create(std::move(device))),
          binding(number, [this](const lr::device::LineSettings& s) {
              ++openAttempts;
              return line->open(s);
          }) {}
    std::shared_ptr<lr::device::MemoryLine> line;
    int openAttempts = 0;
    lr::device::VirtualPortBinding binding;
};

// Only the test's own ports exist: the machine's stay untouched.
class DeviceTest : public HeadlessTest {
  protected:
    DeviceTest() { lr::device::useSystemPorts(false); }
    ~DeviceTest() override { lr::device::useSystemPorts(true); }

    // Runs the loop's posted tasks until `done`; for results that a worker thread posts. The bound
    // only keeps a broken build from hanging; nothing here measures time.
    bool pumpUntil(const std::function<bool()>& done) {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done()) {
            if (std::chrono::steady_clock::now() > giveUp) return false;
            std::this_thread::yield();
            loop.pump();
        }
        return true;
    }
};
