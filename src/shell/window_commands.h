#pragma once
// TClassMultiElement_1EF8E70: the main window's commands by index, and the shown/minimised switch the
// tray icon's left click works.
#include <cstdint>
#include <functional>
#include <memory>

#include "runtime/container.h"
#include "runtime/elements/branches.h"
#include "runtime/elements/data_flow.h"
#include "runtime/multi_element.h"
#include "ui/window.h"

namespace lr {

namespace window_command {
inline constexpr std::int32_t AlwaysOnTop = 0;
inline constexpr std::int32_t Lights = 1;
inline constexpr std::int32_t Language = 2;
inline constexpr std::int32_t Manual = 3;
inline constexpr std::int32_t WebPage = 4;
inline constexpr std::int32_t Minimise = 5;
inline constexpr std::int32_t Close = 6;
inline constexpr std::int32_t Other = 7;
}  // namespace window_command

class TClassMultiElement_1EF8E70 : public TClassMultiBase {
  public:
    static constexpr std::uint8_t kTopmostAlpha = 180;

    // `parent` is the main window. Inputs: 0 a command index, 1 the tray icon's left click, 2 the tray's
    // hide notice. Outputs: 0 lights, 1 open the language chooser, 2 open the manual, 3 open the web page,
    // 4 command 7.
    TClassMultiElement_1EF8E70(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer);

  private:
    void topmost(TData& data);
    void notTopmost(TData& data);
    void minimise(TData& data);
    void close(TData& data);
    void restore(TData& data);
    void pass(TData& data, std::uint16_t output);
    // Runs `action` on the window from the loop, unless the block is gone by then.
    void post(std::function<void(ui::Window&)> action);

    ui::Window& window_;
    THIEditMulti& edge_;
    THIIndexToChanel& commands_;
    THISwitch& onTop_;
    THISwitch& shown_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace lr
