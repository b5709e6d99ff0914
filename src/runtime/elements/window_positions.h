#pragma once
// Where top-level windows keep their place between runs. The window elements know only a position key;
// the settings layer installs the store that turns the key into an ini section or a registry key.
#include <optional>
#include <string_view>

#include "ui/geometry.h"

namespace lr {

class WindowPositions {
  public:
    virtual ~WindowPositions() = default;
    // The stored place, each part defaulting to the same part of `current`.
    virtual ui::Rect load(std::string_view key, const ui::Rect& current) = 0;
    virtual void save(std::string_view key, const ui::Rect& bounds) = 0;
};

// The process-wide store; none installed keeps windows where they are made.
WindowPositions* windowPositions();
void setWindowPositions(WindowPositions* store);

}  // namespace lr
