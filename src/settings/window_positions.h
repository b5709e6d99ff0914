#pragma once
// The window position store: a key "file.ini\section" keeps Left, Top, Width and Height in that section
// of the ini file (a bare file name lives in the program's folder); any other key is a registry key
// under HKEY_CURRENT_USER "Software\", with 32-bit integer values.
#include "runtime/elements/window_positions.h"

namespace settings {

class SettingsWindowPositions : public lr::WindowPositions {
  public:
    ui::Rect load(std::string_view key, const ui::Rect& current) override;
    void save(std::string_view key, const ui::Rect& bounds) override;
};

// Installs a store for a scope and puts the previous one back.
class ScopedWindowPositions {
  public:
    ScopedWindowPositions();
    ~ScopedWindowPositions();
    ScopedWindowPositions(const ScopedWindowPositions&) = delete;
    ScopedWindowPositions& operator=(const ScopedWindowPositions&) = delete;

  private:
    SettingsWindowPositions store_;
    lr::WindowPositions* previous_;
};

}  // namespace settings
