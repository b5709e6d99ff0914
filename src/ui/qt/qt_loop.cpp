#include "ui/qt/qt_loop.h"

#include <QCoreApplication>
#include <QTimer>

namespace ui::qt {

QtLoop::QtLoop() : owner_(std::make_unique<QObject>()) {
    clock_.start();
}

QtLoop::~QtLoop() {
    timers_.clear();
    owner_.reset();  // deletes the timers, those stopped inside their own tick too
}

TimerId QtLoop::startTimer(std::uint32_t intervalMs, std::function<void()> tick) {
    const TimerId id = nextTimer_++;
    auto* timer = new QTimer(owner_.get());  // owned by owner_
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(static_cast<int>(intervalMs ? intervalMs : 1));
    // The tick may stop its own timer; the callable lives in the connection until the timer is gone.
    QObject::connect(timer, &QTimer::timeout, owner_.get(), [tick = std::move(tick)] { tick(); });
    timers_[id] = timer;
    timer->start();
    return id;
}

void QtLoop::stopTimer(TimerId id) {
    const auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second->stop();
    it->second->deleteLater();  // it may be running its tick right now
    timers_.erase(it);
}

void QtLoop::post(std::function<void()> task) {
    tasks_.push(std::move(task));
    QMetaObject::invokeMethod(
        owner_.get(), [this] { tasks_.runPending(); }, Qt::QueuedConnection);
}

void QtLoop::pump() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    tasks_.runPending();
}

int QtLoop::run() {
    if (!quitting_) QCoreApplication::exec();
    quitting_ = false;
    return exitCode_;
}

// From any thread: the exit happens on the loop's thread; a quit before run() makes run() return at
// once, and the queued exit then finds nothing to end.
void QtLoop::quit(int exitCode) {
    exitCode_ = exitCode;
    quitting_ = true;
    QMetaObject::invokeMethod(
        owner_.get(),
        [this] {
            if (quitting_) QCoreApplication::exit(exitCode_);
        },
        Qt::QueuedConnection);
}

std::uint64_t QtLoop::nowMs() const {
    return static_cast<std::uint64_t>(clock_.elapsed());
}

}  // namespace ui::qt
