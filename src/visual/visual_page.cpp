#include "visual/visual_page.h"

#include "settings/file_search.h"
#include "settings/ini_file.h"
#include "settings/paths.h"
#include "settings/system.h"
#include "settings/translation.h"
#include "ui/platform.h"

namespace lr {

namespace {

constexpr ui::Color kPageColor = 0xC0C0C0;
constexpr int kGroupWidth = 524;
constexpr int kRowTop = 25;
constexpr const char* kSavedCaption = "Scheme settings";

std::string visualFolder() {
    return settings::programFolder() + "visualization\\";
}

std::string settingsFile() {
    return settings::programFolder() + "lumenrig.ini";
}

}  // namespace

std::string visualSchemePath(const std::string& name) {
    return visualFolder() + name + ".vsc";
}

// ---- "Add/Del Shapes" ----

TClassChildGroupBox_2DEB420::TClassChildGroupBox_2DEB420(ui::Control* parent, TClassMultiBase* owner)
    : TClassMultiBase(parent, owner),
      group_(groupBox(parent)),
      addRectangle_(button("Add Rectangle Resizable", "BITMAP88", 10, 20)),
      addCircle_(button("Add Circle Color", "BITMAP89", 180, 20)),
      addLadder_(button("Add Led Ladder", "BITMAP91", 350, 20)),
      clear_(button("Clear all Shapes", "BITMAP90", 350, 55)),
      hint_(hintLabel()),
      circles_(own<TClassMultiElementEx_2DEB580>(nullptr, this, guard_)),
      rectangles_(own<TClassMultiElementEx_2DEE5A0>(nullptr, this, guard_)),
      ladders_(own<TClassMultiElementEx_2DF0AC0>(nullptr, this, guard_)) {
    link(addRectangle_, rectangles_);
    link(addCircle_, circles_);
    link(addLadder_, ladders_);
    clear_.onClick = bind<&TClassChildGroupBox_2DEB420::doClear>(*this);
}

THIGroupBox& TClassChildGroupBox_2DEB420::groupBox(ui::Control* parent) {
    THIGroupBox& g = make<THIGroupBox>(parent);
    g.Caption = settings::translate("Add/Del Shapes");
    g.Color_ = kPageColor;
    g.Top_ = 68;
    g.Width_ = kGroupWidth;
    g.Height_ = 95;
    g.init();
    return g;
}

THIBitBtn& TClassChildGroupBox_2DEB420::button(const char* caption, const char* bitmap, int left, int top) {
    THIBitBtn& b = make<THIBitBtn>(&group_.control());
    b.Caption = settings::translate(caption);
    b.Bitmap = ui::platform().resources().bitmap(bitmap);
    b.Left_ = left;
    b.Top_ = top;
    b.Width_ = 160;
    b.Height_ = 30;
    b.init();
    return b;
}

THILabel& TClassChildGroupBox_2DEB420::hintLabel() {
    THILabel& l = make<THILabel>(&group_.control());
    l.Caption = settings::translate("*Right click on Shape for options");
    l.Color_ = kPageColor;
    l.Left_ = 15;
    l.Top_ = 60;
    l.Width_ = 290;
    l.Height_ = 15;
    l.init();
    return l;
}

template <class Kind>
void TClassChildGroupBox_2DEB420::link(THIBitBtn& add, Kind& kind) {
    add.onClick = bind<&ShapeKindManager::doAdd>(kind);
}

void TClassChildGroupBox_2DEB420::doCommand(TData& data) {
    circles_.doBroadcast(data);
    rectangles_.doBroadcast(data);
    ladders_.doBroadcast(data);
}

void TClassChildGroupBox_2DEB420::doLoad(TData& data) {
    const std::lock_guard lock(guard_);
    circles_.doLoad(data);
    rectangles_.doLoad(data);
    ladders_.doLoad(data);
}

void TClassChildGroupBox_2DEB420::doClear(TData& data) {
    const std::lock_guard lock(guard_);
    circles_.doClear(data);
    rectangles_.doClear(data);
    ladders_.doClear(data);
}

// The old file is replaced only by a complete new one, and "Saved!" means it was written.
void TClassChildGroupBox_2DEB420::doSave(TData& data) {
    const std::string path = visualSchemePath(toString(data));
    settings::IniText scheme;
    {
        const std::lock_guard lock(guard_);
        circles_.save(scheme);
        rectangles_.save(scheme);
        ladders_.save(scheme);
    }
    const bool written = settings::system().replaceFile(path, scheme.bytes());
    ui::platform().messageBoxes().show(
        written ? ui::MessageBoxSpec{"Saved!", kSavedCaption}
                : ui::MessageBoxSpec{"The scheme could not be written to " + path, kSavedCaption,
                                     ui::Buttons::Ok, ui::Icon::Error});
}

// ---- "Control" ----

TClassChildGroupBox_2DEAC90::TClassChildGroupBox_2DEAC90(ui::Control* parent, TClassMultiBase* owner,
                                                         TClassChildGroupBox_2DEB420& shapes)
    : TClassMultiBase(parent, owner),
      shapes_(shapes),
      group_(groupBox(parent)),
      stop_(imageButton("Stop", 17, 30, {"BITMAP79", "BITMAP80", "BITMAP81"})),
      run_(imageButton("Run", 45, 40, {"BITMAP84", "BITMAP85", "BITMAP86", "BITMAP87"})),
      list_(schemeList()),
      save_(button("Save changes in current Scheme", "BITMAP82", 465)),
      refresh_(button("Refresh Schemes List", "BITMAP83", 492)),
      schemePath_(make<THIGlobalVar>(kSchemePathVar)) {
    stop_.onClick = bind<&TClassChildGroupBox_2DEAC90::stop>(*this);
    run_.onClick = bind<&TClassChildGroupBox_2DEAC90::run>(*this);
    save_.onClick = bind<&TClassChildGroupBox_2DEAC90::doSave>(*this);
    refresh_.onClick = bind<&TClassChildGroupBox_2DEAC90::doStart>(*this);
    list_.onSelectText = bind<&TClassChildGroupBox_2DEAC90::picked>(*this);
}

THIGroupBox& TClassChildGroupBox_2DEAC90::groupBox(ui::Control* parent) {
    THIGroupBox& g = make<THIGroupBox>(parent);
    g.Caption = settings::translate("Control");
    g.Color_ = kPageColor;
    g.Width_ = kGroupWidth;
    g.Height_ = 68;
    g.init();
    return g;
}

// Images in the order normal, hot, pressed, disabled; a missing bitmap is an empty image.
THIImgBtn& TClassChildGroupBox_2DEAC90::imageButton(const char* hint, int left, int width,
                                                    std::initializer_list<const char*> images) {
    THIImgBtn& b = make<THIImgBtn>(&group_.control());
    b.Hint = settings::translate(hint);
    b.Color_ = kPageColor;
    b.Left_ = left;
    b.Top_ = 15;
    b.Width_ = width;
    b.Height_ = 40;
    ui::Image* slots[] = {&b.Images.normal, &b.Images.hot, &b.Images.pressed, &b.Images.disabled};
    std::size_t k = 0;
    for (const char* name : images)
        *slots[k++] = ui::platform().resources().bitmap(name);
    b.init();
    return b;
}

THIComboBox& TClassChildGroupBox_2DEAC90::schemeList() {
    THIComboBox& l = make<THIComboBox>(&group_.control());
    l.Name = "visual scheme list";
    l.Hint = settings::translate("Choice of the Scheme");
    l.Color_ = ui::systemColor(ui::syscolor::Window);
    l.Left_ = 85;
    l.Top_ = kRowTop;
    l.Width_ = 375;
    l.Height_ = 21;
    l.init();
    l.control().setText(l.Hint);
    return l;
}

THIBitBtn& TClassChildGroupBox_2DEAC90::button(const char* hint, const char* bitmap, int left) {
    THIBitBtn& b = make<THIBitBtn>(&group_.control());
    b.Hint = settings::translate(hint);
    b.Bitmap = ui::platform().resources().bitmap(bitmap);
    b.Left_ = left;
    b.Top_ = kRowTop;
    b.Width_ = 25;
    b.Height_ = 22;
    b.init();
    return b;
}

void TClassChildGroupBox_2DEAC90::doStart(TData& data) {
    relist(data);
    const std::string saved = settings::iniReadString(settingsFile(), "scheme", "visualization", "");
    // With nothing saved the list keeps showing its hint.
    if (!saved.empty()) fireString(bind<&THIComboBox::doSelectString>(list_), saved);
    select(saved);
}

// A file named just ".vsc" (a save with no scheme chosen) would list as an empty entry: left out.
void TClassChildGroupBox_2DEAC90::relist(TData&) {
    fireNull(bind<&THIComboBox::doClear>(list_));
    for (const std::string& path : settings::findFiles(visualFolder(), "*.vsc")) {
        std::string name = settings::nameWithoutFolderAndExtension(path);
        if (!name.empty()) fireString(bind<&THIComboBox::doAdd>(list_), std::move(name));
    }
}

void TClassChildGroupBox_2DEAC90::picked(TData& data) {
    select(toString(data));
}

// Choosing while stopped only records the name; Run loads it.
void TClassChildGroupBox_2DEAC90::select(const std::string& name) {
    name_ = name;
    settings::iniWriteString(settingsFile(), "scheme", "visualization", name);
    fireString(bind<&THIGlobalVar::doValue>(schemePath_), visualSchemePath(name));
    if (running_) fireNull(bind<&TClassChildGroupBox_2DEB420::doLoad>(shapes_));
}

void TClassChildGroupBox_2DEAC90::doRunStop(TData& data) {
    if (toInteger(data) == 1)
        run(data);
    else
        stop(data);
}

void TClassChildGroupBox_2DEAC90::run(TData&) {
    running_ = true;
    fireInteger(bind<&THIWin::doEnabled>(run_), 0);
    fireNull(bind<&TClassChildGroupBox_2DEB420::doLoad>(shapes_));
    fireInteger(onRunning_, 1);
}

void TClassChildGroupBox_2DEAC90::stop(TData&) {
    running_ = false;
    fireInteger(bind<&THIWin::doEnabled>(run_), 1);
    fireNull(bind<&TClassChildGroupBox_2DEB420::doClear>(shapes_));
    fireInteger(onRunning_, 0);
}

void TClassChildGroupBox_2DEAC90::doSave(TData&) {
    fireString(bind<&TClassChildGroupBox_2DEB420::doSave>(shapes_), name_);
}

// ---- the page ----

TClassChildPanel_2DEABE0::TClassChildPanel_2DEABE0(ui::Control* parent, TClassMultiBase* owner,
                                                   THIMultiElement& outer)
    : TClassMultiBase(parent, owner),
      edge_(make<THIEditMulti>(outer, 6, 0)),
      panel_(totalPanel(parent)),
      shapes_(own<TClassChildGroupBox_2DEB420>(&panel_.control(), this)),
      schemes_(own<TClassChildGroupBox_2DEAC90>(&panel_.control(), this, shapes_)),
      strips_(own<TClassChildGroupBox_2DF3AE0>(&panel_.control(), this)) {
    join(edge_);
    linkEdge();
}

// Hidden until the mode pages container shows it.
THIPanel& TClassChildPanel_2DEABE0::totalPanel(ui::Control* parent) {
    THIPanel& p = make<THIPanel>(parent);
    p.Name = "totalpanel";
    p.Color_ = kPageColor;
    p.Width_ = kWidth;
    p.Height_ = kHeight;
    p.Visible = false;
    p.init();
    return p;
}

void TClassChildPanel_2DEABE0::linkEdge() {
    edge_.inputs[0] = bind<&TClassChildPanel_2DEABE0::show>(*this);
    edge_.inputs[1] = bind<&TClassChildPanel_2DEABE0::command>(*this);
    edge_.inputs[2] = bind<&TClassChildPanel_2DEABE0::start>(*this);
    edge_.inputs[3] = bind<&TClassChildGroupBox_2DEAC90::doRunStop>(schemes_);
    edge_.inputs[4] = bind<&TClassChildGroupBox_2DEAC90::doSave>(schemes_);
    edge_.inputs[5] = bind<&TClassChildGroupBox_2DF3AE0::doClose>(strips_);
    schemes_.setOnRunning(bind<&THIEditMulti::output>(edge_, 0));
}

// Only the Integer 0 hides: the text "0" from elsewhere shows the page, as any other value does.
void TClassChildPanel_2DEABE0::show(TData& data) {
    const bool hide = isInteger(data) && data.intValue == 0;
    fireInteger(bind<&THIWin::doVisible>(panel_), hide ? 0 : 1);
}

TClassChildPanel_2DEABE0::~TClassChildPanel_2DEABE0() {
    *alive_ = false;
}

void TClassChildPanel_2DEABE0::command(TData& data) {
    if (std::this_thread::get_id() == thread_) return broadcast(data);
    ui::platform().loop().post([this, alive = alive_, text = toString(data)] {
        if (!*alive) return;
        TData copy = makeString(text);
        broadcast(copy);
    });
}

void TClassChildPanel_2DEABE0::broadcast(TData& data) {
    fireCopy(bind<&TClassChildGroupBox_2DEB420::doCommand>(shapes_), data);
    fireCopy(bind<&TClassChildGroupBox_2DF3AE0::doText>(strips_), data);
}

void TClassChildPanel_2DEABE0::start(TData& data) {
    fireCopy(bind<&TClassChildGroupBox_2DEAC90::doStart>(schemes_), data);
    fireCopy(bind<&TClassChildGroupBox_2DF3AE0::doStart>(strips_), data);
}

}  // namespace lr
