#pragma once
// TClassChildPanel_1EFA680: the colour organ page, a panel around the engine and its group box "Control":
// Run and Stop, the scheme list, the channel monitor, the fourteen slider bars, the scheme information,
// the recording inputs, and the playlist and random change controls.
// Inputs: 0 show (any value but Integer 0) or hide; the value is also what the engine reads as Monitor,
// so the channel monitor follows only while it is 1; 1 start (the scheme list, which loads the stored
// scheme, then the silence and the music playlists); 2 closing (stops a running organ); 3 Integer 1 runs,
// 0 stops; 4 a random scheme now; 5 the music playlist box flips.
// Outputs: 0 the channel commands ("A5"); 1 Integer 1 at every Run (the mode started); 2 the running
// state, 1 after Run and 0 after Stop.
#include <cstdint>

#include "organ/channel_monitor.h"
#include "organ/engine.h"
#include "organ/input_rows.h"
#include "organ/playlist_choice.h"
#include "organ/playlist_player.h"
#include "organ/random_change.h"
#include "organ/scheme_list.h"
#include "organ/scheme_view.h"
#include "organ/silence_switch.h"
#include "runtime/container.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/multi_element.h"

namespace lr {

class TClassChildPanel_1EFA680 : public TClassMultiBase {
  public:
    static constexpr int kWidth = 525;
    static constexpr int kHeight = 520;

    TClassChildPanel_1EFA680(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer);

  private:
    THIPanel& totalPanel(ui::Control* parent);
    THIGroupBox& groupBox();
    THIImgBtn& imageButton(const char* hint, int left, int width, std::initializer_list<const char*> images);
    THIDoData& runStopValue(std::int32_t value);
    void linkEdge();
    void linkEngine();
    void linkSchemes();
    void linkPlaylists();
    void show(TData& data);
    void closing(TData& data);
    void running(TData& data);
    Point output(std::uint16_t index) { return bind<&THIEditMulti::output>(edge_, index); }

    THIEditMulti& edge_;
    THIPanel& panel_;
    THIGroupBox& group_;
    TClassChildGroupBox_1EFA730& engine_;
    THIImgBtn& run_;
    THIImgBtn& stop_;
    THIDoData& runValue_;
    THIDoData& stopValue_;
    OrganSchemeList& schemes_;
    TClassChildPanelEx_2A5FF40& monitor_;
    OrganSchemeView& view_;
    OrganInputRows& inputs_;
    OrganPlaylistChoice& silenceList_;
    OrganPlaylistChoice& musicList_;
    OrganRandomChange& random_;
    TClassMultiElementEx_2A5D6B0& musicPlayer_;
    TClassMultiElementEx_2A5DA20& silencePlayer_;
    OrganSilenceSwitch& silence_;
    THIIndexToChanel& musicBox_;
    THIHub& start_;
    THIMemory& shown_;
    bool running_ = false;
};

}  // namespace lr
