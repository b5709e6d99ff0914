#pragma once
// The headless backend: a real backend whose loop and boxes are supplied by the program or the test.
#include "ui/headless/headless_keyboard.h"
#include "ui/platform.h"

namespace ui::headless {

class HeadlessPlatform : public Platform {
  public:
    HeadlessPlatform(Loop& loop, MessageBoxes& boxes) : loop_(loop), boxes_(boxes) {}
    Loop& loop() override { return loop_; }
    MessageBoxes& messageBoxes() override { return boxes_; }
    Keyboard& keyboard() override { return keyboard_; }
    HeadlessKeyboard& headlessKeyboard() { return keyboard_; }

  private:
    Loop& loop_;
    MessageBoxes& boxes_;
    HeadlessKeyboard keyboard_;
};

}  // namespace ui::headless
