#include "device/com.h"

#include "device/line_config.h"

namespace lr {

namespace {

constexpr std::int32_t kLastScannedPort = 25;
constexpr std::uint32_t kScanTimeoutMs = 10;

}  // namespace

void THICOM::doOpen(TData& data) {
    port_.reset();
    const std::int32_t number = readInteger(data, Port, Port_ + 1);
    const std::int32_t baud = readInteger(data, Baud, Baud_);
    const device::ProbeSettings settings{static_cast<std::uint32_t>(baud), device::parityLetter(Parity),
                                         Timeout};
    port_ = device::openProbePort(number, settings).port;
}

void THICOM::doWrite(TData& data) {
    if (!port_) return;
    const device::WriteResult result = port_->write(toString(data));
    fireInteger(onWrite,
                result.status == device::IoStatus::Done ? static_cast<std::int32_t>(result.written) : 0);
}

void THICOM::doClose(TData&) {
    port_.reset();
}

THIPortScan::THIPortScan() {
    probe_.Timeout = kScanTimeoutMs;
    probe_.Port = bind<&THIPortScan::number>(*this);
    probe_.onWrite = bind<&THIPortScan::written>(*this);
}

void THIPortScan::doScan(TData&) {
    fireNull(onClear);
    first_.clear();
    TData none;
    for (number_ = 0; number_ <= kLastScannedPort; ++number_) {
        probe_.doOpen(none);
        TData empty = makeString("");
        probe_.doWrite(empty);
        probe_.doClose(none);
    }
    fireString(onDone, first_);
}

void THIPortScan::number(TData& data) {
    data = makeInteger(number_);
}

// Fired whether the empty write succeeded or not: the port opened, so it exists.
void THIPortScan::written(TData&) {
    std::string item = "COM " + std::to_string(number_);
    if (first_.empty()) first_ = item;
    fireString(onItem, std::move(item));
}

}  // namespace lr
