#pragma once
// The twelve channels and the bytes sent, drawn live on a terminal: lumenrig without a window system.
// It redraws at most every 100 ms and only after something was sent, so an idle program stays asleep.
#include <array>
#include <atomic>
#include <cstdint>
#include <iosfwd>
#include <mutex>
#include <string>
#include <string_view>

#include "runtime/point.h"
#include "ui/loop.h"

namespace app {

class TerminalView {
  public:
    static constexpr std::uint32_t kRedrawMs = 100;
    static constexpr std::size_t kShownBytes = 48;

    TerminalView(ui::Loop& loop, std::ostream& out);
    ~TerminalView();
    TerminalView(const TerminalView&) = delete;
    TerminalView& operator=(const TerminalView&) = delete;

    // Where the command stream goes in; any thread may send.
    lr::Point input() { return lr::bind<&TerminalView::command>(*this); }
    // What the line shows now, without colours: "A5 B0 ... | A5B3".
    std::string plainLine();

  private:
    void command(lr::TData& data);
    void take(std::string_view bytes);
    void schedule();
    void draw();

    ui::Loop& loop_;
    std::ostream& out_;
    ui::TimerId timer_ = 0;
    std::atomic<bool> scheduled_{false};
    std::mutex mutex_;
    std::array<int, 12> levels_{};
    int selected_ = -1;
    std::string sent_;
};

}  // namespace app
