#include "ui/headless/recorded_message_boxes.h"

namespace ui::headless {

Answer firstButton(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
        case Buttons::OkCancel:
            return Answer::Ok;
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            return Answer::Yes;
        case Buttons::RetryCancel:
            return Answer::Retry;
        case Buttons::AbortRetryIgnore:
            return Answer::Abort;
    }
    return Answer::Ok;
}

Answer RecordedMessageBoxes::show(const MessageBoxSpec& params) {
    shown_.push_back(params);
    return policy_ ? policy_(params) : firstButton(params.buttons);
}

}  // namespace ui::headless
