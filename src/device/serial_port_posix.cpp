// The termios backend: the controller's line settings applied to a tty; "COMn" names the n-th entry
// of the serial device list ("serial_devices" in the settings file, else the built-in list), a path
// names itself. Line events are watched by polling in short slices.
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>
#include <utility>

#include "device/line_config.h"
#include "device/system_port.h"
#include "settings/ini_file.h"
#include "settings/paths.h"

namespace lr::device::detail {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kEventSliceMs = 20;
constexpr std::uint64_t kFlushCapMs = 1000;

struct BaudCode {
    std::uint32_t baud;
    speed_t code;
};
constexpr BaudCode kBauds[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},       {150, B150},
    {200, B200},         {300, B300},         {600, B600},         {1200, B1200},     {1800, B1800},
    {2400, B2400},       {4800, B4800},       {9600, B9600},       {19200, B19200},   {38400, B38400},
    {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800}, {921600, B921600},
    {1000000, B1000000}, {2000000, B2000000}, {4000000, B4000000},
};

std::optional<speed_t> baudCode(std::uint32_t baud) {
    for (const BaudCode& b : kBauds) {
        if (b.baud == baud) return b.code;
    }
    return std::nullopt;
}

tcflag_t sizeFlag(int byteSize) {
    static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    return byteSize >= 0 && byteSize < 4 ? kSizes[byteSize] : CS8;
}

tcflag_t parityFlags(int parity) {
    switch (parity) {
        case 1:
            return PARENB | PARODD;
        case 2:
            return PARENB;
        case 3:
            return PARENB | PARODD | CMSPAR;
        case 4:
            return PARENB | CMSPAR;
        default:
            return 0;
    }
}

// Raw bytes, reads that never wait in the driver: time-outs are applied by poll().
termios lineTermios(termios t, const LineSettings& s, speed_t speed) {
    cfmakeraw(&t);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    t.c_cflag |= CLOCAL | CREAD | sizeFlag(s.byteSize) | parityFlags(s.parity);
    if (s.stopBits != 0) t.c_cflag |= CSTOPB;  // one and a half stop bits do not exist here: two
    if (s.outxCtsFlow || s.rtsControl == 2) t.c_cflag |= CRTSCTS;
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | IGNPAR);
    if (s.outX) t.c_iflag |= IXON;
    if (s.inX) t.c_iflag |= IXOFF;
    t.c_iflag |= s.parityCheck ? INPCK : IGNPAR;
    t.c_cc[VSTART] = static_cast<cc_t>(s.xonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(s.xoffChar);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    cfsetispeed(&t, speed);
    cfsetospeed(&t, speed);
    return t;
}

// DTR and RTS as asked; a pty has no modem lines, which is fine.
void setControlLines(int fd, const LineSettings& s) {
    int dtr = TIOCM_DTR;
    int rts = TIOCM_RTS;
    ioctl(fd, s.dtrControl == 1 || s.dtrControl == 2 ? TIOCMBIS : TIOCMBIC, &dtr);
    if (s.rtsControl != 2) ioctl(fd, s.rtsControl == 1 || s.rtsControl == 3 ? TIOCMBIS : TIOCMBIC, &rts);
}

bool vanished(int error) {
    return error == EIO || error == ENXIO || error == ENODEV || error == EBADF || error == EPIPE;
}

bool hungUp(short revents) {
    return (revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

int remainingMs(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

std::string describe(const std::string& path, int error) {
    return path + ": " + std::strerror(error);
}

struct ErrorCounts {
    int frame = 0, overrun = 0, parity = 0, brk = 0, bufOverrun = 0;
};

std::optional<ErrorCounts> errorCounts(int fd) {
    serial_icounter_struct counts{};
    if (ioctl(fd, TIOCGICOUNT, &counts) != 0) return std::nullopt;
    return ErrorCounts{counts.frame, counts.overrun, counts.parity, counts.brk, counts.buf_overrun};
}

std::uint32_t newErrors(const ErrorCounts& before, const ErrorCounts& now) {
    std::uint32_t flags = 0;
    if (now.frame != before.frame) flags |= lineError::Frame;
    if (now.overrun != before.overrun) flags |= lineError::Overrun;
    if (now.parity != before.parity) flags |= lineError::RxParity;
    if (now.brk != before.brk) flags |= lineError::Break;
    if (now.bufOverrun != before.bufOverrun) flags |= lineError::RxOver;
    return flags;
}

class PosixPort : public SerialPort {
  public:
    PosixPort(int fd, const LineSettings& settings);
    ~PosixPort() override { ::close(fd_); }

    WriteResult write(std::string_view bytes) override;
    WriteResult writeWithin(std::string_view bytes, std::uint32_t limitMs) override;
    void cancelWrites() override { writesCancelled_ = true; }
    bool present() override;
    ReadResult read(std::size_t count) override;
    std::uint32_t modemStatus() override;
    LineStatus lineStatus() override;
    PortProperties properties() override { return {4000000, 1}; }
    void flush() override;
    void purge() override { tcflush(fd_, TCIOFLUSH); }
    std::uint32_t waitEvent() override;
    void cancelWait() override { waitCancelled_ = true; }

  private:
    enum class Writable { Ready, TimedOut, Gone, Failed };
    WriteResult writeFor(std::string_view bytes, std::optional<std::uint64_t> limitMs);
    Writable waitWritable(Clock::time_point deadline, bool limited);
    std::uint32_t pendingEvents();
    std::uint32_t modemEvents();
    std::uint32_t queueEvents();
    std::uint32_t takeNewErrors();
    int queued(unsigned long request) const;

    const int fd_;
    const LineSettings settings_;
    std::mutex writeMutex_;
    std::atomic<bool> waitCancelled_{false};
    std::atomic<bool> writesCancelled_{false};
    std::atomic<bool> wrote_{false};  // output since the last empty-queue event
    // Watched by the event thread only, and by lineStatus() under the mutex.
    std::mutex watchMutex_;
    std::optional<ErrorCounts> counts_;
    std::uint32_t errors_ = 0;
    std::uint32_t lastModem_ = 0;
    int lastInQueue_ = 0;
};

PosixPort::PosixPort(int fd, const LineSettings& settings)
    : fd_(fd), settings_(settings), counts_(errorCounts(fd)), lastModem_(modemStatus()) {}

// Waits in slices, so that a closing port can end the write soon.
PosixPort::Writable PosixPort::waitWritable(Clock::time_point deadline, bool limited) {
    pollfd p{fd_, POLLOUT, 0};
    const int ready = poll(&p, 1, limited ? std::min(remainingMs(deadline), kEventSliceMs) : kEventSliceMs);
    if (ready < 0) return errno == EINTR ? Writable::Ready : Writable::Failed;
    if (ready == 0) return limited && remainingMs(deadline) == 0 ? Writable::TimedOut : Writable::Ready;
    return hungUp(p.revents) ? Writable::Gone : Writable::Ready;
}

WriteResult PosixPort::write(std::string_view bytes) {
    return writeFor(bytes, settings_.timeouts.writeLimit(bytes.size()));
}

WriteResult PosixPort::writeWithin(std::string_view bytes, std::uint32_t limitMs) {
    return writeFor(bytes, limitMs);
}

// Like an overlapped write with a total time-out: a time-out ends the write with what went out.
WriteResult PosixPort::writeFor(std::string_view bytes, std::optional<std::uint64_t> limitMs) {
    std::lock_guard lock(writeMutex_);
    const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs.value_or(0));
    WriteResult result;
    while (result.written < bytes.size() && !writesCancelled_) {
        const ssize_t n = ::write(fd_, bytes.data() + result.written, bytes.size() - result.written);
        if (n > 0) {
            result.written += static_cast<std::size_t>(n);
            wrote_ = true;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) {
            result.status = vanished(errno) ? IoStatus::Gone : IoStatus::Refused;
            return result;
        }
        switch (waitWritable(deadline, limitMs.has_value())) {
            case Writable::Ready:
                continue;
            case Writable::TimedOut:
                return result;
            case Writable::Gone:
                result.status = IoStatus::Gone;
                return result;
            case Writable::Failed:
                result.status = IoStatus::Failed;
                return result;
        }
    }
    return result;
}

ReadResult PosixPort::read(std::size_t count) {
    const Timeouts& t = settings_.timeouts;
    const bool atOnce = t.readReturnsAtOnce();
    const auto total =
        std::chrono::milliseconds(t.readTotalConstant + std::uint64_t{t.readTotalMultiplier} * count);
    const auto deadline = Clock::now() + total;
    ReadResult result;
    std::string buffer(count, '\0');
    while (result.bytes.size() < count) {
        const ssize_t n = ::read(fd_, buffer.data(), count - result.bytes.size());
        if (n > 0) {
            result.bytes.append(buffer.data(), static_cast<std::size_t>(n));
            if (t.readInterval == 0xFFFFFFFF) break;  // return with what came
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) {
            result.status = vanished(errno) ? IoStatus::Gone : IoStatus::Failed;
            break;
        }
        pollfd p{fd_, POLLIN, 0};
        const int ready = poll(&p, 1, atOnce ? 0 : remainingMs(deadline));
        if (hungUp(p.revents)) {
            result.status = IoStatus::Gone;
            break;
        }
        if (ready <= 0 || !(p.revents & POLLIN)) break;
    }
    std::lock_guard lock(watchMutex_);
    lastInQueue_ = 0;
    return result;
}

std::uint32_t PosixPort::modemStatus() {
    int bits = 0;
    if (ioctl(fd_, TIOCMGET, &bits) != 0) return 0;
    std::uint32_t status = 0;
    if (bits & TIOCM_CTS) status |= modem::Cts;
    if (bits & TIOCM_DSR) status |= modem::Dsr;
    if (bits & TIOCM_RNG) status |= modem::Ring;
    if (bits & TIOCM_CAR) status |= modem::Rlsd;
    return status;
}

int PosixPort::queued(unsigned long request) const {
    int n = 0;
    return ioctl(fd_, request, &n) == 0 ? n : 0;
}

std::uint32_t PosixPort::takeNewErrors() {
    if (!counts_) return 0;
    const auto now = errorCounts(fd_);
    if (!now) return 0;
    errors_ |= newErrors(*counts_, *now);
    counts_ = now;
    return errors_;
}

// A tty whose device went away is hung up.
bool PosixPort::present() {
    pollfd p{fd_, 0, 0};
    return poll(&p, 1, 0) >= 0 && !hungUp(p.revents);
}

LineStatus PosixPort::lineStatus() {
    if (!present()) return {0, 0, false};
    std::lock_guard lock(watchMutex_);
    takeNewErrors();
    return {std::exchange(errors_, 0), static_cast<std::uint32_t>(queued(FIONREAD)), true};
}

// Waits for the output queue to drain, no longer than a write of its size may take and never more
// than kFlushCapMs: a line held by flow control must not keep the closing caller.
void PosixPort::flush() {
    const auto limit = settings_.timeouts.writeLimit(static_cast<std::size_t>(queued(TIOCOUTQ)));
    const auto deadline =
        Clock::now() + std::chrono::milliseconds(std::min(limit.value_or(kFlushCapMs), kFlushCapMs));
    while (queued(TIOCOUTQ) > 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

std::uint32_t PosixPort::modemEvents() {
    const std::uint32_t now = modemStatus();
    const std::uint32_t changed = now ^ lastModem_;
    lastModem_ = now;
    std::uint32_t events = 0;
    if (changed & modem::Cts) events |= event::Cts;
    if (changed & modem::Dsr) events |= event::Dsr;
    if (changed & modem::Rlsd) events |= event::Rlsd;
    if (changed & now & modem::Ring) events |= event::Ring;
    return events;
}

std::uint32_t PosixPort::queueEvents() {
    std::uint32_t events = 0;
    const int in = queued(FIONREAD);
    if (in > lastInQueue_) events |= event::RxChar;
    if (in * 5 >= static_cast<int>(settings_.inBufSize) * 4 &&
        lastInQueue_ * 5 < static_cast<int>(settings_.inBufSize) * 4)
        events |= event::Rx80Full;
    lastInQueue_ = in;
    if (wrote_ && queued(TIOCOUTQ) == 0) {
        wrote_ = false;
        events |= event::TxEmpty;
    }
    return events;
}

std::uint32_t PosixPort::pendingEvents() {
    std::lock_guard lock(watchMutex_);
    std::uint32_t events = modemEvents() | queueEvents();
    const std::uint32_t errors = takeNewErrors();
    if (errors) events |= event::Err;
    if (errors & lineError::Break) events |= event::Break;
    return events & settings_.eventMask;
}

std::uint32_t PosixPort::waitEvent() {
    while (!waitCancelled_) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, kEventSliceMs) < 0 && errno != EINTR) return 0;
        if (hungUp(p.revents)) return 0;
        if (const std::uint32_t events = pendingEvents()) return events;
    }
    return 0;
}

// Read at every open, so a changed list holds from the next open or scan on; an empty or missing key
// keeps the built-in list.
std::optional<std::string> comDevicePath(int number) {
    const auto listed = parseSerialDevices(
        settings::iniReadString(settings::expandPath("lumenrig.ini"), "init", "serial_devices", ""));
    if (listed.empty()) return serialDevicePath(number);
    if (number < 1 || static_cast<std::size_t>(number) > listed.size()) return std::nullopt;
    return listed[static_cast<std::size_t>(number) - 1];
}

std::optional<std::string> devicePath(const std::string& name) {
    if (!name.empty() && name.front() == '/') return name;
    const auto number = strictComNumber(name);
    return number ? comDevicePath(*number) : std::nullopt;
}

OpenResult openPath(const std::string& path, const LineSettings& settings) {
    const auto speed = baudCode(settings.baud);
    if (!speed) return {nullptr, path + ": unsupported baud rate " + std::to_string(settings.baud)};
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {nullptr, describe(path, errno)};
    termios current{};
    if (tcgetattr(fd, &current) != 0) {
        const int error = errno;
        ::close(fd);
        return {nullptr, describe(path, error)};
    }
    ioctl(fd, TIOCEXCL);
    const termios wanted = lineTermios(current, settings, *speed);
    if (tcflush(fd, TCIOFLUSH) != 0 || tcsetattr(fd, TCSANOW, &wanted) != 0) {
        const int error = errno;
        ::close(fd);
        return {nullptr, describe(path, error)};
    }
    setControlLines(fd, settings);
    return {std::make_unique<PosixPort>(fd, settings), {}};
}

}  // namespace

OpenResult openSystemPort(const std::string& name, const LineSettings& settings) {
    const auto path = devicePath(name);
    if (!path) return {nullptr, name + ": no such serial port"};
    return openPath(*path, settings);
}

// Raising a thread above the others needs privileges here; the line events do without.
void raiseThreadPriority() {}

OpenResult openSystemProbePort(int number, const ProbeSettings& probe) {
    const auto path = comDevicePath(number);
    if (!path) return {nullptr, "COM" + std::to_string(number) + ": no such serial port"};
    return openPath(*path, probeLineSettings(probe));
}

}  // namespace lr::device::detail
