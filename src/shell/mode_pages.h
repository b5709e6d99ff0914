#pragma once
// TClassChildPanelEx_1EF9EF0: the seven mode pages in one area, exactly one shown, and the device link they
// all send through. The pages meet only here: their numbered inputs and outputs are wired below, the
// commands of six of them merged, passed by the lights gate and written to the port; the gated stream also
// reaches the Visual page. The tray and hotkey block lives here too, next to the pages it switches.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "device/device_link.h"
#include "runtime/container.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/multi_element.h"
#include "runtime/multi_element_ex.h"
#include "shell/mode_bar.h"

namespace lr {

namespace mode {
inline constexpr std::size_t Connect = 0;
inline constexpr std::size_t Effect = 1;
inline constexpr std::size_t ColorOrgan = 2;
inline constexpr std::size_t Ambilight = 3;
inline constexpr std::size_t Auto = 4;
inline constexpr std::size_t Visual = 5;
inline constexpr std::size_t WS2812 = 6;
}  // namespace mode

// The numbered points of each page. Input 0 of every page is show (any value but Integer 0) or hide.
struct PagePoints {
    std::size_t inputs;
    std::size_t outputs;
    std::size_t dataOutputs;
    int windowHeight;  // of the main window while the page is shown
};
// Connect: in 1 start, 2 closing; out 0 command, 1 open port ("COM5"), 2 close port, 3 to the tray,
//   4 start the colour organ, 5 start automation, 6 start visualization; data out 0 port number, 1 baud.
// Effect: in 1 start, 2 apply a device state, 3 reset; out 0 command, 1 read back, 2 recorded sequence.
// C.Organ: in 1 start, 2 closing, 3 run (1) / stop (0), 4 random scheme, 5 sublist; out 0 command,
//   1 mode started, 2 running state.
// Ambilight: in 1 on (1) / off (0); out 0 command, 1 mode started, 2 running state.
// Auto: in 1 start (load), 2 closing (save), 3 add a row, 4 scheduler on/off; out 0 command, 1 mode
//   started, 2 running state.
// Visual: in 1 the gated command stream, 2 start, 3 run/stop, 4 save, 5 closing; out 0 running state.
// WS2812: in 1 start; out 0 command, 1 recorded sequence.
inline constexpr std::array<PagePoints, kModeCount> kPagePoints = {{
    {3, 7, 2, 259},
    {4, 3, 0, 586},
    {6, 3, 0, 548},  // the organ's group box ends at 25 + 445 in the area: shown whole
    {2, 3, 0, 498},  // the Screen Proportions group ends at 420
    {5, 3, 0, 557},
    {6, 1, 0, 282},  // tall enough for the strip test group under the shape buttons
    {2, 2, 0, 264},
}};

using PageFactory = std::function<std::unique_ptr<TClassMultiBase>(ui::Control* parent,
                                                                   TClassMultiBase* owner, THIMultiElement&)>;
using PageFactories = std::array<PageFactory, kModeCount>;
// The pages of the program; a page not built yet is a pending one.
PageFactories programPages();

class TClassChildPanelEx_1EF9EF0 : public TClassMultiBase {
  public:
    // Inputs: 0 start, 1 closing, 2 show the tray menu, 3 lights on/off, 4 select mode k.
    // Outputs: 0 close the main window, 1 minimise to the tray, 3 the main window's height, 4 the gated
    // command stream.
    TClassChildPanelEx_1EF9EF0(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer,
                               const PageFactories& pages);

    DeviceLink& link() { return link_; }
    THIPanel& area() { return area_; }

  private:
    void buildPages(const PageFactories& pages);
    void linkCommands();
    void linkConnectPage();
    void linkTray();
    void linkModeStarts();
    Point input(std::size_t page, std::uint16_t index);
    Point output(std::uint16_t index);
    void start(TData& data);
    void closing(TData& data);
    void selectMode(TData& data);

    THIEditMulti& edge_;
    THIPanel& area_;
    DeviceLink& link_;
    THIHub& gated_;
    THIHub& modeStarted_;
    THIMultiElementEx& tray_;
    THIMultiElement& visualMenus_;
    std::array<THIMultiElement*, kModeCount> pages_{};
};

}  // namespace lr
