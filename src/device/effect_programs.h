#pragma once
// TClassChildGroupBox_2A60570: "Program Selection". Ten clickable labels under the headings "EEPROM",
// "FLASH" and "Series"; a click on the label of index i (EEP1, EEP2, EEP3, EEP4, FLP1, FLP2, EES, FLS,
// FLP3, FLP4 = 0..9) sends "P" and i, turns that label green and the others back.
#include <array>

#include "device/effect_group.h"
#include "device/effect_state.h"

namespace lr {

class TClassChildGroupBox_2A60570 : public EffectGroup {
  public:
    static constexpr int kHeight = 74;
    static constexpr ui::Color kSelected = 65280;
    static constexpr ui::Color kUnselected = 12639424;
    static constexpr const char* kFont = "Arial Narrow";
    // By program index.
    static const std::array<const char*, effect::kPrograms> kNames;

    TClassChildGroupBox_2A60570(ui::Control* parent, TClassMultiBase* owner, int top);

    // A program index, handled as a click on its label; an index outside 0..9 names no program.
    void doSelect(TData& data);
    // The index selected, after its command.
    void setOnSelected(Point point) { onSelected_ = point; }

  private:
    THILabel& heading(const char* caption, int left, int width);
    THILabel& program(std::size_t index);
    void clicked(TData& data, std::uint16_t index);

    std::array<THILabel*, effect::kPrograms> labels_{};
    Point onSelected_;
};

}  // namespace lr
