#include "device/command_decoder.h"

namespace lr::device {

namespace {

bool isLead(char c) {
    return (c >= 'A' && c <= 'L') || c == 'P' || c == 'S' || c == 'Z' || c == '^' || c == '_' ||
           kEffectLetters.find(c) != std::string_view::npos;
}

std::optional<int> digitUpTo(char c, int max) {
    if (c < '0' || c > '0' + max) return std::nullopt;
    return c - '0';
}

std::optional<Command> withDigit(Command::Kind kind, int target, char c, int max) {
    const auto value = digitUpTo(c, max);
    if (!value) return std::nullopt;
    return Command{kind, target, *value};
}

std::optional<Command> channelCommand(int channel, char c) {
    switch (c) {
        case 'U':
            return Command{Command::Kind::Change, channel, static_cast<int>(Change::Up)};
        case 'Y':
            return Command{Command::Kind::Change, channel, static_cast<int>(Change::Middle)};
        case 'W':
            return Command{Command::Kind::Change, channel, static_cast<int>(Change::Down)};
        default:
            return withDigit(Command::Kind::Level, channel, c, 8);
    }
}

std::optional<Command> stripCommand(bool on, char c) {
    const auto function = digitUpTo(c, kStripFunctionCount - 1);
    if (!function) return std::nullopt;
    return Command{Command::Kind::Strip, *function, on ? 1 : 0};
}

std::optional<Command> complete(char lead, char c) {
    if (lead >= 'A' && lead <= 'L') return channelCommand(lead - 'A', c);
    switch (lead) {
        case 'P':
            return withDigit(Command::Kind::Program, 0, c, 9);
        case 'S':
            return withDigit(Command::Kind::Speed, 0, c, 9);
        case 'Z':
            return withDigit(Command::Kind::Eeprom, 0, c, 2);
        case '^':
        case '_':
            return stripCommand(lead == '_', c);
        default:
            return withDigit(Command::Kind::Effect, static_cast<int>(kEffectLetters.find(lead)), c, 1);
    }
}

}  // namespace

std::optional<Command> CommandDecoder::feed(char c) {
    if (lead_ != 0) {
        auto command = complete(lead_, c);
        lead_ = 0;
        if (command) return command;
    }
    if (isLead(c)) lead_ = c;
    return std::nullopt;
}

std::vector<Command> CommandDecoder::feed(std::string_view bytes) {
    std::vector<Command> commands;
    for (char c : bytes) {
        if (auto command = feed(c)) commands.push_back(*command);
    }
    return commands;
}

}  // namespace lr::device
