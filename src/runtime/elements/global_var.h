#pragma once
// THIGlobalVar: an element bound to a process-wide variable slot.
#include <string>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIGlobalVar : public Element {
  public:
    explicit THIGlobalVar(std::string name);
    Point onValue;
    void doValue(TData& data);
    void Var(TData& data);

  private:
    TData* slot_ = nullptr;
};

}  // namespace lr
