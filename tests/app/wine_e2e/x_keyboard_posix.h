#pragma once
// Key presses on the X server the way a keyboard makes them (XTest), into a window found by its title.
#include <string>
#include <vector>

struct _XDisplay;

namespace xtest {

class Keyboard {
  public:
    Keyboard();  // on $DISPLAY
    ~Keyboard();
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    bool ok() const { return display_ != nullptr; }
    // Gives the keyboard focus to the shown top-level window of that title, once there is one within
    // the wait.
    bool focusWindow(const std::string& title, int waitMs);
    // Holds the keys down in order and lets them go in reverse ("Control_L", "Shift_L", "F9").
    void press(const std::vector<std::string>& keys);

  private:
    _XDisplay* display_ = nullptr;
};

}  // namespace xtest
