#pragma once
// Writes commands to a port without holding up the caller. What the port takes within the command's
// own line time goes out at once; the rest, and whatever comes while it waits, leaves in order from a
// worker thread. A command goes out whole: once it has started, its rest goes before anything else;
// one that finds the queue full is dropped and counted, never cut.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "device/serial_port.h"

namespace lr::device {

class PortWriter {
  public:
    enum class Outcome { Written, Queued, Dropped };
    struct Accepted {
        Outcome outcome = Outcome::Dropped;
        WriteResult result;  // with Written
    };
    // A queued command went out (written: its whole size) or failed; on the worker thread.
    using Finished = std::function<void(const WriteResult& result)>;

    // `queueBytes` bounds what may wait behind the command going out; one command always may.
    PortWriter(SerialPort& port, std::uint32_t baud, std::size_t queueBytes, Finished finished);
    ~PortWriter();
    PortWriter(const PortWriter&) = delete;
    PortWriter& operator=(const PortWriter&) = delete;

    // Any thread; waits for the port no longer than the command's line time, and at most kMaxHoldMs.
    Accepted write(std::string_view bytes);
    // Waits until all that was queued has gone out, at most `limitMs`; false when it has not.
    bool drain(std::uint32_t limitMs);
    // Drops what waits and ends the write in progress; later commands are dropped.
    void stop();
    // Commands that did not go out: the queue was full, or the port closed or vanished under them.
    std::uint64_t dropped() const { return dropped_; }

    static constexpr std::uint32_t kMaxHoldMs = 50;

  private:
    struct Pending {
        std::string bytes;
        std::size_t sent = 0;
    };

    std::uint32_t holdMs(std::size_t bytes) const;
    bool enqueue(std::string_view bytes);
    void keepRest(std::string_view bytes, std::size_t sent);
    void run();
    // Applies a write of the head's rest; returns the report for a head that is done with.
    std::optional<WriteResult> settle(const WriteResult& result);
    void dropAll();

    SerialPort& port_;
    const std::uint32_t baud_;
    const std::size_t queueBytes_;
    Finished finished_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Pending> queue_;  // the head may have gone out in part
    std::size_t queuedBytes_ = 0;
    bool busy_ = false;  // a write is on its way to the port
    bool stopping_ = false;
    std::atomic<std::uint64_t> dropped_{0};
    std::thread thread_;
};

}  // namespace lr::device
