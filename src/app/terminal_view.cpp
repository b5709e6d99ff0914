#include "app/terminal_view.h"

#include <ostream>

namespace app {

namespace {
// A level as the red of a lamp: an ANSI 24-bit background.
std::string cell(char letter, int level) {
    const int red = 31 * level;
    return "\x1b[48;2;" + std::to_string(red) + ";0;0m\x1b[97m " + letter + static_cast<char>('0' + level) +
           " \x1b[0m";
}
}  // namespace

TerminalView::TerminalView(ui::Loop& loop, std::ostream& out) : loop_(loop), out_(out) {
    draw();
}

// The last picture shows what closing sent (the all-off command).
TerminalView::~TerminalView() {
    loop_.stopTimer(timer_);
    draw();
    out_ << '\n';
}

void TerminalView::command(lr::TData& data) {
    take(lr::toString(data));
    if (!scheduled_.exchange(true)) loop_.post([this] { schedule(); });
}

void TerminalView::schedule() {
    timer_ = loop_.startTimer(kRedrawMs, [this] {
        loop_.stopTimer(timer_);
        timer_ = 0;
        scheduled_ = false;
        draw();
    });
}

// Read as the controller reads the stream: a channel letter chooses, the digit after it is the level.
void TerminalView::take(std::string_view bytes) {
    const std::lock_guard lock(mutex_);
    for (const char c : bytes) {
        if (c >= 'A' && c <= 'L') {
            selected_ = c - 'A';
        } else if (c >= '0' && c <= '8' && selected_ >= 0) {
            levels_[static_cast<std::size_t>(selected_)] = c - '0';
            selected_ = -1;
        } else {
            selected_ = -1;
        }
    }
    sent_ += bytes;
    if (sent_.size() > kShownBytes) sent_.erase(0, sent_.size() - kShownBytes);
}

std::string TerminalView::plainLine() {
    const std::lock_guard lock(mutex_);
    std::string line;
    for (std::size_t k = 0; k < levels_.size(); ++k) {
        line += static_cast<char>('A' + k);
        line += static_cast<char>('0' + levels_[k]);
        line += ' ';
    }
    return line + "| " + sent_;
}

void TerminalView::draw() {
    std::string line = "\r";
    {
        const std::lock_guard lock(mutex_);
        for (std::size_t k = 0; k < levels_.size(); ++k)
            line += cell(static_cast<char>('A' + k), levels_[k]);
        line += "  " + sent_ + "\x1b[K";
    }
    out_ << line << std::flush;
}

}  // namespace app
