#pragma once
// Elements with a position in a range: track bar, scroll bar, scroll box.
#include "runtime/elements/visual_win.h"

namespace lr {

enum class Orientation { Horizontal, Vertical };
enum class TickMarks { BottomRight, Both, None };

class THITrackBar : public THIWin {
  public:
    using THIWin::THIWin;
    int Min = 0;
    int Max = 10;
    int Position_ = 0;
    int PageSize = 2;
    int Frequency = 1;
    int LineSize = 1;
    Orientation Orientation_ = Orientation::Horizontal;
    TickMarks TickMarks_ = TickMarks::BottomRight;
    Point onPosition;  // while dragging, and from doPosition
    Point onStart;     // the first change of a drag
    Point onStop;      // the end of the drag
    void doPosition(TData& data);
    void doMin(TData& data);
    void doMax(TData& data);
    void Position(TData& data);

  protected:
    ui::ControlSpec params() const override;
    void applyOwn() override;
    void scrolled(ui::ScrollCode code, int position) override;

  private:
    bool dragging_ = false;
};

class THIScrollBar : public THIWin {
  public:
    using THIWin::THIWin;
    int Min = 0;
    int Max = 100;
    int Position_ = 0;
    int PageSize = 10;
    Orientation Kind = Orientation::Horizontal;
    Point onPosition;  // every move the user makes
    void doPosition(TData& data);
    void Position(TData& data);

  protected:
    ui::ControlSpec params() const override;
    void applyOwn() override;
    void scrolled(ui::ScrollCode code, int position) override;
};

// A panel whose children scroll vertically over a taller content.
class THIScrollBox : public THIWin {
  public:
    using THIWin::THIWin;
    int ContentHeight = 0;
    void doScroll(TData& data);  // the vertical offset
    void Position(TData& data);

  protected:
    ui::ControlSpec params() const override { return {ui::ControlKind::ScrollBox}; }
    void applyOwn() override;
};

}  // namespace lr
