#include "device/protocol.h"

#include <algorithm>
#include <bit>

namespace lr::device {

namespace {

constexpr std::size_t kLevelPositions = 2 * kChannelCount;  // 1..24 alternate level and change
constexpr std::size_t kFirstEffectPosition = kLevelPositions + 1;
constexpr std::size_t kSpeedPosition = kStateLength;

std::string command(char lead, int argument) {
    return lead + std::to_string(argument);
}

std::uint8_t digitAt(std::string_view text, std::size_t position, std::uint8_t max) {
    if (position > text.size()) return 0;
    const char c = text[position - 1];
    if (c < '0' || c > '9') return 0;
    return std::min<std::uint8_t>(static_cast<std::uint8_t>(c - '0'), max);
}

char digit(unsigned value) {
    return static_cast<char>('0' + value);
}

}  // namespace

char changeLetter(Change change) {
    switch (change) {
        case Change::Up:
            return 'U';
        case Change::Middle:
            return 'Y';
        case Change::Down:
            break;
    }
    return 'W';
}

std::string channelLevel(int channel, int level) {
    return command(kChannelLetters[static_cast<std::size_t>(channel)], level);
}

std::string channelChange(int channel, Change change) {
    return {kChannelLetters[static_cast<std::size_t>(channel)], changeLetter(change)};
}

std::string programSelect(int program) {
    return command('P', program);
}

std::string runSpeed(int speed) {
    return command('S', speed);
}

std::string effectSwitch(int effect, bool on) {
    return command(kEffectLetters[static_cast<std::size_t>(effect)], on ? 1 : 0);
}

std::string stripFunction(int function, bool on) {
    return command(on ? '_' : '^', function);
}

DeviceState parseState(std::string_view text) {
    DeviceState state;
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        state.levels[c] = digitAt(text, 2 * c + 1, 8);
        state.changes[c] = static_cast<Change>(digitAt(text, 2 * c + 2, 2));
    }
    for (std::size_t e = 0; e < state.effects.size(); ++e)
        state.effects[e] = digitAt(text, kFirstEffectPosition + e, 1) == 1;
    state.speed = digitAt(text, kSpeedPosition, 9);
    return state;
}

std::string formatState(const DeviceState& state) {
    std::string text;
    text.reserve(kStateLength);
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        text += digit(state.levels[c]);
        text += digit(static_cast<unsigned>(state.changes[c]));
    }
    for (bool on : state.effects)
        text += on ? '1' : '0';
    text += digit(state.speed);
    return text;
}

std::string decodeStateByte(std::size_t position, std::uint8_t byte) {
    if (position <= kLevelPositions && position % 2 == 1) {
        return {std::has_single_bit(byte) ? digit(static_cast<unsigned>(std::countr_zero(byte)) + 1) : '0'};
    }
    if (position <= kLevelPositions) return {byte == 128 ? '1' : byte > 128 ? '2' : '0'};
    if (position < kSpeedPosition) return {byte > 0 ? '1' : '0'};
    return std::to_string(byte);
}

std::string decodeStateReply(std::string_view reply) {
    std::string text;
    for (std::size_t position = 1; position <= kStateLength; ++position) {
        const std::uint8_t byte =
            position <= reply.size() ? static_cast<std::uint8_t>(reply[position - 1]) : 0;
        text += decodeStateByte(position, byte);
    }
    return text;
}

std::string encodeStateReply(const DeviceState& state) {
    static constexpr std::uint8_t kChangeBytes[] = {0, 128, 192};
    std::string reply;
    reply.reserve(kStateLength);
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        const unsigned level = state.levels[c];
        reply += static_cast<char>(level == 0 ? 0 : 1u << (level - 1));
        reply += static_cast<char>(kChangeBytes[static_cast<std::size_t>(state.changes[c])]);
    }
    for (bool on : state.effects)
        reply += static_cast<char>(on ? 1 : 0);
    reply += static_cast<char>(state.speed);
    return reply;
}

}  // namespace lr::device
