#pragma once
// THIColorDialog: the system's colour chooser, opened over a window, starting at the current colour.
#include <cstdint>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIColorDialog : public Element {
  public:
    std::int32_t Color_ = 0;  // 0x00BBGGRR, the chooser's first colour
    Point Color;
    Point Handle;    // the owner window's handle, as THIWin::Handle gives it; none opens it unowned
    Point onSelect;  // the chosen colour; nothing when the user cancels

    void doExecute(TData& data);
};

}  // namespace lr
