// Global hotkeys as the tray block uses them: Ctrl+Shift+F5..F9, one of them possibly taken elsewhere.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/hotkey.h"
#include "runtime/error.h"

using namespace lr;

namespace {

constexpr int kF5 = 116;
constexpr unsigned kCtrlShift = ui::hotkeymod::Ctrl | ui::hotkeymod::Shift;

void doRegister(ThiGHotKey& key) {
    TData none;
    key.doRegister(none);
}

}  // namespace

class HotKeyTest : public HeadlessTest {
  protected:
    void wire(ThiGHotKey& key, int virtualKey, Recorder& pressed, Recorder& errors) {
        key.Key = virtualKey;
        key.Modifiers = kCtrlShift;
        key.onHotKey = pressed.point();
        key.onError = errors.point();
    }
};

TEST_F(HotKeyTest, AKeyTakenElsewhereFailsAloneAndTheOthersWork) {
    toolkit().takeHotKeyElsewhere(kF5 + 1, kCtrlShift);
    std::array<ThiGHotKey, 5> keys;
    std::array<Recorder, 5> pressed;
    std::array<Recorder, 5> errors;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        wire(keys[k], kF5 + static_cast<int>(k), pressed[k], errors[k]);
        doRegister(keys[k]);
    }
    for (std::size_t k = 0; k < keys.size(); ++k) {
        SCOPED_TRACE(k);
        const bool taken = k == 1;
        EXPECT_EQ(toolkit().pressHotKey(kF5 + static_cast<int>(k), kCtrlShift), !taken);
        EXPECT_EQ(pressed[k].values.size(), taken ? 0u : 1u);
        std::vector<std::int32_t> codes;
        for (const TData& error : errors[k].values)
            codes.push_back(error.intValue);
        EXPECT_EQ(codes, taken ? std::vector<std::int32_t>{3} : std::vector<std::int32_t>{});
    }
    EXPECT_FALSE(toolkit().pressHotKey(kF5, ui::hotkeymod::Ctrl)) << "the modifiers are part of the key";
}

TEST_F(HotKeyTest, RegisteringAgainLetsGoOfTheEarlierKey) {
    ThiGHotKey key;
    Recorder pressed, errors;
    wire(key, kF5, pressed, errors);
    doRegister(key);
    doRegister(key);
    EXPECT_TRUE(errors.values.empty()) << "the same key again is no conflict with itself";
    EXPECT_TRUE(toolkit().pressHotKey(kF5, kCtrlShift));
    EXPECT_EQ(pressed.values.size(), 1u);
    key.Key = kF5 + 4;
    doRegister(key);
    EXPECT_FALSE(toolkit().pressHotKey(kF5, kCtrlShift));
    EXPECT_EQ(toolkit().registerHotKey(kF5, kCtrlShift).error, 0) << "F5 is free for others";
    EXPECT_TRUE(toolkit().pressHotKey(kF5 + 4, kCtrlShift));
    EXPECT_EQ(pressed.values.size(), 2u);
}

TEST_F(HotKeyTest, UnregisteringAndDestroyingLetGo) {
    for (const bool destroy : {false, true}) {
        SCOPED_TRACE(destroy ? "destroyed" : "unregistered");
        std::optional<ThiGHotKey> key(std::in_place);
        Recorder pressed, errors;
        wire(*key, kF5, pressed, errors);
        doRegister(*key);
        if (destroy) {
            key.reset();
        } else {
            TData none;
            key->doUnregister(none);
        }
        EXPECT_FALSE(toolkit().pressHotKey(kF5, kCtrlShift));
        EXPECT_TRUE(pressed.values.empty());
        EXPECT_EQ(toolkit().registerHotKey(kF5, kCtrlShift).error, 0);
    }
}

// A press comes from the user through the loop: an element error along the chain ends there.
TEST_F(HotKeyTest, AnErrorAlongThePressStaysInsideTheEvent) {
    struct Failing : Element {
        int calls = 0;
        void take(TData&) {
            ++calls;
            throw ElementError(error::NoData);
        }
    } failing;
    ThiGHotKey key;
    key.Key = kF5;
    key.Modifiers = kCtrlShift;
    key.onHotKey = bind<&Failing::take>(failing);
    doRegister(key);
    EXPECT_NO_THROW(toolkit().pressHotKey(kF5, kCtrlShift));
    EXPECT_NO_THROW(toolkit().pressHotKey(kF5, kCtrlShift));
    EXPECT_EQ(failing.calls, 2);
}
