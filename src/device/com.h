#pragma once
// THICOM: a small synchronous port, opened from a number and a baud rate; the port scan probes with it.
#include <cstdint>
#include <memory>

#include "device/serial_port.h"
#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THICOM : public Element {
  public:
    std::uint8_t Port_ = 0;  // the `Port` property; the port opened is Port_ + 1
    std::int32_t Baud_ = 9600;
    std::int32_t Parity = 0;  // index into "NOEMS"
    std::uint32_t Timeout = 0;

    Point Port;
    Point Baud;
    Point onWrite;

    void doOpen(TData& data);
    void doWrite(TData& data);
    void doClose(TData& data);
    bool isOpen() const { return port_ != nullptr; }

  private:
    std::unique_ptr<device::SerialPort> port_;
};

// The port scan: COM0..COM25 in order, each opened with THICOM at 9600 baud, parity N, time-outs of
// 10 ms; an empty write on each that opened adds its item "COM n". Nothing reaches the ports.
class THIPortScan : public Element {
  public:
    THIPortScan();

    Point onClear;  // before the scan
    Point onItem;   // "COM 3"
    Point onDone;   // the first item, the one to select; empty when none

    void doScan(TData& data);

  private:
    void number(TData& data);
    void written(TData& data);

    THICOM probe_;
    std::int32_t number_ = 0;
    std::string first_;
};

}  // namespace lr
