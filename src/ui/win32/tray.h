#pragma once
// The notification-area icon and the global hotkeys, each on a hidden window of its own.
#include <windows.h>
// after windows.h
#include <shellapi.h>

#include "ui/tray.h"

namespace ui::win32 {

class Win32Tray : public TrayIcon {
  public:
    explicit Win32Tray(HWND owner);
    ~Win32Tray() override;
    void show() override;
    void hide() override;
    bool shown() const override { return shown_; }
    void setTip(std::string tip) override;
    void setIcon(const Image& icon) override;

  private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void report(LPARAM event);
    NOTIFYICONDATAW data(UINT flags) const;

    HWND owner_;
    HWND hwnd_ = nullptr;
    HICON icon_ = nullptr;
    HICON ownIcon_ = nullptr;  // made by setIcon and freed here; the window's own icon is only borrowed
    std::wstring tip_;
    bool shown_ = false;
};

// Registers the key as the hotkey elements do: a hidden window of the class "HotKeyWindows_<key>_<mods>"
// and the identifier of the global atom "KeyID".
HotKeyRegistration registerGlobalHotKey(int virtualKey, unsigned modifiers);

}  // namespace ui::win32
