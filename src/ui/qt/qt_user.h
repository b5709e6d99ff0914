#pragma once
// What a test does and reads on the Qt backend: input as the user makes it, sent to the widgets, and
// the control as drawn now.
#include "ui/control.h"

namespace ui::qt {

// A press and release at `at` (the control's own logical pixels).
void click(Control& c, MouseButton button = MouseButton::Left, Point at = {2, 2});
// Presses on the control, moves the mouse by (dx, dy) and lets go.
void dragBy(Control& c, int dx, int dy);
void typeText(Control& c, std::string_view text);
void pressKey(Control& c, int virtualKey);
// A step of a track bar or scroll bar as its arrows or keys make it.
void step(Control& c, ScrollCode code);
// The user picks a combo box item.
void pick(Control& c, int index);
Image capture(Control& c);
// The screen as the X server shows it there, every window and shape mask included.
Image captureScreen(Rect area);
// The shown top-level window with that caption; null when there is none.
Control* shownWindow(std::string_view caption);
// Clicks the first control inside the window with that caption; false when there is none.
bool clickCaption(Control& window, std::string_view caption);
// True where the window's colour-key mask lets the desktop through.
bool seeThrough(Control& window, Point at);
// Picks the item with that text in the open popup menu; false when none is open or has it.
bool chooseMenuItem(std::string_view text);
// Presses the default button of the open modal box; false when none is open.
bool answerModal();
// Another X client grabs the key, as another program holding the hotkey would.
bool grabKeyElsewhere(int virtualKey, unsigned modifiers);
// The user presses the key with the modifiers on the X keyboard (XTest), with NumLock on if asked.
bool pressKeyOnX(int virtualKey, unsigned modifiers, bool numLock);
// The user drags with the left button on the X server, from that screen point by (dx, dy).
bool dragOnX(Point from, int dx, int dy);
// Runs the posted events until nothing is left, so geometry and paint have happened.
void settle();

}  // namespace ui::qt
