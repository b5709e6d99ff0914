#pragma once
// An in-memory serial line. The program's end opens as a SerialPort; at the far end sits a device
// (the simulated controller) or a test that takes what was written, sends replies, moves the modem
// lines, raises line errors, and pulls the plug.
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "device/serial_port.h"

namespace lr::device {

class MemoryLine;

// What sits at the far end: receives every write and may answer through the line.
class LineDevice {
  public:
    virtual ~LineDevice() = default;
    virtual void receive(std::string_view bytes, MemoryLine& line) = 0;
};

class MemoryLine : public std::enable_shared_from_this<MemoryLine> {
  public:
    static std::shared_ptr<MemoryLine> create(std::shared_ptr<LineDevice> device = nullptr);

    // The program's end: fails while unplugged or while another end is open (no sharing).
    OpenResult open(const LineSettings& settings);
    // Opens this line, for bindVirtualPort.
    PortFactory factory();

    // The far end.
    std::string takeWritten();  // what was written and not handed to a device
    void send(std::string_view bytes);
    void setModemStatus(std::uint32_t bits);
    void raiseErrors(std::uint32_t flags);
    // The open end fails as Gone from now on; opening fails until plugIn().
    void unplug();
    void plugIn();
    bool isOpen() const;
    std::optional<LineSettings> lastSettings() const;

  private:
    friend class MemoryPort;
    explicit MemoryLine(std::shared_ptr<LineDevice> device) : device_(std::move(device)) {}

    bool current(std::uint64_t session) const { return open_ && session == session_; }
    void addEvents(std::uint32_t events);
    void close(std::uint64_t session);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::shared_ptr<LineDevice> device_;
    std::mutex deviceMutex_;  // one write at a time reaches the device
    std::string written_;
    std::string input_;
    std::uint32_t modem_ = 0;
    std::uint32_t errors_ = 0;
    std::uint32_t events_ = 0;  // happened since the last wait, within the open's mask
    bool waitCancelled_ = false;
    bool plugged_ = true;
    bool open_ = false;
    std::uint64_t session_ = 0;
    std::optional<LineSettings> settings_;
};

}  // namespace lr::device
