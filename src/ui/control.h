#pragma once
// A window or control on screen. One interface for every kind; a kind ignores the calls that do not
// apply to it (a label has no check state). Texts are code page 1251 bytes.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/font.h"
#include "ui/geometry.h"
#include "ui/image.h"
#include "ui/painter.h"

namespace ui {

enum class ControlKind {
    Window,        // top-level window
    Panel,         // plain panel, optionally bevelled
    GroupBox,      // framed group with a caption
    Label,         // static text
    Edit,          // one-line edit
    Memo,          // multi-line edit, lines joined with "\r\n"
    CheckBox,      //
    ComboBox,      // drop-down list
    TrackBar,      // slider
    ScrollBar,     //
    ScrollBox,     // a panel whose children scroll vertically
    BitmapButton,  // push button with caption and bitmap
    ImageButton,   // four images: normal, hot, pressed, disabled
    PaintBox,      // custom-painted; the owner draws it in paint()
    ListView,      // table with columns
    ImageView,     // shows an image
};

enum class MouseButton { Left = 0, Right = 1, Middle = 2, Other = 3 };

// What moved a track bar or scroll bar. EndScroll ends a drag.
enum class ScrollCode {
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    ThumbPosition,
    ThumbTrack,
    Top,
    Bottom,
    EndScroll
};

// Creation options that a native control needs up front.
namespace style {
inline constexpr unsigned Vertical = 1;       // track bar, scroll bar
inline constexpr unsigned NoTicks = 2;        // track bar
inline constexpr unsigned TicksBoth = 4;      // track bar
inline constexpr unsigned ReadOnly = 8;       // edit, memo
inline constexpr unsigned Password = 16;      // edit
inline constexpr unsigned AlignCenter = 32;   // label
inline constexpr unsigned AlignRight = 64;    // label
inline constexpr unsigned TabStop = 128;      //
inline constexpr unsigned Transparent = 256;  // image button: the corner colour of each image is see-through
inline constexpr unsigned Stretch = 512;      // image view: stretch instead of fit-and-centre
}  // namespace style

enum class Bevel { None = 0, Lowered = 1, Raised = 2, Single = 3 };

struct ControlSpec {
    ControlKind kind = ControlKind::Panel;
    Rect bounds{};
    std::string text{};
    unsigned flags = 0;
};

struct ListColumn {
    std::string caption{};
    int width = 80;
};

struct ImageSet {
    Image normal{}, hot{}, pressed{}, disabled{};
};

// Events of a control, called on the loop's thread. Every method has an empty default.
class ControlListener {
  public:
    virtual ~ControlListener() = default;
    virtual void mouseDown(MouseButton, Point) {}
    virtual void mouseUp(MouseButton, Point) {}
    virtual void click() {}  // a button pushed, or the control clicked with any mouse button
    virtual void mouseWheel(int) {}
    virtual void mouseEnter() {}
    virtual void mouseLeave() {}
    virtual void changed() {}  // the user changed the text, check state or selection
    // A track bar or scroll bar moved; `position` is already the control's new position.
    virtual void scrolled(ScrollCode, int) {}
    virtual void paint(Painter&) {}
    virtual void keyDown(int) {}
    // Top-level windows only.
    virtual bool closeRequested() { return true; }  // false keeps the window open
    virtual void moved(Rect) {}
    virtual void activated(bool) {}
    virtual void minimised() {}
    virtual void restored() {}
};

class Control {
  public:
    virtual ~Control() = default;
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual ControlKind kind() const = 0;
    // The native handle as an integer (unique per control on every backend).
    virtual std::intptr_t handle() const = 0;
    virtual void setListener(ControlListener* listener) = 0;

    virtual Rect bounds() const = 0;  // relative to the parent's client area; screen for windows
    virtual void setBounds(Rect r) = 0;
    // The top left corner on the screen; a window's own place unless a backend knows better.
    virtual Point screenPosition() const { return {bounds().left, bounds().top}; }
    virtual Size clientSize() const = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool on) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool on) = 0;
    virtual Color color() const = 0;
    virtual void setColor(Color c) = 0;
    virtual Font font() const = 0;
    virtual void setFont(const Font& f) = 0;
    virtual std::string text() const = 0;  // caption, edit text or memo lines
    virtual void setText(std::string s) = 0;
    virtual void setHint(std::string s) = 0;
    virtual std::string hint() const = 0;
    virtual void setBevel(Bevel b) = 0;
    virtual void invalidate() = 0;  // repaint soon

    // Check box.
    virtual bool checked() const = 0;
    virtual void setChecked(bool on) = 0;
    // Combo box, list view rows (cells joined by tabs).
    virtual std::vector<std::string> items() const = 0;
    virtual void setItems(std::vector<std::string> items) = 0;
    virtual void addItem(std::string item) = 0;
    virtual int selected() const = 0;  // -1 when none
    virtual void setSelected(int index) = 0;
    virtual void setItemHeight(int pixels) = 0;
    virtual void setColumns(std::vector<ListColumn> columns) = 0;
    // List view: the width of each column as the user left it; empty where the backend cannot tell.
    virtual std::vector<int> columnWidths() const { return {}; }
    // Track bar, scroll bar, scroll box (vertical offset).
    virtual int position() const = 0;
    virtual void setPosition(int pos) = 0;
    virtual void setRange(int min, int max) = 0;
    virtual int rangeMin() const = 0;
    virtual int rangeMax() const = 0;
    virtual void setSteps(int lineSize, int pageSize, int tickFrequency) = 0;
    // Buttons and image views.
    virtual void setImages(ImageSet images) = 0;
    // The platform's hand cursor while the mouse is over the control; ignored where there is no cursor.
    virtual void setHandCursor(bool) {}

    // A name for finding the control in tests and logs.
    void setName(std::string n) { name_ = std::move(n); }
    const std::string& name() const { return name_; }

  private:
    std::string name_;
};

}  // namespace ui
