#pragma once
// Elements that change how other windows look: layered transparency and hint windows.
#include <optional>

#include "runtime/element.h"
#include "runtime/point.h"
#include "ui/toolkit.h"

namespace lr {

enum class TransparentMode { Alpha = 0, ColorKey = 1, AlphaAndColorKey = 2 };

// Makes its window layered: see-through where the key colour is, and/or blended at a level.
class THITransparentManager : public Element {
  public:
    explicit THITransparentManager(ui::Control* window) : window_(dynamic_cast<ui::Window*>(window)) {}
    int Level = 255;  // 0 invisible .. 255 opaque
    TransparentMode Mode = TransparentMode::Alpha;
    ui::Color TransparentColor = ui::rgb(255, 255, 255);
    void init();
    void doTransparent(TData& data);  // the level

  private:
    void apply();
    ui::Window* window_;
};

class THIHintManager : public Element {
  public:
    ui::Color Color = ui::rgb(255, 255, 225);
    ui::Color TextColor = ui::rgb(0, 0, 0);
    int Delay = 500;
    // From now on, the hints of window elements show in these colours after this delay.
    void init();
};

}  // namespace lr
