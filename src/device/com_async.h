#pragma once
// THIComAsync: the link to the controller. Opens a COM port configured completely from its properties,
// writes and reads strings of bytes unchanged, and can run a thread that turns line events into event
// outputs, delivered on the loop thread. doWrite, doRead and IsOpen may be used from any thread.
// A write holds its caller no longer than the command's line time: what the port has not taken by then
// follows from a writer thread, and its onWrite comes later, on the loop thread.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/line_events.h"
#include "device/port_writer.h"
#include "device/serial_port.h"
#include "runtime/element.h"
#include "runtime/point.h"
#include "ui/loop.h"

namespace lr {

class THIComAsync : public Element {
  public:
    THIComAsync() = default;
    ~THIComAsync() override;

    std::string Port_;  // the `Port` property
    std::int32_t Baud_ = 9600;
    std::int32_t InBufSize = 512;
    std::int32_t OutBufSize = 512;
    std::int32_t Parity = 0;
    bool ParityCheck = false;
    bool ErrorCharReplace = false;
    std::int32_t ErrorChar = 0;
    std::int32_t ByteSize = 3;
    std::int32_t StopBits = 0;
    bool DiscardNull = false;
    bool AbortOnError = false;
    std::int32_t EvtChar = 0;
    std::int32_t DtrControl_ = 0;
    std::int32_t RtsControl_ = 0;
    bool DsrSensitivity = false;
    bool OutxCtsFlow = false;
    bool OutxDsrFlow = false;
    bool TxContinueOnXoff = false;
    bool InX = false;
    bool OutX = false;
    std::int32_t XonChar = 17;
    std::int32_t XoffChar = 19;
    bool EvRxChar = false;
    bool EvRxFlag = false;
    bool EvTxEmpty = false;
    bool EvCts = false;
    bool EvDsr = false;
    bool EvRlsd = false;
    bool EvBreak = false;
    bool EvErr = false;
    bool EvRing = false;
    bool EvRx80Full = false;
    std::uint32_t ReadIntervalTimeout = 0xFFFFFFFF;
    std::uint32_t ReadTotalConstant = 0;
    std::uint32_t ReadTotalMultiplier = 0;
    std::uint32_t WriteTotalConstant = 100;
    std::uint32_t WriteTotalMultiplier = 100;
    bool FlushOnClose = false;
    // When the device is found gone (unplugged, powered off) by a write, a read, or the check of the
    // open port every 500 ms, close at once and reopen the same port as soon as it is back, retrying
    // after 250, 500, 1000 and then every 1500 ms.
    bool Reconnect = false;

    Point Port;
    Point Baud;
    Point DtrControl;
    Point RtsControl;

    Point onBeforeOpen;
    Point onOpen;
    Point onBeforeClose;
    Point onClose;
    Point onWrite;
    Point onRead;
    Point onRxChar;
    Point onRxFlag;
    Point onTxEmpty;
    Point onCts;
    Point onDsr;
    Point onRlsd;
    Point onBreak;
    Point onErr;
    Point onRing;
    Point onRx80Full;

    void doOpen(TData& data);
    void doClose(TData& data);
    void doWrite(TData& data);
    void doRead(TData& data);
    // Closes and opens the same port again, as doClose and doOpen would; with Reconnect, a device that is
    // away just then is retried until it answers.
    void doReopen(TData& data);
    void IsOpen(TData& data);

    bool isOpen() const { return open_; }
    // The lines of the last error report.
    const std::vector<std::string>& errors() const { return errors_; }
    const device::PortProperties& properties() const { return properties_; }
    // Commands that did not reach the port: it did not take them in time, or closed or vanished first.
    std::uint64_t droppedWrites() const;

    static constexpr std::uint32_t kWatchMs = 500;

  private:
    // The open port, shared with the threads that write while the loop thread may close it.
    struct Link {
        std::unique_ptr<device::SerialPort> port;
        std::unique_ptr<device::PortWriter> writer;  // after the port: stops before it closes
        ui::Loop* loop;
        std::atomic<bool> goneReported{false};
    };

    device::LineSettings lineSettings(TData& data);
    bool openLink(const std::string& name, const device::LineSettings& settings);
    void announceOpen(int number);
    void closeLink(bool announce, bool drain);
    std::shared_ptr<Link> currentLink() const;
    void startWriter(const std::shared_ptr<Link>& link, const device::LineSettings& settings);
    void reportWrite(const std::shared_ptr<Link>& link, const device::WriteResult& result);
    void stopWriter(Link& link, bool drain);
    template <class Action>
    auto onLoop(const std::weak_ptr<Link>& link, Action action);
    void reportGone(const std::shared_ptr<Link>& link);
    void linkVanished(const std::shared_ptr<Link>& link);
    void startEvents(const std::shared_ptr<Link>& link);
    void fireLineEvent(const device::LineEvent& e);
    void fireErrors(std::uint32_t errors);
    bool reopenLink();
    void startRetrying();
    void scheduleRetry();
    void retry();
    void stopRetry();
    void startWatch();
    void watch();
    void stopWatch();

    mutable std::mutex linkMutex_;
    std::shared_ptr<Link> link_;
    std::atomic<bool> open_{false};
    std::unique_ptr<device::LineEventThread> events_;
    std::string openedName_;
    device::LineSettings openedSettings_;
    device::PortProperties properties_;
    std::vector<std::string> errors_;
    ui::Loop* retryLoop_ = nullptr;
    ui::TimerId retryTimer_ = 0;
    std::size_t retryAttempt_ = 0;
    ui::Loop* watchLoop_ = nullptr;
    ui::TimerId watchTimer_ = 0;
    std::atomic<std::uint64_t> closedDrops_{0};                   // of the links closed before
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);  // for tasks posted to the loop
};

}  // namespace lr
