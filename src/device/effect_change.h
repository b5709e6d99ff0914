#pragma once
// TClassChildGroupBox_2C2B620: "Brightness change Up or Down". One block per channel A..L
// (TClassMultiElement_2C2B780 … TClassMultiElement_2C2CE30): a small vertical track bar of three positions
// between the labels "Up" and "doWn"; position 0 sends the letter and "U", 1 "Y", 2 "W".
#include <array>
#include <string_view>

#include "device/effect_group.h"
#include "device/protocol.h"
#include "runtime/elements/visual_sliders.h"

namespace lr {

class TClassMultiElement_2C2B780 : public TClassMultiBase {
  public:
    static constexpr int kWidth = 28;
    static constexpr int kLastPosition = 2;

    // `at` places the block in `parent`, the group's box.
    TClassMultiElement_2C2B780(ui::Control* parent, TClassMultiBase* owner, std::size_t channel,
                               ui::Point at);

    void doPosition(TData& data);
    void setOnCommand(Point point) { onCommand_ = point; }

  private:
    THILabel& label(const char* caption, int top);
    THITrackBar& changeBar(ui::Point at);
    void moved(TData& data);

    std::size_t channel_;
    ui::Point at_;
    THILabel& up_;
    THITrackBar& bar_;
    THILabel& down_;
    Point onCommand_;
};

// The blocks of channels B … L are the same container.
using TClassMultiElement_2C2CE30 = TClassMultiElement_2C2B780;

class TClassChildGroupBox_2C2B620 : public EffectGroup {
  public:
    static constexpr int kHeight = 80;

    TClassChildGroupBox_2C2B620(ui::Control* parent, TClassMultiBase* owner, int top);

    // Takes the change characters of a device state.
    void apply(std::string_view state);

  private:
    std::array<TClassMultiElement_2C2B780*, device::kChannelCount> blocks_{};
};

}  // namespace lr
