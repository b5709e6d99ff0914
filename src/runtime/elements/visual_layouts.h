#pragma once
// Layouts: place the items given to them one after the other, top to bottom or left to right, when
// the container lays them out at the end of its construction. Layouts nest.
#include <string>
#include <vector>

#include "runtime/elements/visual_win.h"

namespace lr {

class LayoutItem {
  public:
    virtual ~LayoutItem() = default;
    virtual ui::Size layoutSize() = 0;
    virtual void place(ui::Point at) = 0;
};

// A window element in a layout.
class TWinLayout : public Element, public LayoutItem {
  public:
    explicit TWinLayout(THIWin& win) : win_(win) {}
    ui::Size layoutSize() override;
    void place(ui::Point at) override;

  private:
    THIWin& win_;
};

// A fixed gap.
class THILayoutSpacer : public Element, public LayoutItem {
  public:
    int Width_ = 0;
    int Height_ = 0;
    ui::Size layoutSize() override { return {Width_, Height_}; }
    void place(ui::Point) override {}
};

class THIBoxLayout : public Element, public LayoutItem {
  public:
    std::string LayoutName;
    int Spacing = 0;
    int Left_ = 0;  // where the first item goes
    int Top_ = 0;
    void add(LayoutItem& item) { items_.push_back(&item); }
    void layout() { place({Left_, Top_}); }
    ui::Size layoutSize() override;
    void place(ui::Point at) override;

  protected:
    explicit THIBoxLayout(bool vertical) : vertical_(vertical) {}

  private:
    bool vertical_;
    std::vector<LayoutItem*> items_;
};

class THIVBoxLayout : public THIBoxLayout {
  public:
    THIVBoxLayout() : THIBoxLayout(true) {}
};

class THIHBoxLayout : public THIBoxLayout {
  public:
    THIHBoxLayout() : THIBoxLayout(false) {}
};

}  // namespace lr
