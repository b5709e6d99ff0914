#pragma once
// The headless screen, resources and dialogs: fixed metrics, resources a test registers, and dialogs
// answered from a queue the test fills (cancelled when it is empty).
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs.h"
#include "ui/screen.h"

namespace ui::headless {

class HeadlessScreen : public Screen {
  public:
    Size size() const override { return size_; }
    Rect workArea() const override { return {0, 0, size_.width, size_.height - 40}; }
    int pixelsPerInch() const override { return 96; }
    Point cursor() const override { return cursor_; }
    Color systemColor(int index) const override;
    void setSize(Size s) { size_ = s; }
    void setCursor(Point p) { cursor_ = p; }

  private:
    Size size_{1920, 1080};
    Point cursor_;
};

class HeadlessResources : public Resources {
  public:
    Image bitmap(std::string_view name) const override;
    Image icon(std::string_view name) const override { return bitmap(name); }
    std::string text(std::string_view name) const override;
    void addBitmap(std::string name, Image image) { bitmaps_[std::move(name)] = std::move(image); }
    void addText(std::string name, std::string text) { texts_[std::move(name)] = std::move(text); }

  private:
    std::map<std::string, Image, std::less<>> bitmaps_;
    std::map<std::string, std::string, std::less<>> texts_;
};

class ScriptedDialogs : public Dialogs {
  public:
    enum class Kind { Color, Open, Save };
    struct Shown {
        Kind kind;
        FileDialogSpec params;
        Color initialColor = 0;
    };

    std::optional<Color> chooseColor(Window* owner, Color initial) override;
    std::optional<std::string> openFile(Window* owner, const FileDialogSpec& params) override;
    std::optional<std::string> saveFile(Window* owner, const FileDialogSpec& params) override;

    void answerColor(std::optional<Color> c) { colors_.push_back(c); }
    void answerFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    const std::vector<Shown>& shown() const { return shown_; }

  private:
    std::optional<std::string> nextFile();
    std::deque<std::optional<Color>> colors_;
    std::deque<std::optional<std::string>> files_;
    std::vector<Shown> shown_;
};

}  // namespace ui::headless
