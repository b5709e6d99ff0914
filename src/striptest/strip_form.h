#pragma once
// What the two strip test windows share: the borderless form, the state that gates decoding, the
// decoder, the twelve base colours with their shades, routers and colour choosers, the stored colour
// list, and the close and reset buttons that a click on the last lamp shows for two seconds.
// Inputs: doState, doText, doLoadColors, doClose.
#include <array>
#include <string>

#include "runtime/container.h"
#include "runtime/elements/branches.h"
#include "runtime/elements/color_dialog.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/move_window.h"
#include "runtime/elements/numbers.h"
#include "runtime/elements/str_split.h"
#include "runtime/elements/text_elements.h"
#include "runtime/elements/timer.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_main_form.h"
#include "settings/ini_element.h"
#include "striptest/color_part.h"
#include "striptest/strip_decoder.h"

namespace lr {

class StripForm : public TClassMultiBase {
  public:
    static constexpr std::size_t kChannels = StripDecoder::kChannels;
    // The lamps end before the buttons at x 462, so that shown buttons never cover a lamp.
    static constexpr int kWidth = 492;
    static constexpr int kHeight = 42;

    struct Keys {
        const char* position;  // "lumenrig.ini\strip_position"
        const char* colors;    // "strip_colors", section "init"
        int left;              // where the window first appears
        int top;
    };

    void doState(TData& data);
    void doText(TData& data);
    void doLoadColors(TData& data);
    void doClose(TData& data);

    // The user closed the window with its own button (Integer 0).
    Point onClosed;

    THIMainForm& form() { return form_; }
    std::int32_t baseColor(std::size_t channel);

  protected:
    StripForm(TClassMultiBase* owner, const Keys& keys);

    // The lamps' parent.
    ui::Control* lampParent() { return &form_.control(); }
    // Where channel k's shaded colour goes, when it differs from the last one.
    void setOnColor(std::size_t channel, Point point) { changes_[channel]->onChange = point; }
    // A press on the lamp moves the window (left) or chooses the channel's colour (right); a press on a
    // lamp of channel L also shows or hides the buttons.
    void linkLamp(THIWin& lamp, std::size_t channel);

  private:
    THIMainForm& makeForm(const Keys& keys);
    THIImgBtn& makeButton(const char* name, const char* bitmap, int left);
    void linkChannel(std::size_t channel);
    void linkColorList(const Keys& keys);
    void linkButtons();
    void keepOnScreen(TData& data);
    void closedByUser(TData& data);

    Keys keys_;
    THIMainForm& form_;
    THIMemory& state_;
    THIHub& stateChange_;
    THIIf_else& decoding_;
    StripDecoder& decoder_;
    THIMoveWindow& mover_;
    std::array<THIMemory*, kChannels> bases_{};
    std::array<THIChangeMon*, kChannels> changes_{};
    std::array<THIIndexToChanel*, kChannels> routers_{};
    THIini& colorSetting_;
    THIMultiStrData& splitter_;
    THIFormatStr& format_;
    THIHub& closing_;
    THIDoData& resetList_;
    THIImgBtn& closeButton_;
    THIImgBtn& resetButton_;
    THIHub& buttonsVisible_;
    THITimer& buttonsTimer_;
    THIDoData& hideButtons_;
    THIHub& hiding_;
    THIHub& closeClick_;
};

}  // namespace lr
