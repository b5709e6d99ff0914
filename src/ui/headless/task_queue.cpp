#include "ui/headless/task_queue.h"

namespace ui::headless {

void TaskQueue::push(std::function<void()> task) {
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
}

bool TaskQueue::runPending() {
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard lock(mutex_);
        batch.swap(tasks_);
    }
    for (auto& task : batch)
        task();
    return !batch.empty();
}

bool TaskQueue::empty() const {
    std::lock_guard lock(mutex_);
    return tasks_.empty();
}

}  // namespace ui::headless
