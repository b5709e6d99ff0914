#pragma once
// The Visualization page in the smallest host a mode pages slot gives it: one edge, nothing wired out.
#include <memory>

#include "runtime/multi_element.h"
#include "visual/visual_page.h"

namespace visual_page {

class Host : public lr::TClassMultiBase {
  public:
    explicit Host(ui::Control* parent)
        : TClassMultiBase(parent, nullptr), outer(make<lr::THIMultiElement>(parent, this, 1, 0)) {
        outer.setCreate([this](ui::Control* p, lr::TClassMultiBase* o) {
            return std::make_unique<lr::TClassChildPanel_2DEABE0>(p, o, outer);
        });
    }
    void input(std::uint16_t index, lr::TData data = {}) { outer.doWork(data, index); }
    lr::THIMultiElement& outer;
};

}  // namespace visual_page
