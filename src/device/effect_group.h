#pragma once
// What every command group of the Effect page shares: its box, and the "to COM" box that shows the last
// command the group sent. A command goes to the box first, then out of the group.
#include <cstdint>
#include <string>

#include "runtime/container.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"

namespace lr {

class EffectGroup : public TClassMultiBase {
  public:
    static constexpr ui::Color kPageColor = 0xC0C0C0;
    static constexpr int kWidth = 523;

    void setOnCommand(Point point) { command_.outputs[1] = point; }

  protected:
    // `top` and `height` place the group in the page.
    EffectGroup(ui::Control* parent, TClassMultiBase* owner, const char* caption, int top, int height);

    ui::Control& box() { return group_.control(); }
    THILabel& label(std::string caption, ui::Rect r, ui::TextAlign align = ui::TextAlign::Left);
    // A label that takes clicks, centred and raised; `font` null keeps the page's font.
    THILabel& clickLabel(std::string caption, ui::Rect r, ui::Color color, const char* font = nullptr);
    THIBitBtn& button(const char* caption, ui::Rect r, const char* hint = "");
    void send(std::string command);
    Point commandInput() { return bind<&THIHub::doEvent>(command_); }

  private:
    THIGroupBox& groupBox(ui::Control* parent, const char* caption, int top, int height);
    THIEdit& toComBox();

    THIGroupBox& group_;
    THIHub& command_;
    THIEdit& toCom_;
};

}  // namespace lr
