#pragma once
// TClassChildGroupBox_2DF3AE0: the Visualization page's "Strip" group ("*Strips in test"). Its two boxes
// open and close the two strip test windows and are kept in the settings file.
// Inputs: doText (0, a command of the gated stream, to both windows; on the loop thread, where the page
// hands the worker threads' commands over), doClose (1, the program closes: both windows keep their
// colours and place), doStart (2, the program starts: the boxes and colours are read). No outputs.
#include <array>

#include "runtime/container.h"
#include "runtime/elements/branches.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/visual_controls.h"
#include "settings/ini_element.h"
#include "striptest/smooth_window.h"
#include "striptest/strip_window.h"

namespace lr {

class TClassChildGroupBox_2DF3AE0 : public TClassMultiBase {
  public:
    static constexpr int kLeft = 0;
    static constexpr int kTop = 163;
    static constexpr int kWidth = 524;
    static constexpr int kHeight = 41;
    struct Option;  // a box and its key

    TClassChildGroupBox_2DF3AE0(ui::Control* parent, TClassMultiBase* owner);

    void doText(TData& data);
    void doClose(TData& data);
    void doStart(TData& data);

    TClassChildFormEx_2DF3C40& strip() { return strip_; }
    TClassChildFormEx_2DF5450& smoothStrip() { return smooth_; }

  private:
    THIGroupBox& groupBox(ui::Control* parent);
    THILabel& note();
    THIini& option(const Option& choice, StripForm& window);

    THIGroupBox& group_;
    THILabel& note_;
    TClassChildFormEx_2DF3C40& strip_;
    TClassChildFormEx_2DF5450& smooth_;
    std::array<StripForm*, 2> windows_;
    std::array<THIini*, 2> settings_{};
};

}  // namespace lr
