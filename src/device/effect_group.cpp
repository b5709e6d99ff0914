#include "device/effect_group.h"

#include "settings/translation.h"

namespace lr {

namespace {
constexpr int kToComTop = 16;
}  // namespace

EffectGroup::EffectGroup(ui::Control* parent, TClassMultiBase* owner, const char* caption, int top,
                         int height)
    : TClassMultiBase(parent, owner),
      group_(groupBox(parent, caption, top, height)),
      command_(make<THIHub>(2)),
      toCom_(toComBox()) {
    command_.outputs[0] = bind<&THIEdit::doText>(toCom_);
}

THIGroupBox& EffectGroup::groupBox(ui::Control* parent, const char* caption, int top, int height) {
    THIGroupBox& g = make<THIGroupBox>(parent);
    g.Caption = settings::translate(caption);
    g.Color_ = kPageColor;
    g.Top_ = top;
    g.Width_ = kWidth;
    g.Height_ = height;
    g.init();
    return g;
}

THIEdit& EffectGroup::toComBox() {
    label(settings::translate("to COM"), {394, kToComTop + 4, 52, 16});
    THIEdit& e = make<THIEdit>(&box());
    e.Name = "to COM";
    e.Text_ = "--";
    e.ReadOnly = true;
    e.Color_ = ui::systemColor(ui::syscolor::Window);
    e.Left_ = 448;
    e.Top_ = kToComTop;
    e.Width_ = 67;
    e.Height_ = 21;
    e.init();
    return e;
}

namespace {
void placeLabel(THILabel& l, std::string caption, ui::Rect r) {
    l.Caption = std::move(caption);
    l.place(r);
}
}  // namespace

THILabel& EffectGroup::label(std::string caption, ui::Rect r, ui::TextAlign align) {
    THILabel& l = make<THILabel>(&box());
    placeLabel(l, std::move(caption), r);
    l.Color_ = kPageColor;
    l.Alignment_ = align;
    l.init();
    return l;
}

THILabel& EffectGroup::clickLabel(std::string caption, ui::Rect r, ui::Color color, const char* font) {
    THILabel& l = make<THILabel>(&box());
    placeLabel(l, std::move(caption), r);
    l.Color_ = color;
    l.Alignment_ = ui::TextAlign::Center;
    l.Border = ui::Bevel::Raised;
    if (font) {
        l.ParentFont = false;
        l.Font.name = font;
    }
    l.init();
    return l;
}

THIBitBtn& EffectGroup::button(const char* caption, ui::Rect r, const char* hint) {
    THIBitBtn& b = make<THIBitBtn>(&box());
    b.Caption = settings::translate(caption);
    b.Hint = *hint ? settings::translate(hint) : std::string();
    b.place(r);
    b.init();
    return b;
}

void EffectGroup::send(std::string command) {
    fireString(commandInput(), std::move(command));
}

}  // namespace lr
