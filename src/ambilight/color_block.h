#pragma once
// A colour block: one region colour becomes up to three channel commands. Each component, in the
// order green, red, blue, is scaled by its balance, passed on only when the scaled value changed,
// clamped to 255, quantised to a level 0..8 and sent as its channel letter and the level ("E6").
#include <array>

#include "expr/fast_math_parse.h"
#include "expr/math_parse.h"
#include "runtime/container.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/numbers.h"
#include "runtime/elements/text_elements.h"

namespace lr {

// The channel letters of a lamp, in the order of its components: green, red, blue.
struct LampChannels {
    char green;
    char red;
    char blue;
};

// Balances: the red, green and blue balance reads (slider positions 1..16, 8 = unity).
struct BalanceReads {
    Point red;
    Point green;
    Point blue;
};

class ColorBlock : public TClassMultiBase {
  public:
    ColorBlock(TClassMultiBase* owner, LampChannels channels, const BalanceReads& balance);

    Point doColor() { return bind<&THIHub::doEvent>(start_); }
    void setOnColor(Point point) { start_.outputs[0] = point; }
    void setOnCommand(Point point);

  private:
    struct Component {
        THIFastMathParse* scale;
        THIChangeMon* change;
        THIMathParse* clamp;
        THIFastMathParse* quantise;
        THIStrCat* command;
    };
    Component component(char letter, Point balance, Point value, const char* formula);

    THIHub& start_;
    THIToRGB& split_;
    std::array<Component, 3> components_;
};

// Which channels each region's lamp drives, regions 1..4.
inline constexpr std::array<LampChannels, 4> kLamps = {
    {{'F', 'E', 'D'}, {'G', 'H', 'I'}, {'C', 'B', 'A'}, {'J', 'K', 'L'}}};

// The container classes of the four colour blocks, by region.
class TClassMultiElement_2C2FFB0 : public ColorBlock {
  public:
    TClassMultiElement_2C2FFB0(TClassMultiBase* owner, const BalanceReads& b)
        : ColorBlock(owner, kLamps[0], b) {}
};
class TClassMultiElement_2C31B30 : public ColorBlock {
  public:
    TClassMultiElement_2C31B30(TClassMultiBase* owner, const BalanceReads& b)
        : ColorBlock(owner, kLamps[1], b) {}
};
class TClassMultiElement_2C312F0 : public ColorBlock {
  public:
    TClassMultiElement_2C312F0(TClassMultiBase* owner, const BalanceReads& b)
        : ColorBlock(owner, kLamps[2], b) {}
};
class TClassMultiElement_2C30AB0 : public ColorBlock {
  public:
    TClassMultiElement_2C30AB0(TClassMultiBase* owner, const BalanceReads& b)
        : ColorBlock(owner, kLamps[3], b) {}
};

}  // namespace lr
