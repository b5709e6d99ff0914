#include "visual/shape_menus.h"

#include "runtime/globals.h"
#include "runtime/strings.h"
#include "settings/system.h"
#include "settings/translation.h"
#include "visual/shape_form.h"

namespace lr {

namespace {

const char* slotName(ShapeMenu kind) {
    switch (kind) {
        case ShapeMenu::Circle:
            return "shape_menu_circle";
        case ShapeMenu::Rectangle:
            return "shape_menu_rectangle";
        case ShapeMenu::Ladder:
            break;
    }
    return "shape_menu_ladder";
}

std::string builtIn(ShapeMenu kind) {
    switch (kind) {
        case ShapeMenu::Circle:
            return shapeMenuText({"R=", "G=", "B=", "Size="});
        case ShapeMenu::Rectangle:
            return shapeMenuText({"R=", "G=", "B="});
        case ShapeMenu::Ladder:
            break;
    }
    return shapeMenuText({"Level="});
}

// The structure lines stay as they are, so the item numbers the shapes test do not move.
std::string translated(const std::string& text) {
    std::string out;
    for (const std::string& line : splitLines(text)) {
        const bool structure = line == "(" || line == ")" || line == "-";
        out += (out.empty() ? "" : "\r\n") + (structure ? line : settings::translate(line));
    }
    return out;
}

std::string fromResources(const char* name, ShapeMenu kind) {
    const auto text = settings::system().resourceText(name);
    return text && !text->empty() ? *text : builtIn(kind);
}

}  // namespace

std::string shapeMenu(ShapeMenu kind) {
    const TData& kept = globalVar(slotName(kind));
    return isString(kept) ? toString(kept) : builtIn(kind);
}

TClassMultiElement_2DEA5B0::TClassMultiElement_2DEA5B0(ui::Control* parent, TClassMultiBase* owner,
                                                       THIMultiElement& outer)
    : TClassMultiBase(parent, owner), edge_(make<THIEditMulti>(outer, 1, 0)) {
    join(edge_);
    edge_.inputs[0] = bind<&TClassMultiElement_2DEA5B0::start>(*this);
}

void TClassMultiElement_2DEA5B0::start(TData&) {
    globalVar(slotName(ShapeMenu::Circle)) = makeString(translated(fromResources("Str5", ShapeMenu::Circle)));
    globalVar(slotName(ShapeMenu::Rectangle)) =
        makeString(translated(fromResources("Str4", ShapeMenu::Rectangle)));
    globalVar(slotName(ShapeMenu::Ladder)) = makeString(translated(builtIn(ShapeMenu::Ladder)));
}

}  // namespace lr
