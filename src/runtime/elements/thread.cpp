#include "runtime/elements/thread.h"

#include <chrono>

#include "runtime/error.h"

namespace lr {

THIThread::~THIThread() {
    stopAndWait();
}

void THIThread::doStart(TData&) {
    if (running_.load() && !Restart) return;
    stopAndWait();
    {
        std::lock_guard lock(mutex_);
        stop_ = false;
    }
    running_.store(true);
    thread_ = std::thread([this] { run(); });
}

void THIThread::doStop(TData&) {
    stopAndWait();
}

void THIThread::wait() {
    if (thread_.joinable()) thread_.join();
}

void THIThread::run() {
    while (sleepDelay()) {
        runGuarded([this] { fireNull(onExecute); });
        if (SingleRun) break;
    }
    running_.store(false);
}

// False when the thread was stopped meanwhile.
bool THIThread::sleepDelay() {
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(Delay), [this] { return stop_; });
    return !stop_;
}

void THIThread::stopAndWait() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    wait();
}

}  // namespace lr
