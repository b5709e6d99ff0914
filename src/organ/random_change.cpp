#include "organ/random_change.h"

#include "settings/translation.h"

namespace lr {

OrganRandomChange::OrganRandomChange(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner),
      box_(randomBox(parent)),
      setting_(make<THIini>()),
      timer_(make<THITimer>()),
      checked_(make<THIIf_else>()) {
    setting_.FileName_ = "lumenrig.ini";
    setting_.Section_ = "scheme";
    setting_.Key_ = "rnd_change";
    setting_.Type = THIini::ValueType::Integer;
    setting_.onRead = bind<&THICheckBox::doCheck>(box_);
    box_.onCheck = bind<&THIini::doWrite>(setting_);
    checked_.Op1 = bind<&THICheckBox::Checked>(box_);
    checked_.Op2_ = makeInteger(1);
    timer_.Interval = kIntervalMs;
    timer_.onTimer = bind<&THIIf_else::doCompare>(checked_);
    timer_.setEnable(true);
}

THICheckBox& OrganRandomChange::randomBox(ui::Control* parent) {
    THICheckBox& b = make<THICheckBox>(parent);
    b.Caption = settings::translate("Random change of Schemes");
    b.Color_ = 0xC0C0C0;
    b.Left_ = 15;
    b.Top_ = 418;
    b.Width_ = 210;
    b.Height_ = 20;
    b.init();
    return b;
}

void OrganRandomChange::doReadSetting(TData& data) {
    fire(bind<&THIini::doRead>(setting_), data);
}

}  // namespace lr
