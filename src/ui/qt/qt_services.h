#pragma once
// Message boxes, key state, screen metrics, resources and the common dialogs on Qt.
#include "ui/headless/headless_services.h"
#include "ui/platform.h"

namespace ui::qt {

class QtMessageBoxes : public MessageBoxes {
  public:
    Answer show(const MessageBoxSpec& params) override;
};

// Qt knows the state of the modifiers and mouse buttons only; other keys read as up.
class QtKeyboard : public Keyboard {
  public:
    bool isKeyDown(int virtualKey) const override;
};

// Logical pixels are Qt's device-independent ones; 96 per inch as the fonts are sized.
class QtScreen : public Screen {
  public:
    Size size() const override;
    Rect workArea() const override;
    int pixelsPerInch() const override { return 96; }
    Point cursor() const override;
    Color systemColor(int index) const override { return classic_.systemColor(index); }
    std::vector<Rect> monitors() const override;

  private:
    headless::HeadlessScreen classic_;  // the system colours of the classic Windows scheme
};

class QtDialogs : public Dialogs {
  public:
    std::optional<Color> chooseColor(Window* owner, Color initial) override;
    std::optional<std::string> openFile(Window* owner, const FileDialogSpec& params) override;
    std::optional<std::string> saveFile(Window* owner, const FileDialogSpec& params) override;
};

}  // namespace ui::qt
