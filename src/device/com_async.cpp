#include "device/com_async.h"

#include <system_error>
#include <utility>

#include "device/line_config.h"
#include "ui/platform.h"

namespace lr {

namespace {

std::array<bool, 10> eventSwitches(const THIComAsync& c) {
    return {c.EvRxChar, c.EvRxFlag, c.EvTxEmpty, c.EvCts,  c.EvDsr,
            c.EvRlsd,   c.EvBreak,  c.EvErr,     c.EvRing, c.EvRx80Full};
}

void fireLine(const Point& point, std::uint32_t modem, std::uint32_t bit) {
    if (modem & bit) fireInteger(point, 1);
}

// Long enough for the closing all-off at 9600 baud; a port that takes nothing is not waited for longer.
constexpr std::uint32_t kCloseDrainMs = 200;

}  // namespace

THIComAsync::~THIComAsync() {
    stopRetry();
    // The elements our outputs lead to may already be gone: close without telling anyone.
    closeLink(false, true);
}

device::LineSettings THIComAsync::lineSettings(TData& data) {
    device::LineSettings s;
    s.baud = static_cast<std::uint32_t>(readInteger(data, Baud, Baud_));
    s.dtrControl = readInteger(data, DtrControl, DtrControl_);
    s.rtsControl = readInteger(data, RtsControl, RtsControl_);
    s.inBufSize = static_cast<std::uint32_t>(InBufSize);
    s.outBufSize = static_cast<std::uint32_t>(OutBufSize);
    s.parity = Parity;
    s.byteSize = ByteSize;
    s.stopBits = StopBits;
    s.parityCheck = ParityCheck;
    s.errorCharReplace = ErrorCharReplace;
    s.errorChar = static_cast<char>(ErrorChar);
    s.discardNull = DiscardNull;
    s.abortOnError = AbortOnError;
    s.evtChar = static_cast<char>(EvtChar);
    s.dsrSensitivity = DsrSensitivity;
    s.outxCtsFlow = OutxCtsFlow;
    s.outxDsrFlow = OutxDsrFlow;
    s.txContinueOnXoff = TxContinueOnXoff;
    s.inX = InX;
    s.outX = OutX;
    s.xonChar = static_cast<char>(XonChar);
    s.xoffChar = static_cast<char>(XoffChar);
    s.eventMask = device::eventMask(eventSwitches(*this));
    s.timeouts = {ReadIntervalTimeout, ReadTotalConstant, ReadTotalMultiplier, WriteTotalConstant,
                  WriteTotalMultiplier};
    return s;
}

void THIComAsync::doOpen(TData& data) {
    if (open_) return;
    stopRetry();
    fireNull(onBeforeOpen);
    if (open_) return;  // the chain behind onBeforeOpen opened it
    const std::string name = readString(data, Port, Port_);
    const auto number = device::comNumber(name);
    if (!number) {
        fireInteger(onOpen, 0);
        return;
    }
    const device::LineSettings settings = lineSettings(data);
    if (!openLink(name, settings)) {
        fireInteger(onOpen, 0);
        return;
    }
    openedName_ = name;
    openedSettings_ = settings;
    announceOpen(*number);
}

bool THIComAsync::openLink(const std::string& name, const device::LineSettings& settings) {
    auto opened = device::openSerialPort(name, settings);
    if (!opened.port) return false;
    auto link = std::make_shared<Link>();
    link->port = std::move(opened.port);
    link->loop = &ui::platform().loop();
    try {
        startWriter(link, settings);
    } catch (const std::system_error&) {
        return false;
    }
    properties_ = link->port->properties();
    {
        std::lock_guard lock(linkMutex_);
        link_ = link;
    }
    open_ = true;
    if (settings.eventMask != 0) startEvents(link);
    if (open_) startWatch();
    return open_;
}

void THIComAsync::announceOpen(int number) {
    const std::shared_ptr<Link> link = currentLink();
    const std::uint32_t modem = link ? link->port->modemStatus() : 0;
    fireLine(onCts, modem, device::modem::Cts);
    fireLine(onDsr, modem, device::modem::Dsr);
    fireLine(onRlsd, modem, device::modem::Rlsd);
    fireInteger(onOpen, number);
}

void THIComAsync::doClose(TData&) {
    stopRetry();
    closeLink(true, true);
}

// `drain`: what was written goes out first (with FlushOnClose), unless the device is known to be gone.
void THIComAsync::closeLink(bool announce, bool drain) {
    if (!open_) return;
    if (announce) fireNull(onBeforeClose);
    stopWatch();
    events_.reset();
    std::shared_ptr<Link> link;
    {
        std::lock_guard lock(linkMutex_);
        link = std::exchange(link_, nullptr);
    }
    open_ = false;
    if (!link) return;
    stopWriter(*link, drain);
    if (announce) {
        fireInteger(onCts, 0);
        fireInteger(onDsr, 0);
        fireInteger(onRlsd, 0);
    }
    // The handle closes here, or when a write still running on another thread lets go of it.
    link.reset();
    if (announce) fireNull(onClose);
}

std::shared_ptr<THIComAsync::Link> THIComAsync::currentLink() const {
    std::lock_guard lock(linkMutex_);
    return link_;
}

// A purge after the drain would still drop bytes in flight (a pty's far end, a USB adapter's buffer):
// the last command, the all-off of the closing step, would never reach the lights.
void THIComAsync::stopWriter(Link& link, bool drain) {
    const bool drained = drain && FlushOnClose && link.writer->drain(kCloseDrainMs);
    link.writer->stop();
    closedDrops_ += link.writer->dropped();
    if (drained) {
        link.port->flush();
    } else {
        link.port->purge();
    }
}

std::uint64_t THIComAsync::droppedWrites() const {
    const std::shared_ptr<Link> link = currentLink();
    return closedDrops_ + (link ? link->writer->dropped() : 0);
}

// The loop is never held longer than the command's own line time: what the port does not take by then
// follows from the writer's thread, and is reported when it has gone out.
void THIComAsync::doWrite(TData& data) {
    const std::string bytes = toString(data);
    const std::shared_ptr<Link> link = currentLink();
    if (!link) return;
    const device::PortWriter::Accepted accepted = link->writer->write(bytes);
    if (accepted.outcome == device::PortWriter::Outcome::Written) reportWrite(link, accepted.result);
    if (accepted.outcome == device::PortWriter::Outcome::Dropped) fireInteger(onWrite, 0);
}

void THIComAsync::reportWrite(const std::shared_ptr<Link>& link, const device::WriteResult& result) {
    switch (result.status) {
        case device::IoStatus::Done:
            fireInteger(onWrite, static_cast<std::int32_t>(result.written));
            break;
        case device::IoStatus::Failed:
            fireInteger(onWrite, 0);
            break;
        case device::IoStatus::Refused:
            break;
        case device::IoStatus::Gone:
            reportGone(link);
            break;
    }
}

void THIComAsync::doRead(TData& data) {
    const std::int32_t count = toInteger(data);
    const std::shared_ptr<Link> link = currentLink();
    if (!link) return;
    device::ReadResult result = link->port->read(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (result.status == device::IoStatus::Gone) reportGone(link);
    if (result.status == device::IoStatus::Done) {
        fireString(onRead, std::move(result.bytes));
    } else {
        fireNull(onRead);
    }
}

void THIComAsync::IsOpen(TData& data) {
    data = makeInteger(open_ ? 1 : 0);
}

}  // namespace lr
