#pragma once
// TClassChildPanelEx_1EF8790: the strip above the mode bar. Its buttons send window command indexes
// (always on top, lights, language, manual, web page, minimise, close); a press on the strip itself asks
// for the main window to be dragged.
#include <cstdint>

#include "runtime/container.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/multi_element.h"

namespace lr {

class TClassChildPanelEx_1EF8790 : public TClassMultiBase {
  public:
    // Input 0: start. Output 0: drag request. Output 1: window command index.
    TClassChildPanelEx_1EF8790(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer);

  private:
    void addBitmapButton(const char* hint, const char* bitmap, int left, std::uint16_t command);
    void addTextButton(const char* caption, int left, std::uint16_t command);
    void addImageButton(const char* bitmap, int left, std::uint16_t command);
    void command(TData& data, std::uint16_t index);
    void pressed(TData& data);

    THIEditMulti& edge_;
    THIPanel& strip_;
};

}  // namespace lr
