#pragma once
// The controller's command strings and its device state, as pure functions. Ports only move bytes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lr::device {

inline constexpr int kChannelCount = 12;
inline constexpr std::string_view kChannelLetters = "ABCDEFGHIJKL";
// The effect switches in state order: work, jump, strobe, move, bright, blink.
inline constexpr std::string_view kEffectLetters = "RMOVTN";
inline constexpr int kStripFunctionCount = 9;

inline constexpr std::string_view kAllOff = "P4 R0 M0 O0 V0 T0 N0 A0 B0 C0 D0 E0 F0 G0 H0 I0 J0 K0 L0";
inline constexpr std::string_view kSaveEeprom = "Z0";
inline constexpr std::string_view kRestoreEeprom = "Z1";
inline constexpr std::string_view kReadState = "Z2";

// Brightness change of a channel: the command letter and the state digit it leaves behind.
enum class Change : std::uint8_t { Down = 0, Middle = 1, Up = 2 };
char changeLetter(Change change);  // W, Y, U

std::string channelLevel(int channel, int level);  // channel 0..11, level 0..8: "A5"
std::string channelChange(int channel, Change change);
std::string programSelect(int program);  // "P3"
std::string runSpeed(int speed);         // "S9"
std::string effectSwitch(int effect, bool on);
std::string stripFunction(int function, bool on);  // "_k" on, "^k" off

// The 31-character device state: level and change per channel, six switches, the speed.
inline constexpr std::size_t kStateLength = 31;
inline constexpr std::string_view kDefaultState = "8082808073605041302010000001003";

struct DeviceState {
    std::array<std::uint8_t, kChannelCount> levels{};   // 0..8
    std::array<Change, kChannelCount> changes{};        // 0..2
    std::array<bool, kEffectLetters.size()> effects{};  // R M O V T N
    std::uint8_t speed = 0;                             // 0..9
    bool operator==(const DeviceState&) const = default;
};

// Characters that are not digits read as 0; values beyond a field's range are clamped into it.
DeviceState parseState(std::string_view text);
std::string formatState(const DeviceState& state);

// The reply to "Z2": one byte per state position.
std::string decodeStateByte(std::size_t position, std::uint8_t byte);  // position 1..31
// Decodes all 31 positions; bytes missing from a short reply read as 0.
std::string decodeStateReply(std::string_view reply);
// What a controller in that state answers.
std::string encodeStateReply(const DeviceState& state);

}  // namespace lr::device
