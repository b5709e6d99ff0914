#pragma once
// TClassChildGroupBox_30E4540: the "Control LumenrigWS2812" group. One check box per strip function, its
// state kept in the settings file; each change sends the function's on or off command. The stored "on"
// functions are switched on again a few seconds after start, and "ReSend All" sends the last command of
// every function at once.
#include <array>
#include <cstdint>

#include "runtime/container.h"
#include "runtime/elements/branches.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/str_list.h"
#include "runtime/elements/text_elements.h"
#include "runtime/elements/timer.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"
#include "settings/ini_element.h"

namespace lr {

class TClassChildGroupBox_30E4540 : public TClassMultiBase {
  public:
    static constexpr std::size_t kFunctions = 9;
    static constexpr std::int32_t kRestoreMs = 4000;
    static constexpr int kWidth = 523;
    static constexpr int kHeight = 114;
    // The caption of function k, also its key in section "ws2812".
    static const std::array<const char*, kFunctions> kCaptions;

    TClassChildGroupBox_30E4540(ui::Control* parent, TClassMultiBase* owner);

    // Starts the one-shot restore of the stored "on" functions.
    void doStart(TData& data);
    // Every command the group sends: "_k" (on), "^k" (off), or the "ReSend All" line.
    void setOnCommand(Point point) { command_.outputs[1] = point; }

  private:
    struct Function {
        THICheckBox* box;
        THIini* setting;
        THIStrList* commands;
    };

    THIGroupBox& groupBox(ui::Control* parent);
    THILabel& label(const char* caption, int left, int top, int width);
    std::array<Function, kFunctions> functions();
    Function function(std::size_t k);
    THIBitBtn& resendButton();
    THIEdit& toComBox();
    void linkRestore();
    void linkResend();

    THIGroupBox& group_;
    THIHub& command_;
    std::array<Function, kFunctions> functions_;
    THITimer& restore_;
    THIHub& restoreAll_;
    THIBitBtn& resend_;
    THIFormatStr& resendLine_;
    THIEdit& toCom_;
};

}  // namespace lr
