#pragma once
// OrganRandomChange: the "Random change of Schemes" box, kept in the settings, and the twenty-second
// timer that asks for a random scheme at each tick while the box is checked.
#include <cstdint>

#include "runtime/container.h"
#include "runtime/elements/branches.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/timer.h"
#include "runtime/elements/visual_controls.h"
#include "settings/ini_element.h"

namespace lr {

class OrganRandomChange : public TClassMultiBase {
  public:
    static constexpr std::int32_t kIntervalMs = 20000;

    OrganRandomChange(ui::Control* parent, TClassMultiBase* owner);

    // Sets the stored state into the box; the box's change writes it back.
    void doReadSetting(TData& data);
    void setOnRandom(Point point) { checked_.onTrue = point; }

  private:
    THICheckBox& randomBox(ui::Control* parent);

    THICheckBox& box_;
    THIini& setting_;
    THITimer& timer_;
    THIIf_else& checked_;
};

}  // namespace lr
