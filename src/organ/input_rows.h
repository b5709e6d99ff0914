#pragma once
// OrganInputRows: the list of recording inputs on the colour organ page, one row per input, filled at
// the first Run. A row is a volume scroll bar (0..100) and an on/off box captioned with the input's
// name; each change the user makes hands out (index, volume 0..1, enabled) for the input.
#include <cstdint>
#include <string>

#include "expr/math_parse.h"
#include "runtime/container.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/elements/visual_sliders.h"
#include "runtime/multi_element_ex.h"

namespace lr {

// One row. Input 0: (name, volume, enabled, index) builds it. Output 0: (index, volume, enabled) at each
// change by the user; output 1: the row's bottom edge within the list, once built.
class OrganInputRow : public TClassMultiBase {
  public:
    OrganInputRow(ui::Control* parent, TClassMultiBase* owner, THIMultiElementEx& outer);

  private:
    void build(TData& data);
    THIPanel& rowPanel();
    THIScrollBar& volumeBar(int position);
    THICheckBox& enabledBox(const std::string& name, bool enabled);
    void place(TData& data);
    void changed(TData& data);

    THIEditMultiEx& edge_;
    THIMathParse& top_;
    THIPanel* row_ = nullptr;
    THIScrollBar* volume_ = nullptr;
    THICheckBox* enabled_ = nullptr;
    std::int32_t index_ = 0;
};

class OrganInputRows : public TClassMultiBase {
  public:
    static constexpr int kListTop = 294;

    OrganInputRows(ui::Control* parent, TClassMultiBase* owner);

    void doAddRow(TData& data);                               // (name, volume, enabled, index)
    void setOnSet(Point point) { rows_.outputs[0] = point; }  // (index, volume, enabled)

  private:
    THIScrollBox& list(ui::Control* parent);
    void grow(TData& data);

    THIScrollBox& box_;
    THIMultiElementEx& rows_;
    int contentHeight_ = 0;
};

}  // namespace lr
