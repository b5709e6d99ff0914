#pragma once
// The Win32 backend: native windows and common controls, GDI painting, the Windows message loop.
// Implements: windows (border table, layered, topmost, drag-anywhere, icon), every control kind,
// owner-drawn popup menus, tray icon, global hotkeys, message boxes, colour and file dialogs,
// hints, screen metrics, resources, per-monitor DPI scaling of logical pixels.
#include <cstdint>
#include <memory>

#include "ui/platform.h"

namespace ui::win32 {

class Win32Platform : public Platform {
  public:
    // Call once, on the thread that will run the loop.
    static std::unique_ptr<Win32Platform> create();
    // Messages the loop has dispatched since it started (benchmarks: an idle loop dispatches none).
    virtual std::uint64_t dispatchedMessages() const = 0;
};

}  // namespace ui::win32
