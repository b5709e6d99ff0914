#pragma once
// OrganSchemeView: what a scheme load shows on the colour organ page. The fourteen slider bars feed the
// formulas (each move sets its bar_... to 8 - position), their caption labels name them or hide them,
// and the information box shows the scheme's description, one line per "/"-separated part.
#include <array>
#include <string_view>

#include "runtime/container.h"
#include "runtime/elements/global_var.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/elements/visual_sliders.h"

namespace lr {

class OrganSchemeView : public TClassMultiBase {
  public:
    static constexpr int kTopPosition = 8;
    struct Place;  // a bar's name, places and first caption

    OrganSchemeView(ui::Control* parent, TClassMultiBase* owner);

    // (bar name, slider position 0..8): moves that bar's slider, which sets its value.
    void doBarPosition(TData& data);
    // The path of the scheme being loaded: its bar captions, then its description.
    void doSchemeText(TData& data);

  private:
    struct Bar {
        std::string_view name;
        THITrackBar* slider = nullptr;
        THILabel* caption = nullptr;
        THIGlobalVar* value = nullptr;
    };

    std::array<Bar, 14> makeBars(ui::Control* parent);
    Bar makeBar(std::size_t k, const Place& place, ui::Control* parent);
    THIMemo& infoBox(ui::Control* parent);
    void moved(TData& data, std::uint16_t bar);
    void showCaption(Bar& bar, const std::string& caption);
    void showDescription(const std::string& text);

    std::array<Bar, 14> bars_{};  // beat, 1..12, act: the order of the captions in a load
    THIMemo& info_;
};

}  // namespace lr
