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

Answer RecordedMessageBoxes::show(const MessageBoxSpec& spec) {
    shown_.push_back(spec);
    return policy_ ? policy_(spec) : firstButton(spec.buttons);
}

}  // namespace ui::headless
