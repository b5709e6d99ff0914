#include "runtime/elements/hotkey.h"

#include "runtime/error.h"
#include "ui/platform.h"

namespace lr {

namespace {
constexpr int kKeyTaken = 3;
}

void ThiGHotKey::doRegister(TData&) {
    key_.reset();
    ui::HotKeyRegistration registration = ui::platform().toolkit().registerHotKey(Key, Modifiers);
    // Fired, not forwarded: the tray block registers its keys by calling this from its own timer.
    if (!registration.key) {
        fireInteger(onError, registration.error ? registration.error : kKeyTaken);
        return;
    }
    key_ = std::move(registration.key);
    key_->onPressed = [this] { pressed(); };
}

void ThiGHotKey::doUnregister(TData&) {
    key_.reset();
}

// A key press comes from the user, through the loop.
void ThiGHotKey::pressed() {
    runGuarded([this] { fireNull(onHotKey); });
}

}  // namespace lr
