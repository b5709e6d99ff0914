#pragma once
// OrganPlaylistChoice: one playlist row of the colour organ page: the box that runs a playlist, the list
// of the playlists in "list.ini" (the section "support" is never offered) and its refresh button. The
// chosen playlist and the box are kept in the settings under the row's two keys.
#include "runtime/container.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"
#include "settings/ini_element.h"

namespace lr {

class OrganPlaylistChoice : public TClassMultiBase {
  public:
    struct Row {
        const char* caption;
        int boxTop;
        int listTop;
        const char* bitmap;  // of the refresh button
        const char* boxKey;
        const char* nameKey;
    };
    static const Row kSilence;
    static const Row kMusic;

    OrganPlaylistChoice(ui::Control* parent, TClassMultiBase* owner, const Row& row);

    // Lists the playlists, selects the stored one without firing, then sets the stored box state.
    void doRefresh(TData& data);
    // The box becomes its state xor 1.
    void doToggle(TData& data);
    void Playlist(TData& data);  // the chosen playlist, empty when none
    void Checked(TData& data);   // Integer 1 or 0

    void setOnBox(Point point) { boxChanged_.outputs[1] = point; }  // every change of the box, 1 or 0

  private:
    THICheckBox& runBox(ui::Control* parent, const Row& row);
    THIComboBox& playlists(ui::Control* parent, const Row& row);
    THIBitBtn& refreshButton(ui::Control* parent, const Row& row);
    THIini& setting(const char* key, THIini::ValueType type);
    void link();
    void relist(TData& data);

    THICheckBox& box_;
    THIComboBox& list_;
    THIBitBtn& refreshButton_;
    THIini& boxKey_;
    THIini& nameKey_;
    THIHub& refresh_;
    THIHub& boxChanged_;
};

}  // namespace lr
