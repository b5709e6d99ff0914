#pragma once
// TClassMultiElement_2DEA5B0: the menus of the shapes. At start (input 0) it takes the circle's and the
// rectangle's menu texts from the program's resources "Str5" and "Str4" when the program carries them
// (the built-in texts otherwise), passes every item through the translation table, and keeps the three
// texts for the shapes made from then on. Before the start the shapes use the built-in texts.
#include <string>

#include "runtime/container.h"
#include "runtime/multi_element.h"

namespace lr {

enum class ShapeMenu { Circle, Rectangle, Ladder };

// The menu text a new shape of that kind shows.
std::string shapeMenu(ShapeMenu kind);

class TClassMultiElement_2DEA5B0 : public TClassMultiBase {
  public:
    TClassMultiElement_2DEA5B0(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer);

  private:
    void start(TData& data);
    THIEditMulti& edge_;
};

}  // namespace lr
