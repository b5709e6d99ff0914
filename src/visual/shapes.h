#pragma once
// The three shape windows: a round colour lamp whose size can follow a channel, a resizable gradient
// rectangle, and a bar of nine LED segments. Points as ShapeForm's.
#include "visual/lamps.h"
#include "visual/shape_form.h"

namespace lr {

// Circle colour: "Form0", the round lamp in the 80 x 80 area above its four labels.
class TClassChildFormEx_2DF1E00 : public ShapeForm {
  public:
    TClassChildFormEx_2DF1E00(ui::Control* parent, TClassMultiBase* owner, THIMultiElementEx& outer);

  private:
    THILED& makeLamp();
    void show(ShapeInput input) override;
    THILED& lamp_;
};

// Rectangle resizable: "Form1", the gradient filling the whole window, which has a sizing frame.
class TClassChildFormEx_2DECAD0 : public ShapeForm {
  public:
    TClassChildFormEx_2DECAD0(ui::Control* parent, TClassMultiBase* owner, THIMultiElementEx& outer);

  private:
    ThiGLabel& makeLamp();
    void show(ShapeInput input) override;
    void resized() override;
    ThiGLabel& lamp_;
};

// LED ladder: "Form2", nine segments over its level label.
class TClassChildFormEx_2DEF990 : public ShapeForm {
  public:
    TClassChildFormEx_2DEF990(ui::Control* parent, TClassMultiBase* owner, THIMultiElementEx& outer);

  private:
    ThiLedLadder& makeLamp();
    void show(ShapeInput input) override;
    void doLevel(TData& data) override;
    ThiLedLadder& lamp_;
};

// The lamp colour of three levels, each times 31: red + green * 256 + blue * 65536.
ui::Color channelColor(int red, int green, int blue);

}  // namespace lr
