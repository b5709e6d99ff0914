#pragma once
// TClassChildGroupBox_2D0DA00: the free-text command box. "Send command", or Enter in the box, hands
// out the box's text unchanged.
#include "runtime/container.h"
#include "runtime/elements/branches.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"

namespace lr {

class TClassChildGroupBox_2D0DA00 : public TClassMultiBase {
  public:
    static constexpr std::int32_t kEnterKey = 13;

    TClassChildGroupBox_2D0DA00(ui::Control* parent, TClassMultiBase* owner);

    void setOnCommand(Point point) { text_.onData = point; }

  private:
    THIGroupBox& groupBox(ui::Control* parent);
    THIEdit& commandBox();
    THIBitBtn& sendButton();

    THIGroupBox& group_;
    THIEdit& box_;
    THIBitBtn& send_;
    THIIf_else& enter_;
    THIDoData& text_;
};

}  // namespace lr
