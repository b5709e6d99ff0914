#pragma once
// TClassMultiElementEx_1EFC150: turns a scheme formula's braced keys into interpreter arguments.
// Input 0 takes the formula text; output 0 gives the translated text.
#include "runtime/container.h"
#include "runtime/multi_element_ex.h"

namespace lr {

class TClassMultiElementEx_1EFC150 : public TClassMultiBase {
  public:
    TClassMultiElementEx_1EFC150(ui::Control* parent, TClassMultiBase* owner, THIMultiElementEx& outer);

  private:
    void translate(TData& data);

    THIEditMultiEx& edge_;
    Point translated_;
};

}  // namespace lr
