#include "device/memory_line.h"

#include <utility>

#include "device/line_config.h"

namespace lr::device {

class MemoryPort : public SerialPort {
  public:
    MemoryPort(std::shared_ptr<MemoryLine> line, std::uint64_t session)
        : line_(std::move(line)), session_(session) {}
    ~MemoryPort() override { line_->close(session_); }

    WriteResult write(std::string_view bytes) override;
    bool present() override;
    ReadResult read(std::size_t count) override;
    std::uint32_t modemStatus() override;
    LineStatus lineStatus() override;
    PortProperties properties() override { return {115200, 0}; }
    void flush() override {}
    void purge() override;
    std::uint32_t waitEvent() override;
    void cancelWait() override;

  private:
    std::shared_ptr<MemoryLine> line_;
    std::uint64_t session_;
};

WriteResult MemoryPort::write(std::string_view bytes) {
    std::shared_ptr<LineDevice> device;
    {
        std::lock_guard lock(line_->mutex_);
        if (!line_->current(session_)) return {0, IoStatus::Gone};
        device = line_->device_;
        if (!device) line_->written_.append(bytes);
    }
    if (device) {
        std::lock_guard lock(line_->deviceMutex_);
        device->receive(bytes, *line_);
    }
    std::lock_guard lock(line_->mutex_);
    line_->addEvents(event::TxEmpty);
    return {bytes.size(), IoStatus::Done};
}

ReadResult MemoryPort::read(std::size_t count) {
    std::lock_guard lock(line_->mutex_);
    if (!line_->current(session_)) return {{}, IoStatus::Gone};
    ReadResult result{line_->input_.substr(0, count), IoStatus::Done};
    line_->input_.erase(0, result.bytes.size());
    return result;
}

bool MemoryPort::present() {
    std::lock_guard lock(line_->mutex_);
    return line_->current(session_);
}

std::uint32_t MemoryPort::modemStatus() {
    std::lock_guard lock(line_->mutex_);
    return line_->current(session_) ? line_->modem_ : 0;
}

LineStatus MemoryPort::lineStatus() {
    std::lock_guard lock(line_->mutex_);
    if (!line_->current(session_)) return {0, 0, false};
    const LineStatus status{line_->errors_, static_cast<std::uint32_t>(line_->input_.size()), true};
    line_->errors_ = 0;
    return status;
}

void MemoryPort::purge() {
    std::lock_guard lock(line_->mutex_);
    if (line_->current(session_)) line_->input_.clear();
}

std::uint32_t MemoryPort::waitEvent() {
    std::unique_lock lock(line_->mutex_);
    line_->changed_.wait(
        lock, [this] { return line_->events_ != 0 || line_->waitCancelled_ || !line_->current(session_); });
    if (line_->waitCancelled_ || !line_->current(session_)) return 0;
    return std::exchange(line_->events_, 0);
}

void MemoryPort::cancelWait() {
    {
        std::lock_guard lock(line_->mutex_);
        if (line_->current(session_)) line_->waitCancelled_ = true;
    }
    line_->changed_.notify_all();
}

std::shared_ptr<MemoryLine> MemoryLine::create(std::shared_ptr<LineDevice> device) {
    return std::shared_ptr<MemoryLine>(new MemoryLine(std::move(device)));
}

OpenResult MemoryLine::open(const LineSettings& settings) {
    std::lock_guard lock(mutex_);
    if (!plugged_) return {nullptr, "the device is not connected"};
    if (open_) return {nullptr, "the port is in use"};
    open_ = true;
    ++session_;
    settings_ = settings;
    events_ = 0;
    waitCancelled_ = false;
    return {std::make_unique<MemoryPort>(shared_from_this(), session_), {}};
}

PortFactory MemoryLine::factory() {
    return [line = shared_from_this()](const LineSettings& settings) { return line->open(settings); };
}

void MemoryLine::close(std::uint64_t session) {
    {
        std::lock_guard lock(mutex_);
        if (current(session)) open_ = false;
    }
    changed_.notify_all();
}

std::string MemoryLine::takeWritten() {
    std::lock_guard lock(mutex_);
    return std::exchange(written_, {});
}

void MemoryLine::send(std::string_view bytes) {
    std::lock_guard lock(mutex_);
    if (!open_) return;
    input_.append(bytes);
    std::uint32_t events = event::RxChar;
    if (settings_ && bytes.find(settings_->evtChar) != std::string_view::npos) events |= event::RxFlag;
    if (settings_ && input_.size() * 5 >= std::size_t{settings_->inBufSize} * 4) events |= event::Rx80Full;
    addEvents(events);
}

void MemoryLine::setModemStatus(std::uint32_t bits) {
    std::lock_guard lock(mutex_);
    const std::uint32_t changed = modem_ ^ bits;
    modem_ = bits;
    std::uint32_t events = 0;
    if (changed & modem::Cts) events |= event::Cts;
    if (changed & modem::Dsr) events |= event::Dsr;
    if (changed & modem::Rlsd) events |= event::Rlsd;
    if (changed & bits & modem::Ring) events |= event::Ring;
    addEvents(events);
}

void MemoryLine::raiseErrors(std::uint32_t flags) {
    std::lock_guard lock(mutex_);
    errors_ |= flags;
    addEvents(event::Err | ((flags & lineError::Break) ? event::Break : 0));
}

void MemoryLine::addEvents(std::uint32_t events) {
    if (!open_ || !settings_) return;
    events &= settings_->eventMask;
    if (events == 0) return;
    events_ |= events;
    changed_.notify_all();
}

void MemoryLine::unplug() {
    {
        std::lock_guard lock(mutex_);
        plugged_ = false;
        open_ = false;
        input_.clear();
    }
    changed_.notify_all();
}

void MemoryLine::plugIn() {
    std::lock_guard lock(mutex_);
    plugged_ = true;
}

bool MemoryLine::isOpen() const {
    std::lock_guard lock(mutex_);
    return open_;
}

std::optional<LineSettings> MemoryLine::lastSettings() const {
    std::lock_guard lock(mutex_);
    return settings_;
}

}  // namespace lr::device
