#pragma once
// OrganSchemeList: the drop-down list of the schemes found under the schemes folder, with its Save and
// Refresh buttons. Every scheme change goes through the load by name: the list selects the name without
// firing, the scheme file "<program folder>schemes\<name>.lsc" is loaded, and the settings key "scheme"
// receives the list's text. A pick in the list and a random choice load the picked text the same way.
#include <cstdint>
#include <string>

#include "runtime/container.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/numbers.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"
#include "settings/ini_element.h"

namespace lr {

class OrganSchemeList : public TClassMultiBase {
  public:
    OrganSchemeList(ui::Control* parent, TClassMultiBase* owner);

    // Lists the schemes anew, then reads the random change setting, then loads the stored scheme.
    void doRefresh(TData& data);
    // The load by name. Nothing happens for an empty name or while no scheme is listed.
    void doLoadName(TData& data);
    // Picks a random entry of the list and loads it; nothing while the list is empty.
    void doRandom(TData& data);

    void setOnLoad(Point point) { onLoad_ = point; }  // the path of the scheme file to load
    void setOnSave(Point point) { save_.onClick = point; }
    void setOnListed(Point point) { refresh_.outputs[1] = point; }  // after the relisting of a refresh

  private:
    THIComboBox& schemeList(ui::Control* parent);
    THIBitBtn& button(ui::Control* parent, const char* hint, const char* bitmap, int left);
    void link();
    void relist(TData& data);
    void picked(TData& data);
    void randomIndex(TData& data);
    void load(const std::string& name);
    bool empty();

    THIComboBox& list_;
    THIBitBtn& save_;
    THIBitBtn& refreshButton_;
    THIHub& refresh_;
    THIini& schemeKey_;
    THIRandom& random_;
    Point onLoad_;
};

}  // namespace lr
