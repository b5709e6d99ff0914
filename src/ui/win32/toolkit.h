#pragma once
// The Win32 toolkit: window classes, the hint window, the hidden owner of menus and parked controls.
#include <windows.h>

#include "ui/toolkit.h"
#include "ui/win32/control.h"

namespace ui::win32 {

inline constexpr wchar_t HostClass[] = L"LumenrigWindow";

class Win32Toolkit : public Toolkit {
  public:
    Win32Toolkit();
    ~Win32Toolkit() override;
    std::unique_ptr<Window> createWindow(const WindowSpec& params) override;
    std::unique_ptr<Control> createControl(Control* parent, const ControlSpec& params) override;
    std::unique_ptr<PopupMenu> createPopupMenu() override;
    std::unique_ptr<TrayIcon> createTrayIcon(Window& owner) override;
    HotKeyRegistration registerHotKey(int virtualKey, unsigned modifiers) override;
    Window* windowFromHandle(std::intptr_t handle) const override;
    void setHintStyle(const HintStyle& style) override;
    Size textExtent(const Font& font, std::string_view text) const override;

    void addHint(HWND control, const std::string& text);
    HWND hiddenOwner() const { return hidden_; }
    int systemDpi() const { return dpi_; }

  private:
    HWND hidden_ = nullptr;
    HWND tooltip_ = nullptr;
    int dpi_ = 96;
};

// The window procedure of every window of the host class.
LRESULT CALLBACK hostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace ui::win32
