#pragma once
// The line-event thread of an open port: waits for the port's line events and reports each with what
// its outputs need, read on that thread. Stopping cancels the wait and joins.
#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

#include "device/serial_port.h"

namespace lr::device {

struct LineEvent {
    std::uint32_t events = 0;
    std::uint32_t inQueue = 0;  // with RxChar or Err
    std::uint32_t errors = 0;   // with Err
    std::uint32_t modem = 0;    // with Cts, Dsr, Rlsd or Ring
};

class LineEventThread {
  public:
    using Report = std::function<void(const LineEvent&)>;
    using Ended = std::function<void()>;

    // `report` and `ended` (the wait failed without being stopped) run on the thread.
    LineEventThread(SerialPort& port, Report report, Ended ended);
    ~LineEventThread();
    LineEventThread(const LineEventThread&) = delete;
    LineEventThread& operator=(const LineEventThread&) = delete;

  private:
    void run();

    SerialPort& port_;
    Report report_;
    Ended ended_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

}  // namespace lr::device
