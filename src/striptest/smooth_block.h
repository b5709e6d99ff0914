#pragma once
// TClassMultiElementEx_2DF66E0: one lamp's block in the "Smooth Strip" window. It keeps the lamp's
// colour and paints the lamp as a gradient from the previous block's colour to its own; every change,
// its own or one rippling in from the left, is passed on to the next block.
#include <utility>

#include "runtime/container.h"
#include "runtime/elements/data_flow.h"

namespace lr {

class TClassMultiElementEx_2DF66E0 : public TClassMultiBase {
  public:
    explicit TClassMultiElementEx_2DF66E0(TClassMultiBase* owner);

    Point Prev;       // data input: the previous block's colour
    Point onColors;   // the 21 colours for the lamp's doColors
    Point onRefresh;  // to the next block's doRefresh

    void doColor(TData& data);    // a new colour for this lamp
    void doRefresh(TData& data);  // the previous block changed
    void Color(TData& data);      // data output: this lamp's colour

  private:
    void paint();

    THIMemory& current_;
    THIMemory& unchanged_;
    // The ripple passes every later block; only a lamp whose two colours changed is repainted. The lamps
    // start black.
    std::pair<std::int32_t, std::int32_t> painted_{0, 0};
};

}  // namespace lr
