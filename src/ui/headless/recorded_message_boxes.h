#pragma once
// Message boxes that never block: each is recorded and answered by a policy.
#include <functional>
#include <vector>

#include "ui/message_box.h"

namespace ui::headless {

class RecordedMessageBoxes : public MessageBoxes {
  public:
    using Policy = std::function<Answer(const MessageBoxSpec&)>;

    Answer show(const MessageBoxSpec& params) override;
    void setPolicy(Policy policy) { policy_ = std::move(policy); }
    // While a box is "open" (inside the policy), a nested show() is recorded too.
    const std::vector<MessageBoxSpec>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

  private:
    std::vector<MessageBoxSpec> shown_;
    Policy policy_;
};

// The first button of a box, as pressing Enter on its default would do for default 0.
Answer firstButton(Buttons buttons);

}  // namespace ui::headless
