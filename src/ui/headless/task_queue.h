#pragma once
// Tasks posted from any thread, run on the loop's thread in posting order.
#include <deque>
#include <functional>
#include <mutex>

namespace ui::headless {

class TaskQueue {
  public:
    void push(std::function<void()> task);
    // Runs the tasks present when called; tasks they post wait for the next call.
    bool runPending();
    bool empty() const;

  private:
    mutable std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace ui::headless
