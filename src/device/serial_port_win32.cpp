// The overlapped Win32 backend: "\\.\COMn" opened for overlapped I/O and configured in the driver's
// order (purge, setup, state, time-outs, mask). Every wait is bounded by the line's time-outs, so a
// driver that ignores them, or a device that vanished, cannot hold the caller.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

#include "device/line_config.h"
#include "device/system_port.h"

namespace lr::device::detail {

namespace {

// Slack beyond a time-out before we cancel a transfer the driver has not ended itself.
constexpr DWORD kGraceMs = 20;
// Waits are sliced so that a closing port can end a write soon.
constexpr DWORD kSliceMs = 20;
constexpr DWORD kCommPropertiesSize = sizeof(COMMPROP);

class Event {
  public:
    Event() : handle_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Event() {
        if (handle_) CloseHandle(handle_);
    }
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

std::string describe(const std::string& path, DWORD error) {
    char text[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                   sizeof text, nullptr);
    std::string message = path + ": " + text;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message;
}

void applyControlBlock(DCB& dcb, const ControlBlock& block) {
    const std::uint32_t f = block.flags;
    dcb.DCBlength = block.length;
    dcb.BaudRate = block.baud;
    dcb.fBinary = (f & dcb::Binary) != 0;
    dcb.fParity = (f & dcb::Parity) != 0;
    dcb.fOutxCtsFlow = (f & dcb::OutxCtsFlow) != 0;
    dcb.fOutxDsrFlow = (f & dcb::OutxDsrFlow) != 0;
    dcb.fDtrControl = (f >> 4) & 3;
    dcb.fDsrSensitivity = (f & dcb::DsrSensitivity) != 0;
    dcb.fTXContinueOnXoff = (f & dcb::TxContinueOnXoff) != 0;
    dcb.fOutX = (f & dcb::OutX) != 0;
    dcb.fInX = (f & dcb::InX) != 0;
    dcb.fErrorChar = (f & dcb::ErrorChar) != 0;
    dcb.fNull = (f & dcb::Null) != 0;
    dcb.fRtsControl = (f >> 12) & 3;
    dcb.fAbortOnError = (f & dcb::AbortOnError) != 0;
    dcb.XonLim = block.xonLim;
    dcb.XoffLim = block.xoffLim;
    dcb.ByteSize = block.byteSize;
    dcb.Parity = block.parity;
    dcb.StopBits = block.stopBits;
    dcb.XonChar = block.xonChar;
    dcb.XoffChar = block.xoffChar;
    dcb.ErrorChar = block.errorChar;
    dcb.EvtChar = block.evtChar;
}

COMMTIMEOUTS commTimeouts(const Timeouts& t) {
    return {t.readInterval, t.readTotalMultiplier, t.readTotalConstant, t.writeTotalMultiplier,
            t.writeTotalConstant};
}

// The fixed part first; a driver that reports a longer packet gets a buffer of that size.
PortProperties commProperties(HANDLE h) {
    std::vector<COMMPROP> buffer(1);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto size = static_cast<WORD>(buffer.size() * kCommPropertiesSize);
        buffer[0].wPacketLength = size;
        buffer[0].dwProvSpec1 = COMMPROP_INITIALIZED;
        if (!GetCommProperties(h, buffer.data())) return {};
        if (buffer[0].wPacketLength <= size) break;
        buffer.resize((buffer[0].wPacketLength + kCommPropertiesSize - 1) / kCommPropertiesSize);
    }
    return {buffer[0].dwMaxBaud, buffer[0].dwProvSubType};
}

DWORD waitLimit(std::optional<std::uint64_t> limitMs) {
    if (!limitMs) return INFINITE;
    return static_cast<DWORD>(std::min<std::uint64_t>(*limitMs + kGraceMs, INFINITE - 1));
}

class Win32Port : public SerialPort {
  public:
    Win32Port(HANDLE h, const LineSettings& settings, bool overlapped)
        : h_(h), settings_(settings), overlapped_(overlapped) {}
    ~Win32Port() override { CloseHandle(h_); }

    WriteResult write(std::string_view bytes) override;
    WriteResult writeWithin(std::string_view bytes, std::uint32_t limitMs) override;
    void cancelWrites() override { writesCancelled_ = true; }
    bool present() override;
    ReadResult read(std::size_t count) override;
    std::uint32_t modemStatus() override;
    LineStatus lineStatus() override;
    PortProperties properties() override { return commProperties(h_); }
    void flush() override { FlushFileBuffers(h_); }
    void purge() override { PurgeComm(h_, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR); }
    std::uint32_t waitEvent() override;
    void cancelWait() override;

  private:
    struct Transfer {
        DWORD bytes = 0;
        IoStatus status = IoStatus::Done;
    };
    template <class Start>
    Transfer transfer(const Event& event, std::optional<std::uint64_t> limitMs, Start start);
    bool waitDone(const Event& event, DWORD limitMs) const;
    WriteResult writeFor(std::string_view bytes, std::optional<std::uint64_t> limitMs);
    IoStatus failure(IoStatus otherwise) { return lineStatus().ok ? otherwise : IoStatus::Gone; }
    std::optional<std::uint64_t> readLimit(std::size_t count) const;

    HANDLE h_;
    const LineSettings settings_;
    const bool overlapped_;
    std::mutex writeMutex_;
    std::mutex readMutex_;
    Event writeEvent_;
    Event readEvent_;
    Event waitEvent_;
    OVERLAPPED waitOverlapped_{};
    std::atomic<bool> waitCancelled_{false};
    std::atomic<bool> writesCancelled_{false};
    std::atomic<DWORD> seenErrors_{0};  // found by present(), reported by the next lineStatus()
};

// False when the limit passed or the port is closing; a failed wait leaves it to the completion.
bool Win32Port::waitDone(const Event& event, DWORD limitMs) const {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        const ULONGLONG spent = GetTickCount64() - start;
        if (limitMs != INFINITE && spent >= limitMs) return false;
        const DWORD left = limitMs == INFINITE ? kSliceMs : static_cast<DWORD>(limitMs - spent);
        if (WaitForSingleObject(event.get(), std::min(left, kSliceMs)) != WAIT_TIMEOUT) return true;
        if (writesCancelled_ && &event == &writeEvent_) return false;
    }
}

// One transfer, waited for; past its limit it is cancelled and ends with what it moved, like a
// time-out. A transfer refused at once ends as Refused, or Gone when the device no longer answers.
template <class Start>
Win32Port::Transfer Win32Port::transfer(const Event& event, std::optional<std::uint64_t> limitMs,
                                        Start start) {
    OVERLAPPED ov{};
    ov.hEvent = event.get();
    ResetEvent(event.get());
    DWORD n = 0;
    if (start(overlapped_ ? &ov : nullptr, &n)) return {n, IoStatus::Done};
    if (!overlapped_ || GetLastError() != ERROR_IO_PENDING) return {n, failure(IoStatus::Refused)};
    const bool timedOut = !waitDone(event, waitLimit(limitMs));
    if (timedOut) CancelIoEx(h_, &ov);
    if (GetOverlappedResult(h_, &ov, &n, TRUE)) return {n, IoStatus::Done};
    if (timedOut && GetLastError() == ERROR_OPERATION_ABORTED) return {n, IoStatus::Done};
    return {n, failure(IoStatus::Failed)};
}

WriteResult Win32Port::write(std::string_view bytes) {
    return writeFor(bytes, settings_.timeouts.writeLimit(bytes.size()));
}

WriteResult Win32Port::writeWithin(std::string_view bytes, std::uint32_t limitMs) {
    return writeFor(bytes, limitMs);
}

WriteResult Win32Port::writeFor(std::string_view bytes, std::optional<std::uint64_t> limitMs) {
    std::lock_guard lock(writeMutex_);
    if (writesCancelled_) return {0, IoStatus::Done};
    const Transfer t = transfer(writeEvent_, limitMs, [&](OVERLAPPED* ov, DWORD* n) {
        return WriteFile(h_, bytes.data(), static_cast<DWORD>(bytes.size()), n, ov);
    });
    return {t.bytes, t.status};
}

// Asking for the status is how a removed device shows; the errors it clears are kept for lineStatus().
bool Win32Port::present() {
    DWORD errors = 0;
    COMSTAT stat{};
    if (!ClearCommError(h_, &errors, &stat)) return false;
    seenErrors_ |= errors;
    return true;
}

std::optional<std::uint64_t> Win32Port::readLimit(std::size_t count) const {
    const Timeouts& t = settings_.timeouts;
    if (t.readReturnsAtOnce()) return 0;
    if (t.readTotalConstant == 0 && t.readTotalMultiplier == 0) return std::nullopt;
    return t.readTotalConstant + std::uint64_t{t.readTotalMultiplier} * count;
}

ReadResult Win32Port::read(std::size_t count) {
    std::lock_guard lock(readMutex_);
    std::string buffer(count, '\0');
    const Transfer t = transfer(readEvent_, readLimit(count), [&](OVERLAPPED* ov, DWORD* n) {
        return ReadFile(h_, buffer.data(), static_cast<DWORD>(count), n, ov);
    });
    buffer.resize(t.bytes);
    return {std::move(buffer), t.status};
}

std::uint32_t Win32Port::modemStatus() {
    DWORD status = 0;
    if (!GetCommModemStatus(h_, &status)) return 0;
    return status & (modem::Cts | modem::Dsr | modem::Ring | modem::Rlsd);
}

LineStatus Win32Port::lineStatus() {
    DWORD errors = 0;
    COMSTAT stat{};
    if (!ClearCommError(h_, &errors, &stat)) return {0, 0, false};
    return {errors | seenErrors_.exchange(0), stat.cbInQue, true};
}

std::uint32_t Win32Port::waitEvent() {
    if (waitCancelled_ || !overlapped_) return 0;
    waitOverlapped_ = OVERLAPPED{};
    waitOverlapped_.hEvent = waitEvent_.get();
    ResetEvent(waitEvent_.get());
    DWORD mask = 0;
    if (!WaitCommEvent(h_, &mask, &waitOverlapped_)) {
        if (GetLastError() != ERROR_IO_PENDING) return 0;
        DWORD n = 0;
        if (!GetOverlappedResult(h_, &waitOverlapped_, &n, TRUE)) return 0;
    }
    return waitCancelled_ ? 0 : mask;
}

// A new mask ends the pending wait; the cancel covers drivers that do not.
void Win32Port::cancelWait() {
    waitCancelled_ = true;
    SetCommMask(h_, 0);
    CancelIoEx(h_, &waitOverlapped_);
}

std::string devicePath(const std::string& name) {
    return name.rfind("\\\\.\\", 0) == 0 ? name : "\\\\.\\" + name;
}

bool configure(HANDLE h, const LineSettings& settings) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    GetCommState(h, &dcb);
    applyControlBlock(dcb, controlBlock(settings));
    COMMTIMEOUTS timeouts = commTimeouts(settings.timeouts);
    if (!PurgeComm(h, PURGE_RXCLEAR | PURGE_TXCLEAR)) return false;
    SetupComm(h, settings.inBufSize, settings.outBufSize);
    return SetCommState(h, &dcb) && SetCommTimeouts(h, &timeouts) && SetCommMask(h, settings.eventMask);
}

bool configureProbe(HANDLE h, const ProbeSettings& probe) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    const std::string control = probeControlText(probe.baud, probe.parity);
    const DWORD t = probe.timeout;
    COMMTIMEOUTS timeouts{t, t, t, t, t};
    return GetCommState(h, &dcb) && BuildCommDCBA(control.c_str(), &dcb) && SetCommState(h, &dcb) &&
           SetCommTimeouts(h, &timeouts);
}

HANDLE openHandle(const std::string& path, DWORD flags) {
    return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, flags, nullptr);
}

}  // namespace

OpenResult openSystemPort(const std::string& name, const LineSettings& settings) {
    const std::string path = devicePath(name);
    const HANDLE h = openHandle(path, FILE_FLAG_OVERLAPPED);
    if (h == INVALID_HANDLE_VALUE) return {nullptr, describe(path, GetLastError())};
    if (!configure(h, settings)) {
        const DWORD error = GetLastError();
        CloseHandle(h);
        return {nullptr, describe(path, error)};
    }
    return {std::make_unique<Win32Port>(h, settings, true), {}};
}

OpenResult openSystemProbePort(int number, const ProbeSettings& probe) {
    const std::string path = "\\\\.\\Com" + std::to_string(number);
    const HANDLE h = openHandle(path, 0);
    if (h == INVALID_HANDLE_VALUE) return {nullptr, describe(path, GetLastError())};
    if (!configureProbe(h, probe)) {
        const DWORD error = GetLastError();
        CloseHandle(h);
        return {nullptr, describe(path, error)};
    }
    return {std::make_unique<Win32Port>(h, probeLineSettings(probe), false), {}};
}

void raiseThreadPriority() {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
}

}  // namespace lr::device::detail
