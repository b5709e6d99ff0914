#include "ui/headless/headless_services.h"

namespace ui::headless {

Color HeadlessScreen::systemColor(int index) const {
    switch (index) {
        case syscolor::Window:
            return rgb(255, 255, 255);
        case syscolor::Highlight:
            return rgb(0, 120, 215);
        case syscolor::HighlightText:
            return rgb(255, 255, 255);
        case syscolor::ButtonFace:
            return rgb(240, 240, 240);
        case syscolor::ButtonShadow:
            return rgb(160, 160, 160);
        case syscolor::GrayText:
            return rgb(109, 109, 109);
        case syscolor::InfoBackground:
            return rgb(255, 255, 225);
        default:
            return rgb(0, 0, 0);
    }
}

Image HeadlessResources::bitmap(std::string_view name) const {
    const auto it = bitmaps_.find(name);
    return it == bitmaps_.end() ? Image{} : it->second;
}

std::string HeadlessResources::text(std::string_view name) const {
    const auto it = texts_.find(name);
    return it == texts_.end() ? std::string{} : it->second;
}

std::optional<Color> ScriptedDialogs::chooseColor(Window*, Color initial) {
    shown_.push_back({Kind::Color, {}, initial});
    if (colors_.empty()) return std::nullopt;
    const auto answer = colors_.front();
    colors_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogs::openFile(Window*, const FileDialogSpec& params) {
    shown_.push_back({Kind::Open, params});
    return nextFile();
}

std::optional<std::string> ScriptedDialogs::saveFile(Window*, const FileDialogSpec& params) {
    shown_.push_back({Kind::Save, params});
    return nextFile();
}

std::optional<std::string> ScriptedDialogs::nextFile() {
    if (files_.empty()) return std::nullopt;
    auto answer = std::move(files_.front());
    files_.pop_front();
    return answer;
}

}  // namespace ui::headless
