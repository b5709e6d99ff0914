#pragma once
// The Win32 services beside the toolkit.
#include <windows.h>

#include "ui/platform.h"

namespace ui::win32 {

class Win32MessageBoxes : public MessageBoxes {
  public:
    Answer show(const MessageBoxSpec& params) override;
};

class Win32Keyboard : public Keyboard {
  public:
    bool isKeyDown(int virtualKey) const override;
};

class Win32Screen : public Screen {
  public:
    explicit Win32Screen(int dpi) : dpi_(dpi) {}
    Size size() const override;
    Rect workArea() const override;
    int pixelsPerInch() const override { return dpi_; }
    Point cursor() const override;
    Color systemColor(int index) const override;
    std::vector<Rect> monitors() const override;

  private:
    int dpi_;
};

class Win32Resources : public Resources {
  public:
    Image bitmap(std::string_view name) const override;
    Image icon(std::string_view name) const override;
    std::string text(std::string_view name) const override;
};

class Win32Dialogs : public Dialogs {
  public:
    std::optional<Color> chooseColor(Window* owner, Color initial) override;
    std::optional<std::string> openFile(Window* owner, const FileDialogSpec& params) override {
        return fileDialog(owner, params, false);
    }
    std::optional<std::string> saveFile(Window* owner, const FileDialogSpec& params) override {
        return fileDialog(owner, params, true);
    }

  private:
    std::optional<std::string> fileDialog(Window* owner, const FileDialogSpec& params, bool save);
    COLORREF custom_[16] = {};
};

}  // namespace ui::win32
