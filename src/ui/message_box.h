#pragma once
// Modal message boxes. Texts are code page 1251 bytes.
#include <string>

namespace ui {

enum class Buttons {
    Ok = 0,
    OkCancel = 1,
    YesNo = 2,
    YesNoCancel = 3,
    RetryCancel = 4,
    AbortRetryIgnore = 5
};
enum class Icon { None = 0, Error = 1, Question = 2, Warning = 3, Information = 4 };
// Button codes as the system reports them.
enum class Answer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageBoxSpec {
    std::string text;
    std::string caption;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    int defaultButton = 0;
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows the box modally (timers keep running) and returns the pressed button.
    virtual Answer show(const MessageBoxSpec& params) = 0;
};

}  // namespace ui
