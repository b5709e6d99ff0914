#pragma once
// TClassChildGroupBox_2A60990: "Run Speed". A track bar 0..9 and the buttons "slow" (0) and "fast" (9);
// every position set sends "S" and the position.
#include <string_view>

#include "device/effect_group.h"
#include "runtime/elements/visual_sliders.h"

namespace lr {

class TClassChildGroupBox_2A60990 : public EffectGroup {
  public:
    static constexpr int kHeight = 50;
    static constexpr int kSlowest = 0;
    static constexpr int kFastest = 9;

    TClassChildGroupBox_2A60990(ui::Control* parent, TClassMultiBase* owner, int top);

    // Takes the speed character of a device state.
    void apply(std::string_view state);

  private:
    THITrackBar& speedBar();
    void moved(TData& data);
    void slow(TData& data);
    void fast(TData& data);
    void setPosition(std::int32_t position);

    THITrackBar& bar_;
    THIBitBtn& slow_;
    THIBitBtn& fast_;
};

}  // namespace lr
