#pragma once
// A mode page that is not built yet: an empty "totalpanel" in its slot, with the page's numbered points,
// so that the mode pages container is wired as it will be. Input 0 shows or hides it; the others do
// nothing and it never fires.
#include "runtime/container.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/multi_element.h"

namespace lr {

class TClassPendingPage : public TClassMultiBase {
  public:
    TClassPendingPage(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer,
                      std::size_t inputs);

  private:
    THIEditMulti& edge_;
    THIPanel& panel_;
};

}  // namespace lr
