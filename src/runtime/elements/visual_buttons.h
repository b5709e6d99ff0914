#pragma once
// Buttons: with a bitmap, with four images, and the owner-drawn gradient button.
#include <array>

#include "runtime/elements/visual_win.h"

namespace lr {

class THIBitBtn : public THIWin {
  public:
    using THIWin::THIWin;
    std::string Caption;
    ui::Image Bitmap;
    void doCaption(TData& data);

  protected:
    ui::ControlSpec params() const override { return {ui::ControlKind::BitmapButton, {}, Caption}; }
    void applyOwn() override { control().setImages({.normal = Bitmap}); }
};

class THIImgBtn : public THIWin {
  public:
    using THIWin::THIWin;
    ui::ImageSet Images;       // normal, hot, pressed, disabled
    bool Transparent = false;  // the corner colour of each image is see-through

  protected:
    ui::ControlSpec params() const override;
    void applyOwn() override { control().setImages(Images); }
};

// The colours of one drawing state of the gradient button.
struct RushColors {
    ui::Color base = ui::rgb(192, 192, 192);
    ui::Color gradientTop = ui::rgb(250, 250, 250);
    ui::Color gradientBottom = ui::rgb(200, 200, 200);
    ui::Color border = ui::rgb(110, 110, 110);
    ui::Color light = ui::rgb(255, 255, 255);  // the inner line under the top border
    ui::Color text = ui::rgb(0, 0, 0);
};

enum class RushState { Normal = 0, Hot = 1, Pressed = 2, Disabled = 3 };

class ThiButtonRush : public THIWin {
  public:
    using THIWin::THIWin;
    std::string Caption;
    TData Data;                        // what onClick carries
    std::array<RushColors, 4> States;  // by RushState
    void doClick(TData& data);
    // 21 integers: the background (also every state's base), then five colours per state in the order
    // gradient top, gradient bottom, border, light, text; -1 keeps a colour.
    void doColors(TData& data);
    void doCaption(TData& data);
    RushState state();

  protected:
    ui::ControlSpec params() const override { return {ui::ControlKind::PaintBox, {}, Caption}; }
    void applyOwn() override { control().invalidate(); }
    void paint(ui::Painter& painter) override;
    void click() override;
    void mouseDown(ui::MouseButton button, ui::Point at) override;
    void mouseUp(ui::MouseButton button, ui::Point at) override;
    void mouseEnter() override;
    void mouseLeave() override;

  private:
    bool hot_ = false;
    bool pressed_ = false;
};

}  // namespace lr
