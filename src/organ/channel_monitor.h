#pragma once
// TClassChildPanelEx_2A5FF40: the channel monitor, a row of twelve labels "A".."L" recoloured by the
// channel texts the colour organ emits.
#include <array>
#include <string_view>

#include "runtime/container.h"
#include "runtime/elements/visual_controls.h"

namespace lr {

// The colour of a level 0..8: red 31 x level, no green or blue.
ui::Color levelColor(int level);

class TClassChildPanelEx_2A5FF40 : public TClassMultiBase {
  public:
    TClassChildPanelEx_2A5FF40(ui::Control* parent, TClassMultiBase* owner);

    // Each character in turn: a letter A..L selects a label, a digit 0..8 recolours the selected one.
    void doText(TData& data);
    THILabel& label(std::size_t channel) { return *labels_[channel]; }

  private:
    THIPanel& strip_;
    std::array<THILabel*, 12> labels_{};
    std::size_t selected_ = 0;
};

}  // namespace lr
