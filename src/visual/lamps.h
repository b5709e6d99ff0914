#pragma once
// The lamps that shapes show: a round lamp, a vertical gradient rectangle and a bar of nine LED
// segments. Each repaints only when what it shows changed.
#include "runtime/elements/visual_win.h"

namespace lr {

// THILED: the ellipse inscribed in the control, lit in ColorOn, with a bevelled rim and a highlight.
class THILED : public THIWin {
  public:
    explicit THILED(ui::Control* parent);
    ui::Color ColorOn = ui::rgb(0, 0, 0);
    ui::Color ColorOff = ui::rgb(128, 0, 0);  // unlit; the shapes always draw the lamp lit
    bool Round = true;
    bool On = true;
    void doLight(TData& data);  // the lit colour

  protected:
    ui::ControlSpec params() const override { return {ui::ControlKind::PaintBox}; }
    void paint(ui::Painter& painter) override;
};

// ThiGLabel: the whole control filled top to bottom from the colour to the colour minus 100 per component.
class ThiGLabel : public THIWin {
  public:
    explicit ThiGLabel(ui::Control* parent);
    ui::Color ColorTop = ui::rgb(0, 0, 0);
    std::string Caption = " ";
    void doLight(TData& data);  // the top colour

  protected:
    ui::ControlSpec params() const override { return {ui::ControlKind::PaintBox, {}, Caption}; }
    void applyOwn() override { control().setHandCursor(true); }
    void paint(ui::Painter& painter) override;
};

// ThiLedLadder: nine segments stacked from the bottom; green, then yellow, then red; unlit ones are
// white, which the shape windows make see-through.
class ThiLedLadder : public THIWin {
  public:
    static constexpr int kSegments = 9;
    explicit ThiLedLadder(ui::Control* parent);
    double Max = kSegments;
    double Value = 0;
    void doValue(TData& data);
    // How many segments the value lights.
    int litCount() const;

  protected:
    ui::ControlSpec params() const override { return {ui::ControlKind::PaintBox}; }
    void paint(ui::Painter& painter) override;
};

// Each of red, green and blue minus 100, not below 0.
ui::Color darkened(ui::Color c);

}  // namespace lr
