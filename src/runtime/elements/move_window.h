#pragma once
// THIMoveWindow: starts the system's move of a window, as a press on its caption does.
#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIMoveWindow : public Element {
  public:
    Point Handle;  // the window's handle, as THIWin::Handle gives it

    void doMove(TData& data);  // a handle that names no window is ignored
};

}  // namespace lr
