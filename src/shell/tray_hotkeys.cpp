#include "shell/tray_hotkeys.h"

#include <string_view>

#include "settings/translation.h"
#include "ui/platform.h"

namespace lr {

namespace {
constexpr std::array<std::string_view, 10> kItems = {"Visualization (Cntr+Shift+F5)",
                                                     "Save Visual Scheme",
                                                     "Automation",
                                                     "Ambilight",
                                                     "Color Organ (Cntr+Shift+F6)",
                                                     "Sublist to run with music (Cntr+Shift+F7)",
                                                     "Start Random Scheme (Cntr+Shift+F8)",
                                                     "Lights On/Off (Cntr+Shift+F9) ",
                                                     "All Off",
                                                     "Exit"};
constexpr std::size_t kItemsWithBitmaps = 7;  // "BITMAP72".."BITMAP78"
constexpr int kFirstItemBitmap = 72;
constexpr int kF5 = 116;
// The menu item each hotkey F5..F9 stands for.
constexpr std::array<std::int32_t, 5> kHotKeyItems = {0, 4, 5, 6, 7};

namespace item {
constexpr std::int32_t Visualization = 0;
constexpr std::int32_t SaveVisualScheme = 1;
constexpr std::int32_t Automation = 2;
constexpr std::int32_t Ambilight = 3;
constexpr std::int32_t ColorOrgan = 4;
constexpr std::int32_t Sublist = 5;
constexpr std::int32_t RandomScheme = 6;
constexpr std::int32_t Lights = 7;
constexpr std::int32_t AllOff = 8;
constexpr std::int32_t Exit = 9;
}  // namespace item
}  // namespace

TClassMultiElementEx_1EF9FA0::TClassMultiElementEx_1EF9FA0(ui::Control* parent, TClassMultiBase* owner,
                                                           THIMultiElementEx& outer)
    : TClassMultiBase(parent, owner),
      edge_(make<THIEditMultiEx>(outer, 5, 0)),
      menu_(make<ThiPopupMenuEx>()),
      registerTimer_(make<THITimer>()),
      states_{{{item::Visualization, tray_output::Visualization},
               {item::Automation, tray_output::Automation},
               {item::Ambilight, tray_output::Ambilight},
               {item::ColorOrgan, tray_output::ColorOrgan}}} {
    join(edge_);
    edge_.inputs[0] = bind<&ThiPopupMenuEx::doPopup>(menu_);
    for (std::uint16_t k = 0; k < states_.size(); ++k)
        edge_.inputs[k + 1u] = bind<&TClassMultiElementEx_1EF9FA0::reported>(*this, k);
    buildMenu();
    buildHotKeys();
}

void TClassMultiElementEx_1EF9FA0::buildMenu() {
    std::string text;
    for (std::size_t k = 0; k < kItems.size(); ++k) {
        if (k < kItemsWithBitmaps) text += "<" + std::to_string(k) + ">";
        text += settings::translate(kItems[k]) + "\r\n";
        if (k < kItemsWithBitmaps)
            menu_.Style.Bitmaps.push_back(
                ui::platform().resources().bitmap("BITMAP" + std::to_string(kFirstItemBitmap + k)));
    }
    menu_.Menu = text;
    menu_.Style.Font = ui::Font{"MS Sans Serif", 8};
    menu_.onClick = bind<&TClassMultiElementEx_1EF9FA0::chosen>(*this);
}

// Registered once, a second after the block is built, F5 first.
void TClassMultiElementEx_1EF9FA0::buildHotKeys() {
    for (std::size_t k = 0; k < hotKeys_.size(); ++k) {
        ThiGHotKey& key = make<ThiGHotKey>();
        key.Key = kF5 + static_cast<int>(k);
        key.Modifiers = ui::hotkeymod::Ctrl | ui::hotkeymod::Shift;
        key.onHotKey = bind<&TClassMultiElementEx_1EF9FA0::hotKey>(*this, static_cast<std::uint16_t>(k));
        hotKeys_[k] = &key;
    }
    registerTimer_.Interval = kRegisterDelayMs;
    registerTimer_.Count = 1;
    registerTimer_.onTimer = bind<&TClassMultiElementEx_1EF9FA0::registerHotKeys>(*this);
    registerTimer_.setEnable(true);
}

void TClassMultiElementEx_1EF9FA0::registerHotKeys(TData&) {
    for (ThiGHotKey* key : hotKeys_) {
        TData none;
        key->doRegister(none);
    }
}

void TClassMultiElementEx_1EF9FA0::chosen(TData& data) {
    menuItem(toInteger(data));
}

void TClassMultiElementEx_1EF9FA0::hotKey(TData&, std::uint16_t key) {
    menuItem(kHotKeyItems[key]);
}

void TClassMultiElementEx_1EF9FA0::menuItem(std::int32_t chosen) {
    switch (chosen) {
        case item::Visualization:
            return flip(states_[0]);
        case item::Automation:
            return flip(states_[1]);
        case item::Ambilight:
            return flip(states_[2]);
        case item::ColorOrgan:
            return flip(states_[3]);
        case item::SaveVisualScheme:
            return send(tray_output::SaveVisualScheme, TData{});
        case item::Sublist:
            return send(tray_output::Sublist, TData{});
        case item::RandomScheme:
            return send(tray_output::RandomScheme, TData{});
        case item::Lights:
            return send(tray_output::Lights, TData{});
        case item::AllOff:
            return allOff();
        case item::Exit:
            return send(tray_output::Exit, TData{});
        default:
            return;
    }
}

void TClassMultiElementEx_1EF9FA0::flip(State& state) {
    set(state, state.value ^ 1);
    send(state.output, makeInteger(state.value));
}

// "All Off" sends 0 to every page, also to those already off.
void TClassMultiElementEx_1EF9FA0::allOff() {
    for (State& state : states_) {
        set(state, 0);
        send(state.output, makeInteger(0));
    }
}

void TClassMultiElementEx_1EF9FA0::reported(TData& data, std::uint16_t state) {
    set(states_[state], toInteger(data));
}

void TClassMultiElementEx_1EF9FA0::set(State& state, std::int32_t value) {
    state.value = value;
    TData check = makeInteger(value);
    check.next = std::make_unique<TData>(makeInteger(state.item));
    menu_.doCheck(check);
}

void TClassMultiElementEx_1EF9FA0::send(std::uint16_t output, TData data) {
    fire(bind<&THIEditMultiEx::output>(edge_, output), data);
}

}  // namespace lr
