#include "device/port_writer.h"

#include <algorithm>
#include <chrono>

namespace lr::device {

namespace {

constexpr std::uint64_t kBitsPerByte = 10;  // start, eight data, stop

}  // namespace

PortWriter::PortWriter(SerialPort& port, std::uint32_t baud, std::size_t queueBytes, Finished finished)
    : port_(port),
      baud_(std::max<std::uint32_t>(baud, 1)),
      queueBytes_(queueBytes),
      finished_(std::move(finished)),
      thread_([this] { run(); }) {}

PortWriter::~PortWriter() {
    stop();
}

// The time the line needs for the bytes, rounded up.
std::uint32_t PortWriter::holdMs(std::size_t bytes) const {
    const std::uint64_t ms = (bytes * kBitsPerByte * 1000 + baud_ - 1) / baud_;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(ms, kMaxHoldMs));
}

PortWriter::Accepted PortWriter::write(std::string_view bytes) {
    std::unique_lock lock(mutex_);
    if (stopping_) {
        ++dropped_;
        return {};
    }
    if (busy_ || !queue_.empty()) return {enqueue(bytes) ? Outcome::Queued : Outcome::Dropped, {}};
    busy_ = true;
    lock.unlock();
    const WriteResult result = port_.writeWithin(bytes, holdMs(bytes.size()));
    lock.lock();
    busy_ = false;
    const bool cut = result.status == IoStatus::Done && result.written < bytes.size() && !stopping_;
    if (cut) keepRest(bytes, result.written);
    changed_.notify_all();
    if (cut) return {Outcome::Queued, {}};
    return {Outcome::Written, result};
}

// The bound is on what waits behind the command on its way out.
bool PortWriter::enqueue(std::string_view bytes) {
    const std::size_t head = queue_.empty() ? 0 : queue_.front().bytes.size() - queue_.front().sent;
    const std::size_t waiting = queuedBytes_ - head;
    if (waiting != 0 && waiting + bytes.size() > queueBytes_) {
        ++dropped_;
        return false;
    }
    queue_.push_back({std::string(bytes), 0});
    queuedBytes_ += bytes.size();
    changed_.notify_all();
    return true;
}

// Whatever was queued while the start went out came later: the rest goes first.
void PortWriter::keepRest(std::string_view bytes, std::size_t sent) {
    queue_.push_front({std::string(bytes), sent});
    queuedBytes_ += bytes.size() - sent;
}

bool PortWriter::drain(std::uint32_t limitMs) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(limitMs), [this] {
        return stopping_ || (queue_.empty() && !busy_);
    }) && !stopping_;
}

void PortWriter::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        dropAll();
    }
    changed_.notify_all();
    port_.cancelWrites();
    if (thread_.joinable()) thread_.join();
}

void PortWriter::dropAll() {
    dropped_ += queue_.size();
    queue_.clear();
    queuedBytes_ = 0;
}

void PortWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || (!busy_ && !queue_.empty()); });
        if (stopping_) return;
        busy_ = true;
        const std::string rest = queue_.front().bytes.substr(queue_.front().sent);
        lock.unlock();
        const WriteResult result = port_.write(rest);
        lock.lock();
        busy_ = false;
        if (stopping_) return;
        const std::optional<WriteResult> report = settle(result);
        changed_.notify_all();
        if (!report) continue;
        lock.unlock();
        finished_(*report);
        lock.lock();
    }
}

// A write that timed out leaves the rest at the head, to go on when the port takes bytes again.
std::optional<WriteResult> PortWriter::settle(const WriteResult& result) {
    Pending& head = queue_.front();
    head.sent += result.written;
    queuedBytes_ -= result.written;
    if (result.status == IoStatus::Done && head.sent < head.bytes.size()) return std::nullopt;
    const WriteResult report{result.status == IoStatus::Done ? head.bytes.size() : result.written,
                             result.status};
    if (result.status != IoStatus::Done) ++dropped_;
    queuedBytes_ -= head.bytes.size() - head.sent;
    queue_.pop_front();
    if (result.status == IoStatus::Gone) dropAll();
    return report;
}

}  // namespace lr::device
