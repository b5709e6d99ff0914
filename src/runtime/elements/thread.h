#pragma once
// THIThread: runs onExecute on a worker thread, Delay ms after each start of a pass, once (SingleRun)
// or until stopped. A start while the thread runs is ignored unless Restart is set. Destroying the
// element waits for the running pass.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIThread : public Element {
  public:
    ~THIThread() override;

    std::int32_t Delay = 0;  // ms
    bool SingleRun = false;
    bool Restart = false;

    Point onExecute;
    void doStart(TData& data);
    void doStop(TData& data);

    bool running() const { return running_.load(); }
    // Waits until the thread has ended (at once when none runs).
    void wait();

  private:
    void run();
    bool sleepDelay();
    void stopAndWait();

    std::thread thread_;
    std::atomic<bool> running_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
};

}  // namespace lr
