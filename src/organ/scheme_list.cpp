#include "organ/scheme_list.h"

#include "settings/file_search.h"
#include "settings/paths.h"
#include "settings/translation.h"
#include "ui/platform.h"

namespace lr {

namespace {

constexpr int kRowTop = 25;
constexpr int kButtonWidth = 25;
constexpr int kButtonHeight = 22;

// The folder the program made its current one at start, so the list and the loads see the same files.
std::string schemesFolder() {
    return settings::programFolder() + "schemes\\";
}

}  // namespace

OrganSchemeList::OrganSchemeList(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner),
      list_(schemeList(parent)),
      save_(button(parent, "Save changes in current Scheme", "BITMAP21", 465)),
      refreshButton_(button(parent, "Refresh Schemes List", "BITMAP22", 492)),
      refresh_(make<THIHub>(3)),
      schemeKey_(make<THIini>()),
      random_(make<THIRandom>()) {
    link();
}

THIComboBox& OrganSchemeList::schemeList(ui::Control* parent) {
    THIComboBox& l = make<THIComboBox>(parent);
    l.Name = "scheme list";
    l.Hint = settings::translate("Choice of the Scheme");
    l.Color_ = ui::systemColor(ui::syscolor::Window);
    l.Left_ = 85;
    l.Top_ = kRowTop;
    l.Width_ = 375;
    l.Height_ = 21;
    l.init();
    return l;
}

THIBitBtn& OrganSchemeList::button(ui::Control* parent, const char* hint, const char* bitmap, int left) {
    THIBitBtn& b = make<THIBitBtn>(parent);
    b.Hint = settings::translate(hint);
    b.Bitmap = ui::platform().resources().bitmap(bitmap);
    b.Left_ = left;
    b.Top_ = kRowTop;
    b.Width_ = kButtonWidth;
    b.Height_ = kButtonHeight;
    b.init();
    return b;
}

void OrganSchemeList::link() {
    refreshButton_.onClick = bind<&THIHub::doEvent>(refresh_);
    refresh_.outputs[0] = bind<&OrganSchemeList::relist>(*this);
    refresh_.outputs[2] = bind<&THIini::doRead>(schemeKey_);
    schemeKey_.FileName_ = "lumenrig.ini";
    schemeKey_.Section_ = "scheme";
    schemeKey_.Key_ = "scheme";
    schemeKey_.Value = bind<&THIComboBox::String>(list_);
    schemeKey_.onRead = bind<&OrganSchemeList::doLoadName>(*this);
    list_.onSelectText = bind<&OrganSchemeList::picked>(*this);
    random_.Min = 0.0;
    random_.onRandom = bind<&OrganSchemeList::randomIndex>(*this);
}

void OrganSchemeList::doRefresh(TData& data) {
    fire(bind<&THIHub::doEvent>(refresh_), data);
}

// A file named just ".lsc" would list as an empty entry, which reads as "nothing selected": left out.
void OrganSchemeList::relist(TData&) {
    fireNull(bind<&THIComboBox::doClear>(list_));
    for (const std::string& path : settings::findFiles(schemesFolder(), "*.lsc")) {
        std::string name = settings::nameWithoutFolderAndExtension(path);
        if (!name.empty()) fireString(bind<&THIComboBox::doAdd>(list_), std::move(name));
    }
}

bool OrganSchemeList::empty() {
    return readInteger(bind<&THIComboBox::Count>(list_)) == 0;
}

// An empty name names no scheme file, and with no scheme listed every name would load as an empty
// scheme: both would hide every bar and clear the stored name, so they change nothing.
void OrganSchemeList::doLoadName(TData& data) {
    const std::string name = toString(data);
    if (name.empty() || empty()) return;
    fireString(bind<&THIComboBox::doSelectString>(list_), name);
    load(name);
}

void OrganSchemeList::picked(TData& data) {
    const std::string name = toString(data);
    if (!name.empty()) load(name);
}

void OrganSchemeList::doRandom(TData&) {
    if (empty()) return;
    fireInteger(bind<&THIRandom::doMax>(random_), readInteger(bind<&THIComboBox::Count>(list_)) - 1);
    fireNull(bind<&THIRandom::doRandom>(random_));
}

void OrganSchemeList::randomIndex(TData& data) {
    fire(bind<&THIComboBox::doSelect>(list_), data);
    TData text;
    read(bind<&THIComboBox::String>(list_), text);
    load(toString(text));
}

// A scheme in a subfolder is listed, but loads from the schemes folder itself.
void OrganSchemeList::load(const std::string& name) {
    fireString(onLoad_, schemesFolder() + name + ".lsc");
    fireNull(bind<&THIini::doWrite>(schemeKey_));
}

}  // namespace lr
