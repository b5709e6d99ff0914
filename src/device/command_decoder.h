#pragma once
// Reads the command stream as the controller does: a command is recognised by its leading character;
// blanks separate, anything else that does not fit is skipped.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "device/protocol.h"

namespace lr::device {

struct Command {
    enum class Kind : std::uint8_t { Level, Change, Program, Speed, Effect, Eeprom, Strip };
    Kind kind;
    int target = 0;  // channel 0..11, effect 0..5, strip function 0..8; 0 otherwise
    int value = 0;   // level, change (0..2), program, speed, switch or strip function on (0/1), EEPROM op
    bool operator==(const Command&) const = default;
};

class CommandDecoder {
  public:
    // Feeds one byte; a command is complete when its argument arrives.
    std::optional<Command> feed(char c);
    std::vector<Command> feed(std::string_view bytes);

  private:
    char lead_ = 0;
};

}  // namespace lr::device
