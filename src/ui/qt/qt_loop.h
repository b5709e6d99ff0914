#pragma once
// ui::Loop on Qt's event loop: precise QTimers, tasks posted from any thread as queued calls, and the
// nested loops of message boxes and menus, which keep both running.
#include <QElapsedTimer>
#include <QObject>
#include <atomic>
#include <map>
#include <memory>

#include "ui/headless/task_queue.h"
#include "ui/loop.h"

class QTimer;

namespace ui::qt {

class QtLoop : public Loop {
  public:
    QtLoop();
    ~QtLoop() override;
    TimerId startTimer(std::uint32_t intervalMs, std::function<void()> tick) override;
    void stopTimer(TimerId id) override;
    void post(std::function<void()> task) override;
    void pump() override;
    int run() override;
    void quit(int exitCode) override;
    std::uint64_t nowMs() const override;

  private:
    // Owns the timers, and is the receiver of queued calls on the loop's thread.
    std::unique_ptr<QObject> owner_;
    std::map<TimerId, QTimer*> timers_;
    TimerId nextTimer_ = 1;
    headless::TaskQueue tasks_;
    QElapsedTimer clock_;
    std::atomic<bool> quitting_{false};
    std::atomic<int> exitCode_{0};
};

}  // namespace ui::qt
