#pragma once
// TClassChildGroupBox_2D0F000: the "Save Actions" group. It collects the commands a panel sends into
// the "List of Action" box; "Add" hands out a row for the action table: the "Run at" time, ">" and the
// collected commands. The same group serves the Auto page and the two device pages, each under its own
// name.
// Input 0 (doCommand): a command the surrounding panel sent. Output 0 (setOnRow): the new row's text.
#include <string>

#include "automation/minute_clock.h"
#include "runtime/container.h"
#include "runtime/elements/timer.h"
#include "runtime/elements/visual_buttons.h"
#include "runtime/elements/visual_controls.h"

namespace lr {

class TClassChildGroupBox_2D0F000 : public TClassMultiBase {
  public:
    static constexpr int kWidth = 523;
    static constexpr int kHeight = 71;
    static constexpr std::int32_t kStatusTime = 500;  // "Added" and "Cleared" stay this long

    // `at` is the group's top left corner in `parent`.
    TClassChildGroupBox_2D0F000(ui::Control* parent, TClassMultiBase* owner, ui::Point at,
                                LocalClock clock = systemClock());

    // Commands greater than "!" are appended after a space; empty ones (a muted panel) are not.
    void doCommand(TData& data);
    void setOnRow(Point point) { onRow_ = point; }

  private:
    THIGroupBox& groupBox(ui::Control* parent, ui::Point at);
    THILabel& label(std::string caption, ui::Rect r);
    THIEdit& edit(ui::Rect r, std::string hint, const char* name);
    THIBitBtn& button(const char* caption, const char* hint, const char* image, ui::Rect r);
    void link();
    void setTime(TData& data);
    void add(TData& data);
    void clear(TData& data);
    void showStatus(const char* word);
    void empty(TData& data);
    std::string listText();

    THIGroupBox& group_;
    THILabel& nowLabel_;
    THILabel& now_;
    THILabel& runAtLabel_;
    THIEdit& runAt_;
    THIBitBtn& setTime_;
    THILabel& listLabel_;
    THIEdit& list_;
    THIBitBtn& add_;
    THIBitBtn& clear_;
    MinuteClock& clock_;
    THITimer& status_;
    Point onRow_;
    bool statusShown_ = false;
    std::string waiting_;  // commands that came while the status word showed
};

// The copies in the Effect page (clock TClassMultiElement_2C2E010) and the WS2812 page (clock
// TClassMultiElement_30E55C0).
using TClassChildGroupBox_2C2DF60 = TClassChildGroupBox_2D0F000;
using TClassChildGroupBox_30E5510 = TClassChildGroupBox_2D0F000;
using TClassMultiElement_2C2E010 = MinuteClock;
using TClassMultiElement_30E55C0 = MinuteClock;

}  // namespace lr
