#pragma once
// A simulated LED controller at the far end of a memory line: decodes the command stream, keeps the
// state a real controller would, and answers "Z2" with its 31-byte state.
#include <array>
#include <mutex>
#include <string>
#include <string_view>

#include "device/command_decoder.h"
#include "device/memory_line.h"
#include "device/protocol.h"

namespace lr::device {

// Factory contents of the ten program slots (EEP1..EEP4, FLP1, FLP2, EES, FLS, FLP3, FLP4).
extern const std::array<std::string_view, 10> kProgramPresets;

struct ControllerState {
    DeviceState settings = parseState(kDefaultState);
    int program = 0;
    std::array<bool, kStripFunctionCount> strip{};
    bool operator==(const ControllerState&) const = default;
};

// The controller's behaviour, without a line.
class ControllerModel {
  public:
    ControllerModel();
    // Applies one command; returns the reply to send, empty when there is none.
    std::string apply(const Command& command);
    const ControllerState& state() const { return state_; }

  private:
    void eeprom(int operation);

    ControllerState state_;
    std::array<DeviceState, kProgramPresets.size()> slots_;
};

class SimulatedController : public LineDevice {
  public:
    void receive(std::string_view bytes, MemoryLine& line) override;
    ControllerState state() const;

  private:
    mutable std::mutex mutex_;
    CommandDecoder decoder_;
    ControllerModel model_;
};

}  // namespace lr::device
