#include "ambilight/color_block.h"

namespace lr {

ColorBlock::ColorBlock(TClassMultiBase* owner, LampChannels channels, const BalanceReads& balance)
    : TClassMultiBase(nullptr, owner),
      start_(make<THIHub>(5)),
      split_(make<THIToRGB>()),
      components_{component(channels.green, balance.green, bind<&THIToRGB::G>(split_), "%2 / (%1/8)"),
                  component(channels.red, balance.red, bind<&THIToRGB::R>(split_), "%2 / (%1/8)"),
                  component(channels.blue, balance.blue, bind<&THIToRGB::B>(split_), "%2 / (%1/8) ")} {
    start_.outputs[1] = bind<&THIToRGB::doRGB>(split_);
    for (std::size_t k = 0; k < components_.size(); ++k)
        start_.outputs[k + 2] = bind<&THIFastMathParse::doCalc>(*components_[k].scale);
}

void ColorBlock::setOnCommand(Point point) {
    for (Component& c : components_)
        c.command->onResult = point;
}

ColorBlock::Component ColorBlock::component(char letter, Point balance, Point value, const char* formula) {
    Component c{&make<THIFastMathParse>(2), &make<THIChangeMon>(), &make<THIMathParse>(1),
                &make<THIFastMathParse>(1), &make<THIStrCat>()};
    c.scale->setFormula(formula);
    c.scale->X = {balance, value};
    c.scale->onResult = bind<&THIChangeMon::doData>(*c.change);
    c.change->onChange = bind<&THIMathParse::doCalc>(*c.clamp);
    c.clamp->setFormula("(%1 > 255)*255 +  (%1 < 256)*%1");
    c.clamp->onResult = bind<&THIFastMathParse::doCalc>(*c.quantise);
    c.quantise->setFormula("%1/32");
    c.quantise->onResult = bind<&THIStrCat::doStrCat>(*c.command);
    c.command->Str1_ = std::string(1, letter);
    return c;
}

}  // namespace lr
