#pragma once
// The common dialogs: colour chooser, open and save. Empty results mean cancelled.
#include <optional>
#include <string>

#include "ui/geometry.h"

namespace ui {

class Window;

struct FileDialogSpec {
    std::string title{};
    std::string filter{};  // "Schemes|*.lsc|All|*.*"
    std::string initialDir{};
    std::string fileName{};
    std::string defaultExt{};
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual std::optional<Color> chooseColor(Window* owner, Color initial) = 0;
    virtual std::optional<std::string> openFile(Window* owner, const FileDialogSpec& params) = 0;
    virtual std::optional<std::string> saveFile(Window* owner, const FileDialogSpec& params) = 0;
};

}  // namespace ui
