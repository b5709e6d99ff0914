#pragma once
// The state of keys, by Windows virtual-key code.
namespace ui {

class Keyboard {
  public:
    virtual ~Keyboard() = default;
    virtual bool isKeyDown(int virtualKey) const = 0;
};

}  // namespace ui
