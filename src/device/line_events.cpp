#include "device/line_events.h"

#include "device/line_config.h"
#include "device/system_port.h"

namespace lr::device {

namespace {

constexpr std::uint32_t kQueueEvents = event::RxChar | event::Err;
constexpr std::uint32_t kModemEvents = event::Cts | event::Dsr | event::Rlsd | event::Ring;

}  // namespace

LineEventThread::LineEventThread(SerialPort& port, Report report, Ended ended)
    : port_(port), report_(std::move(report)), ended_(std::move(ended)), thread_([this] { run(); }) {}

LineEventThread::~LineEventThread() {
    stopping_ = true;
    port_.cancelWait();
    thread_.join();
}

void LineEventThread::run() {
    detail::raiseThreadPriority();
    while (!stopping_) {
        LineEvent e;
        e.events = port_.waitEvent();
        if (e.events == 0) break;
        if (e.events & kQueueEvents) {
            const LineStatus status = port_.lineStatus();
            e.inQueue = status.inQueue;
            e.errors = status.errors;
        }
        if (e.events & kModemEvents) e.modem = port_.modemStatus();
        report_(e);
    }
    if (!stopping_) ended_();
}

}  // namespace lr::device
