#pragma once
// Top-level windows: border styles, layered transparency, dragging, z-order and the close request.
#include <optional>

#include "ui/control.h"

namespace ui {

// The table of window styles that the window elements index.
enum class WindowBorder {
    None = 0,          // no border, no caption
    Single = 1,        // caption and a fixed frame
    Sizeable = 2,      // caption and a sizing frame
    Dialog = 3,        // caption, dialog frame, no task-bar entry
    ToolWindow = 4,    // small caption
    SizeableTool = 5,  // small caption and a sizing frame
    ThinFrame = 6,     // a thin line, no caption
    SizingFrame = 7,   // a sizing frame, no caption
};

struct WindowSpec {
    std::string caption{};
    Rect bounds{};
    WindowBorder border = WindowBorder::Sizeable;
    Color color = systemColor(syscolor::ButtonFace);
    class Window* owner = nullptr;  // an owned window stays above its owner and closes with it
};

class Window : public Control {
  public:
    virtual void setBorder(WindowBorder border) = 0;
    virtual void setTopmost(bool on) = 0;
    virtual bool topmost() const = 0;
    // Layered window: pixels of the key colour are see-through, the rest drawn at `alpha` (255 opaque).
    virtual void setLayered(std::optional<Color> key, std::uint8_t alpha) = 0;
    // A left press anywhere on the window (or on a child that does not use it) moves the window.
    virtual void setDragAnywhere(bool on) = 0;
    // Starts the system's window move from the current mouse press.
    virtual void startMove() = 0;
    virtual void setIcon(const Image& icon) = 0;
    virtual void minimise() = 0;
    virtual void restore() = 0;
    virtual bool minimised() const = 0;
    virtual void bringToFront() = 0;
    // Asks the window to close, as the system's close button does; the listener may refuse.
    virtual void requestClose() = 0;
};

}  // namespace ui
