#pragma once
// The Windows message loop as ui::Loop: window timers on a message-only window, tasks posted to it,
// and modal loops (message boxes, menus, window moves) that keep both running.
#include <windows.h>

#include <atomic>
#include <map>
#include <memory>

#include "ui/headless/task_queue.h"
#include "ui/loop.h"

namespace ui::win32 {

class Win32Loop : public Loop {
  public:
    Win32Loop();
    ~Win32Loop() override;
    TimerId startTimer(std::uint32_t intervalMs, std::function<void()> tick) override;
    void stopTimer(TimerId id) override;
    void post(std::function<void()> task) override;
    void pump() override;
    int run() override;
    void quit(int exitCode) override;
    std::uint64_t nowMs() const override;
    std::uint64_t dispatched() const { return dispatched_; }

  private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void tick(UINT_PTR id);
    void dispatch(const MSG& msg);

    HWND hwnd_ = nullptr;
    DWORD thread_;
    std::map<UINT_PTR, std::shared_ptr<std::function<void()>>> timers_;
    UINT_PTR nextTimer_ = 1;
    headless::TaskQueue tasks_;
    std::uint64_t dispatched_ = 0;
};

}  // namespace ui::win32
