#include "organ/organ_page.h"

#include "settings/translation.h"
#include "ui/platform.h"

namespace lr {

namespace {
constexpr ui::Color kPageColor = 0xC0C0C0;
constexpr int kButtonTop = 15;
constexpr int kButtonHeight = 40;
}  // namespace

TClassChildPanel_1EFA680::TClassChildPanel_1EFA680(ui::Control* parent, TClassMultiBase* owner,
                                                   THIMultiElement& outer)
    : TClassMultiBase(parent, owner),
      edge_(make<THIEditMulti>(outer, 6, 0)),
      panel_(totalPanel(parent)),
      group_(groupBox()),
      engine_(own<TClassChildGroupBox_1EFA730>(&group_.control(), this)),
      run_(imageButton("Run", 45, 40, {"BITMAP14", "BITMAP15", "BITMAP16", "BITMAP17"})),
      stop_(imageButton("Stop", 17, 30, {"BITMAP18", "BITMAP19", "BITMAP20"})),
      runValue_(runStopValue(1)),
      stopValue_(runStopValue(0)),
      schemes_(own<OrganSchemeList>(&group_.control(), this)),
      monitor_(own<TClassChildPanelEx_2A5FF40>(&group_.control(), this)),
      view_(own<OrganSchemeView>(&group_.control(), this)),
      inputs_(own<OrganInputRows>(&group_.control(), this)),
      silenceList_(own<OrganPlaylistChoice>(&group_.control(), this, OrganPlaylistChoice::kSilence)),
      musicList_(own<OrganPlaylistChoice>(&group_.control(), this, OrganPlaylistChoice::kMusic)),
      random_(own<OrganRandomChange>(&group_.control(), this)),
      musicPlayer_(own<TClassMultiElementEx_2A5D6B0>(this)),
      silencePlayer_(own<TClassMultiElementEx_2A5DA20>(this)),
      silence_(own<OrganSilenceSwitch>(this)),
      musicBox_(make<THIIndexToChanel>(2)),
      start_(make<THIHub>(3)),
      shown_(make<THIMemory>()) {
    join(edge_);
    linkEdge();
    linkEngine();
    linkSchemes();
    linkPlaylists();
}

// Hidden until the mode pages container shows it.
THIPanel& TClassChildPanel_1EFA680::totalPanel(ui::Control* parent) {
    THIPanel& p = make<THIPanel>(parent);
    p.Name = "totalpanel";
    p.Color_ = kPageColor;
    p.Left_ = 5;
    p.Top_ = 25;
    p.Width_ = kWidth;
    p.Height_ = kHeight;
    p.Visible = false;
    p.init();
    return p;
}

THIGroupBox& TClassChildPanel_1EFA680::groupBox() {
    THIGroupBox& g = make<THIGroupBox>(&panel_.control());
    g.Caption = settings::translate("Control");
    g.Color_ = kPageColor;
    g.Width_ = 523;
    g.Height_ = 445;
    g.init();
    return g;
}

// Images in the order normal, hot, pressed, disabled; a missing bitmap is an empty image.
THIImgBtn& TClassChildPanel_1EFA680::imageButton(const char* hint, int left, int width,
                                                 std::initializer_list<const char*> images) {
    THIImgBtn& b = make<THIImgBtn>(&group_.control());
    b.Hint = settings::translate(hint);
    b.Color_ = kPageColor;
    b.Left_ = left;
    b.Top_ = kButtonTop;
    b.Width_ = width;
    b.Height_ = kButtonHeight;
    ui::Image* slots[] = {&b.Images.normal, &b.Images.hot, &b.Images.pressed, &b.Images.disabled};
    std::size_t k = 0;
    for (const char* name : images)
        if (k < std::size(slots)) *slots[k++] = ui::platform().resources().bitmap(name);
    b.init();
    return b;
}

THIDoData& TClassChildPanel_1EFA680::runStopValue(std::int32_t value) {
    THIDoData& d = make<THIDoData>();
    d.Data_ = makeInteger(value);
    d.onData = bind<&TClassChildGroupBox_1EFA730::doRunStop>(engine_);
    return d;
}

void TClassChildPanel_1EFA680::linkEdge() {
    edge_.inputs[0] = bind<&TClassChildPanel_1EFA680::show>(*this);
    edge_.inputs[1] = bind<&THIHub::doEvent>(start_);
    edge_.inputs[2] = bind<&TClassChildPanel_1EFA680::closing>(*this);
    edge_.inputs[3] = bind<&TClassChildGroupBox_1EFA730::doRunStop>(engine_);
    edge_.inputs[4] = bind<&OrganSchemeList::doRandom>(schemes_);
    edge_.inputs[5] = bind<&OrganPlaylistChoice::doToggle>(musicList_);
    start_.outputs[0] = bind<&OrganSchemeList::doRefresh>(schemes_);
    start_.outputs[1] = bind<&OrganPlaylistChoice::doRefresh>(silenceList_);
    start_.outputs[2] = bind<&OrganPlaylistChoice::doRefresh>(musicList_);
}

void TClassChildPanel_1EFA680::linkEngine() {
    run_.onClick = bind<&THIDoData::doData>(runValue_);
    stop_.onClick = bind<&THIDoData::doData>(stopValue_);
    engine_.onChannel = output(0);
    engine_.onRunning = bind<&TClassChildPanel_1EFA680::running>(*this);
    engine_.onRunEnabled = bind<&THIWin::doEnabled>(run_);
    engine_.Monitor = bind<&THIMemory::Value>(shown_);
    engine_.onMonitor = bind<&TClassChildPanelEx_2A5FF40::doText>(monitor_);
    engine_.onBarPosition = bind<&OrganSchemeView::doBarPosition>(view_);
    engine_.onSchemeText = bind<&OrganSchemeView::doSchemeText>(view_);
    engine_.onInputRow = bind<&OrganInputRows::doAddRow>(inputs_);
    engine_.onMusic = bind<&OrganSilenceSwitch::doMusic>(silence_);
    inputs_.setOnSet(bind<&TClassChildGroupBox_1EFA730::doSetInput>(engine_));
}

void TClassChildPanel_1EFA680::linkSchemes() {
    schemes_.setOnLoad(bind<&TClassChildGroupBox_1EFA730::doLoadScheme>(engine_));
    schemes_.setOnSave(bind<&TClassChildGroupBox_1EFA730::doSaveScheme>(engine_));
    schemes_.setOnListed(bind<&OrganRandomChange::doReadSetting>(random_));
    random_.setOnRandom(bind<&OrganSchemeList::doRandom>(schemes_));
}

// The music box starts (1) and stops (0) the music playlist; the silence switch decides what it loads.
void TClassChildPanel_1EFA680::linkPlaylists() {
    musicList_.setOnBox(bind<&THIIndexToChanel::doEvent>(musicBox_));
    musicBox_.outputs[0] = bind<&TClassMultiElementEx_2A5D6B0::doStop>(musicPlayer_);
    musicBox_.outputs[1] = bind<&TClassMultiElementEx_2A5D6B0::doStart>(musicPlayer_);
    musicPlayer_.PlaylistName = bind<&OrganPlaylistChoice::Playlist>(musicList_);
    musicPlayer_.onScheme = bind<&OrganSilenceSwitch::doMusicScheme>(silence_);
    silencePlayer_.PlaylistName = bind<&OrganPlaylistChoice::Playlist>(silenceList_);
    silencePlayer_.onScheme = bind<&OrganSchemeList::doLoadName>(schemes_);
    silence_.SilenceBox = bind<&OrganPlaylistChoice::Checked>(silenceList_);
    silence_.onStartSilence = bind<&TClassMultiElementEx_2A5D6B0::doStart>(silencePlayer_);
    silence_.onStopSilence = bind<&TClassMultiElementEx_2A5D6B0::doStop>(silencePlayer_);
    silence_.onLoad = bind<&OrganSchemeList::doLoadName>(schemes_);
}

// Only the Integer 0 hides: the text "0" from elsewhere shows the page, as any other value does.
void TClassChildPanel_1EFA680::show(TData& data) {
    const bool hide = isInteger(data) && data.intValue == 0;
    fireCopy(bind<&THIMemory::doValue>(shown_), data);
    fireInteger(bind<&THIWin::doVisible>(panel_), hide ? 0 : 1);
}

// A stopped organ has nothing to stop, and reporting "stopped" again would reach the tray for nothing.
void TClassChildPanel_1EFA680::closing(TData&) {
    if (running_) fireNull(bind<&THIDoData::doData>(stopValue_));
}

void TClassChildPanel_1EFA680::running(TData& data) {
    running_ = toInteger(data) == 1;
    if (running_) fireInteger(output(1), 1);
    fire(output(2), data);
}

}  // namespace lr
