#include "shell/window_commands.h"

#include "ui/platform.h"

namespace lr {

namespace {
constexpr std::uint8_t kOpaque = 255;
}  // namespace

TClassMultiElement_1EF8E70::TClassMultiElement_1EF8E70(ui::Control* parent, TClassMultiBase* owner,
                                                       THIMultiElement& outer)
    : TClassMultiBase(parent, owner),
      window_(dynamic_cast<ui::Window&>(*parent)),
      edge_(make<THIEditMulti>(outer, 3, 0)),
      commands_(make<THIIndexToChanel>(8)),
      onTop_(make<THISwitch>()),
      shown_(make<THISwitch>()) {
    join(edge_);
    edge_.inputs[0] = bind<&THIIndexToChanel::doEvent>(commands_);
    edge_.inputs[1] = bind<&THISwitch::doSwitch>(shown_);
    edge_.inputs[2] = bind<&THISwitch::doOff>(shown_);  // the window went to the tray by itself

    commands_.outputs[window_command::AlwaysOnTop] = bind<&THISwitch::doSwitch>(onTop_);
    commands_.outputs[window_command::Lights] = bind<&TClassMultiElement_1EF8E70::pass>(*this, 0);
    commands_.outputs[window_command::Language] = bind<&TClassMultiElement_1EF8E70::pass>(*this, 1);
    commands_.outputs[window_command::Manual] = bind<&TClassMultiElement_1EF8E70::pass>(*this, 2);
    commands_.outputs[window_command::WebPage] = bind<&TClassMultiElement_1EF8E70::pass>(*this, 3);
    commands_.outputs[window_command::Minimise] = bind<&TClassMultiElement_1EF8E70::minimise>(*this);
    commands_.outputs[window_command::Close] = bind<&TClassMultiElement_1EF8E70::close>(*this);
    commands_.outputs[window_command::Other] = bind<&TClassMultiElement_1EF8E70::pass>(*this, 4);

    onTop_.Default = true;  // starts off
    onTop_.onOn = bind<&TClassMultiElement_1EF8E70::topmost>(*this);
    onTop_.onOff = bind<&TClassMultiElement_1EF8E70::notTopmost>(*this);
    shown_.onOff = bind<&TClassMultiElement_1EF8E70::minimise>(*this);
    shown_.onOn = bind<&TClassMultiElement_1EF8E70::restore>(*this);
}

void TClassMultiElement_1EF8E70::topmost(TData&) {
    window_.setTopmost(true);
    window_.setLayered(std::nullopt, kTopmostAlpha);
}

void TClassMultiElement_1EF8E70::notTopmost(TData&) {
    window_.setTopmost(false);
    window_.setLayered(std::nullopt, kOpaque);
}

// Posted, as the system command would be: the window goes to the tray after the click has been handled.
void TClassMultiElement_1EF8E70::minimise(TData&) {
    post([](ui::Window& w) {
        if (!w.minimised()) w.minimise();
    });
}

void TClassMultiElement_1EF8E70::close(TData&) {
    post([](ui::Window& w) { w.requestClose(); });
}

void TClassMultiElement_1EF8E70::restore(TData&) {
    window_.restore();
    window_.bringToFront();
}

void TClassMultiElement_1EF8E70::post(std::function<void(ui::Window&)> action) {
    ui::platform().loop().post(
        [alive = std::weak_ptr<bool>(alive_), window = &window_, action = std::move(action)] {
            if (alive.lock()) action(*window);
        });
}

void TClassMultiElement_1EF8E70::pass(TData& data, std::uint16_t output) {
    fire(bind<&THIEditMulti::output>(edge_, output), data);
}

}  // namespace lr
