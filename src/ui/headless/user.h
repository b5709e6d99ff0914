#pragma once
// Finding headless controls and acting on them as a user would. An action on a control that the user
// cannot reach (hidden, in a hidden parent, or disabled) does nothing and returns false.
#include <functional>
#include <initializer_list>
#include <string_view>

#include "ui/headless/headless_platform.h"

namespace ui::headless {

using Match = std::function<bool(const HeadlessControl&)>;
Match byCaption(std::string_view caption);
Match byHint(std::string_view hint);
Match byName(std::string_view name);
Match byKind(ControlKind kind);

// Depth-first, the root included; null when nothing matches.
HeadlessControl* find(HeadlessControl& root, const Match& match);
// In every top-level window.
HeadlessControl* findAnywhere(const HeadlessToolkit& toolkit, const Match& match);
// The index-th child in creation order; null past the end.
HeadlessControl* childAt(const HeadlessControl& parent, std::size_t index);
HeadlessControl& asHeadless(Control& c);

bool reachable(const HeadlessControl& c);

bool click(Control& c, MouseButton button = MouseButton::Left, Point at = {1, 1});
bool check(Control& c, bool on);
bool pick(Control& c, int index);
bool pick(Control& c, std::string_view item);
// Drags a slider's thumb through the positions and lets go.
bool drag(Control& c, std::initializer_list<int> positions);
// A click on an arrow or the track of a track bar or scroll bar.
bool scroll(Control& c, ScrollCode code);
// Replaces the text of an edit or memo as if typed.
bool type(Control& c, std::string_view text);
bool pressKey(Control& c, int virtualKey);
bool wheel(Control& c, int delta);
bool hover(Control& c);
bool leave(Control& c);
// Presses the left button on the window, drags it by (dx, dy) and lets go; it moves only when the press
// started a system move.
bool dragWindow(Window& w, int dx, int dy);
// Chooses the item with that text in the open menu; false when no menu is open or no such item.
bool chooseMenuItem(HeadlessToolkit& toolkit, std::string_view text);

}  // namespace ui::headless
