// THIComAsync beside the calls: line events from the event thread, a device that vanished, and the
// reconnect after it. Whatever another thread notices reaches the elements on the loop thread.
#include <algorithm>
#include <iterator>
#include <system_error>

#include "device/com_async.h"
#include "device/line_config.h"
#include "ui/platform.h"

namespace lr {

namespace {

// The last step leaves room for timer jitter: a device is back in use within 2 s of its return.
constexpr std::uint32_t kRetryDelaysMs[] = {250, 500, 1000, 1500};

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

}  // namespace

// A task for the loop thread that acts only while the element lives and the link is still the open one.
template <class Action>
auto THIComAsync::onLoop(const std::weak_ptr<Link>& link, Action action) {
    return [this, alive = std::weak_ptr<bool>(alive_), weak = link, action] {
        const auto current = weak.lock();
        if (alive.lock() && current && current == currentLink()) action(current);
    };
}

// The worker thread only posts: it never holds the link, so the link never ends on that thread.
void THIComAsync::startWriter(const std::shared_ptr<Link>& link, const device::LineSettings& settings) {
    ui::Loop* loop = link->loop;
    auto finished = [this, loop, weak = std::weak_ptr<Link>(link)](const device::WriteResult& result) {
        loop->post(onLoop(weak, [this, result](const std::shared_ptr<Link>& l) { reportWrite(l, result); }));
    };
    link->writer = std::make_unique<device::PortWriter>(*link->port, settings.baud, settings.outBufSize,
                                                        std::move(finished));
}

void THIComAsync::startEvents(const std::shared_ptr<Link>& link) {
    ui::Loop* loop = link->loop;
    auto report = [this, loop, link = std::weak_ptr<Link>(link)](const device::LineEvent& e) {
        if (auto current = link.lock())
            loop->post(onLoop(current, [this, e](const std::shared_ptr<Link>&) { fireLineEvent(e); }));
    };
    // The wait failed: if the device no longer answers, it has gone.
    auto ended = [this, loop, link = std::weak_ptr<Link>(link)] {
        if (auto current = link.lock()) {
            loop->post(onLoop(current, [this](const std::shared_ptr<Link>& l) {
                if (!l->port->lineStatus().ok) linkVanished(l);
            }));
        }
    };
    try {
        events_ = std::make_unique<device::LineEventThread>(*link->port, report, ended);
    } catch (const std::system_error&) {
        closeLink(false, false);
    }
}

// The order of the outputs is the order in which the driver's event bits are examined.
void THIComAsync::fireLineEvent(const device::LineEvent& e) {
    using namespace device;
    const auto line = [&](const Point& point, std::uint32_t bit) {
        fireInteger(point, (e.modem & bit) ? 1 : 0);
    };
    if (e.events & event::RxChar) fireInteger(onRxChar, static_cast<std::int32_t>(e.inQueue));
    if (e.events & event::TxEmpty) fireNull(onTxEmpty);
    if (e.events & event::Break) fireNull(onBreak);
    if (e.events & event::Ring) fireNull(onRing);
    if (e.events & event::Cts) line(onCts, modem::Cts);
    if (e.events & event::Dsr) line(onDsr, modem::Dsr);
    if (e.events & event::RxFlag) fireNull(onRxFlag);
    if (e.events & event::Rlsd) line(onRlsd, modem::Rlsd);
    if ((e.events & event::Err) && !AbortOnError) fireErrors(e.errors);
    if (e.events & event::Rx80Full) fireNull(onRx80Full);
}

void THIComAsync::fireErrors(std::uint32_t errors) {
    errors_ = device::errorReport(errors, ParityCheck);
    fireString(onErr, joinLines(errors_));
}

// Called on whichever thread found the device gone; the first report of a link closes it on the loop.
void THIComAsync::reportGone(const std::shared_ptr<Link>& link) {
    if (link->goneReported.exchange(true)) return;
    link->loop->post(onLoop(link, [this](const std::shared_ptr<Link>& l) { linkVanished(l); }));
}

void THIComAsync::linkVanished(const std::shared_ptr<Link>& link) {
    if (link != currentLink()) return;
    closeLink(true, false);
    startRetrying();
}

void THIComAsync::doReopen(TData&) {
    if (!open_) return;
    closeLink(true, true);
    fireNull(onBeforeOpen);
    if (open_ || reopenLink()) return;  // the chain behind onBeforeOpen may have opened it
    fireInteger(onOpen, 0);
    startRetrying();
}

void THIComAsync::startRetrying() {
    if (!Reconnect) return;
    retryAttempt_ = 0;
    scheduleRetry();
}

void THIComAsync::scheduleRetry() {
    const std::size_t last = std::size(kRetryDelaysMs) - 1;
    const std::uint32_t delay = kRetryDelaysMs[std::min(retryAttempt_, last)];
    retryLoop_ = &ui::platform().loop();
    retryTimer_ = retryLoop_->startTimer(delay, [this] { retry(); });
}

// Opening a port that is not there fails at once; the loop is never held up waiting for the device.
void THIComAsync::retry() {
    stopRetry();
    if (open_ || reopenLink()) return;
    ++retryAttempt_;
    scheduleRetry();
}

bool THIComAsync::reopenLink() {
    if (!openLink(openedName_, openedSettings_)) return false;
    announceOpen(device::comNumber(openedName_).value_or(0));
    return true;
}

void THIComAsync::stopRetry() {
    if (retryTimer_ != 0) retryLoop_->stopTimer(retryTimer_);
    retryTimer_ = 0;
}

// Nothing may be written for long (the lights off, a still scene): the open port is looked at anyway.
void THIComAsync::startWatch() {
    stopWatch();
    if (!Reconnect) return;
    watchLoop_ = &ui::platform().loop();
    watchTimer_ = watchLoop_->startTimer(kWatchMs, [this] { watch(); });
}

void THIComAsync::watch() {
    const std::shared_ptr<Link> link = currentLink();
    if (link && !link->port->present()) linkVanished(link);
}

void THIComAsync::stopWatch() {
    if (watchTimer_ != 0) watchLoop_->stopTimer(watchTimer_);
    watchTimer_ = 0;
}

}  // namespace lr
