#include "organ/playlist_choice.h"

#include "runtime/strings.h"
#include "settings/ini_file.h"
#include "settings/paths.h"
#include "settings/translation.h"
#include "ui/platform.h"

namespace lr {

namespace {
constexpr ui::Color kPageColor = 0xC0C0C0;
}

const OrganPlaylistChoice::Row OrganPlaylistChoice::kSilence = {
    "Sublist to run in silence (list.ini)", 374, 374, "BITMAP23", "pause_list_change", "pause_list_name"};
const OrganPlaylistChoice::Row OrganPlaylistChoice::kMusic = {
    "Sublist to run with music (list.ini)", 396, 397, "BITMAP24", "list_change", "list_name"};

OrganPlaylistChoice::OrganPlaylistChoice(ui::Control* parent, TClassMultiBase* owner, const Row& row)
    : TClassMultiBase(parent, owner),
      box_(runBox(parent, row)),
      list_(playlists(parent, row)),
      refreshButton_(refreshButton(parent, row)),
      boxKey_(setting(row.boxKey, THIini::ValueType::Integer)),
      nameKey_(setting(row.nameKey, THIini::ValueType::String)),
      refresh_(make<THIHub>(3)),
      boxChanged_(make<THIHub>(2)) {
    link();
}

THICheckBox& OrganPlaylistChoice::runBox(ui::Control* parent, const Row& row) {
    THICheckBox& b = make<THICheckBox>(parent);
    b.Caption = settings::translate(row.caption);
    b.Color_ = kPageColor;
    b.Left_ = 15;
    b.Top_ = row.boxTop;
    b.Width_ = 210;
    b.Height_ = 20;
    b.init();
    return b;
}

THIComboBox& OrganPlaylistChoice::playlists(ui::Control* parent, const Row& row) {
    THIComboBox& l = make<THIComboBox>(parent);
    l.Name = row.nameKey;
    l.Hint = settings::translate("Choice of a playlist");
    l.Color_ = ui::systemColor(ui::syscolor::Window);
    l.Left_ = 230;
    l.Top_ = row.listTop;
    l.Width_ = 258;
    l.Height_ = 21;
    l.init();
    return l;
}

THIBitBtn& OrganPlaylistChoice::refreshButton(ui::Control* parent, const Row& row) {
    THIBitBtn& b = make<THIBitBtn>(parent);
    b.Name = std::string(row.nameKey) + " refresh";
    b.Hint = settings::translate("Refresh Lists");
    b.Bitmap = ui::platform().resources().bitmap(row.bitmap);
    b.Left_ = 494;
    b.Top_ = row.listTop;
    b.Width_ = 25;
    b.Height_ = 22;
    b.init();
    return b;
}

THIini& OrganPlaylistChoice::setting(const char* key, THIini::ValueType type) {
    THIini& s = make<THIini>();
    s.FileName_ = "lumenrig.ini";
    s.Section_ = "scheme";
    s.Key_ = key;
    s.Type = type;
    return s;
}

void OrganPlaylistChoice::link() {
    refreshButton_.onClick = bind<&THIHub::doEvent>(refresh_);
    refresh_.outputs[0] = bind<&OrganPlaylistChoice::relist>(*this);
    refresh_.outputs[1] = bind<&THIini::doRead>(nameKey_);
    refresh_.outputs[2] = bind<&THIini::doRead>(boxKey_);
    nameKey_.onRead = bind<&THIComboBox::doSelectString>(list_);
    nameKey_.Value = bind<&THIComboBox::String>(list_);
    list_.onSelectText = bind<&THIini::doWrite>(nameKey_);
    boxKey_.onRead = bind<&THICheckBox::doCheck>(box_);
    box_.onCheck = bind<&THIHub::doEvent>(boxChanged_);
    boxChanged_.outputs[0] = bind<&THIini::doWrite>(boxKey_);
}

void OrganPlaylistChoice::doRefresh(TData& data) {
    fire(bind<&THIHub::doEvent>(refresh_), data);
}

// Section names compare ignoring case, so "Support" is the same section as "support".
void OrganPlaylistChoice::relist(TData&) {
    fireNull(bind<&THIComboBox::doClear>(list_));
    for (const std::string& name : settings::iniSectionNames(settings::expandPath("list.ini")))
        if (compareIgnoringCase(name, "support") != 0) fireString(bind<&THIComboBox::doAdd>(list_), name);
}

void OrganPlaylistChoice::doToggle(TData&) {
    fireInteger(bind<&THICheckBox::doCheck>(box_), readInteger(bind<&THICheckBox::Checked>(box_)) ^ 1);
}

void OrganPlaylistChoice::Playlist(TData& data) {
    list_.String(data);
}

void OrganPlaylistChoice::Checked(TData& data) {
    box_.Checked(data);
}

}  // namespace lr
