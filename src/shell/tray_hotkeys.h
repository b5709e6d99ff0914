#pragma once
// TClassMultiElementEx_1EF9FA0: the tray menu, the five global hotkeys and the four on/off states
// (Visualization, Automation, Ambilight, Color Organ) that they flip. A page's own report sets its state
// without sending it back; every change moves the tray menu's check mark.
#include <array>
#include <cstdint>

#include "runtime/container.h"
#include "runtime/elements/hotkey.h"
#include "runtime/elements/timer.h"
#include "runtime/elements/visual_menu.h"
#include "runtime/multi_element_ex.h"

namespace lr {

// The outputs of the block, each towards one page input or the main window.
namespace tray_output {
inline constexpr std::uint16_t Visualization = 0;  // Visual page input 3
inline constexpr std::uint16_t SaveVisualScheme = 1;
inline constexpr std::uint16_t Automation = 2;  // Auto page input 4
inline constexpr std::uint16_t Ambilight = 3;   // Ambilight page input 1
inline constexpr std::uint16_t ColorOrgan = 4;  // colour organ page input 3
inline constexpr std::uint16_t Sublist = 5;     // colour organ page input 5
inline constexpr std::uint16_t RandomScheme = 6;
inline constexpr std::uint16_t Lights = 7;
inline constexpr std::uint16_t Exit = 8;
inline constexpr std::size_t Count = 9;
}  // namespace tray_output

class TClassMultiElementEx_1EF9FA0 : public TClassMultiBase {
  public:
    static constexpr std::int32_t kRegisterDelayMs = 1000;

    // Inputs: 0 shows the tray menu; 1..4 the reports of the Visual, Auto, Ambilight and colour organ pages.
    TClassMultiElementEx_1EF9FA0(ui::Control* parent, TClassMultiBase* owner, THIMultiElementEx& outer);

  private:
    // A state: the menu item that shows it (its identifier) and the output it is sent on.
    struct State {
        std::int32_t item;
        std::uint16_t output;
        std::int32_t value = 0;
    };

    void buildMenu();
    void buildHotKeys();
    void chosen(TData& data);
    void menuItem(std::int32_t item);
    void hotKey(TData& data, std::uint16_t item);
    void registerHotKeys(TData& data);
    void reported(TData& data, std::uint16_t state);
    void flip(State& state);
    void set(State& state, std::int32_t value);
    void allOff();
    void send(std::uint16_t output, TData data);

    THIEditMultiEx& edge_;
    ThiPopupMenuEx& menu_;
    THITimer& registerTimer_;
    std::array<ThiGHotKey*, 5> hotKeys_{};
    std::array<State, 4> states_;
};

}  // namespace lr
