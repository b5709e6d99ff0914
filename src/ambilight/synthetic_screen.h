#pragma once
// A screen that tests paint. Copies can be held at the gate, so a test can keep a pass running while
// the clock moves on.
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <vector>

#include "ambilight/screen_source.h"

namespace lr::ambilight {

class SyntheticScreen : public ScreenSource {
  public:
    explicit SyntheticScreen(ui::Size size, ui::Color fill = 0);

    void fill(ui::Rect area, ui::Color color);
    void resize(ui::Size size, ui::Color fill = 0);
    // While held, every copy waits at the gate until release().
    void hold();
    void release();
    // Waits until a copy is waiting at the held gate.
    void waitForHeldCopy();
    // The rectangles copied so far, in order.
    std::vector<ui::Rect> copied() const;

    ui::Size size() override;
    ui::Image copy(ui::Rect area) override;

  private:
    mutable std::mutex mutex_;
    std::condition_variable gate_;
    ui::Image pixels_;
    bool held_ = false;
    std::size_t waiting_ = 0;
    std::vector<ui::Rect> copied_;
};

}  // namespace lr::ambilight
