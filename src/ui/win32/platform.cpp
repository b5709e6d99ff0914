#include "ui/win32/loop.h"
#include "ui/win32/services.h"
#include "ui/win32/toolkit.h"
#include "ui/win32/win32_platform.h"

namespace ui::win32 {

namespace {
class NativePlatform final : public Win32Platform {
  public:
    Loop& loop() override { return loop_; }
    MessageBoxes& messageBoxes() override { return boxes_; }
    Keyboard& keyboard() override { return keyboard_; }
    Toolkit& toolkit() override { return toolkit_; }
    Dialogs& dialogs() override { return dialogs_; }
    Screen& screen() override { return screen_; }
    Resources& resources() override { return resources_; }
    std::uint64_t dispatchedMessages() const override { return loop_.dispatched(); }

  private:
    Win32Loop loop_;
    Win32MessageBoxes boxes_;
    Win32Keyboard keyboard_;
    Win32Toolkit toolkit_;
    Win32Dialogs dialogs_;
    Win32Screen screen_{toolkit_.systemDpi()};
    Win32Resources resources_;
};
}  // namespace

std::unique_ptr<Win32Platform> Win32Platform::create() {
    // Crisp on scaled displays: every logical pixel is scaled by the monitor's DPI / 96.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    return std::make_unique<NativePlatform>();
}

}  // namespace ui::win32
