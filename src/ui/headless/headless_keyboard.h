#pragma once
// Keys a test holds down.
#include <set>

#include "ui/keyboard.h"

namespace ui::headless {

class HeadlessKeyboard : public Keyboard {
  public:
    bool isKeyDown(int virtualKey) const override { return down_.count(virtualKey) != 0; }
    void press(int virtualKey) { down_.insert(virtualKey); }
    void release(int virtualKey) { down_.erase(virtualKey); }

  private:
    std::set<int> down_;
};

}  // namespace ui::headless
