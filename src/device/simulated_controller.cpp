#include "device/simulated_controller.h"

namespace lr::device {

const std::array<std::string_view, 10> kProgramPresets = {
    "0202123252728080705030100001004", "1010101010106060606060600110102", "0202123252728282725232121000103",
    "4252725282624282625282420000112", "0000121222223242526272820100104", "0202020280800202020280800011003",
    "0202123252728080705030100001004", "0000121222223242526272820100104", "2222606012226060122260601000002",
    "8202028202028202028202020001001",
};

namespace {

std::array<DeviceState, kProgramPresets.size()> factorySlots() {
    std::array<DeviceState, kProgramPresets.size()> slots;
    for (std::size_t i = 0; i < slots.size(); ++i)
        slots[i] = parseState(kProgramPresets[i]);
    return slots;
}

}  // namespace

ControllerModel::ControllerModel() : slots_(factorySlots()) {}

std::string ControllerModel::apply(const Command& command) {
    DeviceState& settings = state_.settings;
    const auto target = static_cast<std::size_t>(command.target);
    switch (command.kind) {
        case Command::Kind::Level:
            settings.levels[target] = static_cast<std::uint8_t>(command.value);
            break;
        case Command::Kind::Change:
            settings.changes[target] = static_cast<Change>(command.value);
            break;
        case Command::Kind::Program:
            state_.program = command.value;
            settings = slots_[static_cast<std::size_t>(command.value)];
            break;
        case Command::Kind::Speed:
            settings.speed = static_cast<std::uint8_t>(command.value);
            break;
        case Command::Kind::Effect:
            settings.effects[target] = command.value == 1;
            break;
        case Command::Kind::Strip:
            state_.strip[target] = command.value == 1;
            break;
        case Command::Kind::Eeprom:
            if (command.value == 2) return encodeStateReply(settings);
            eeprom(command.value);
            break;
    }
    return {};
}

// Z0 keeps the current settings in the current program's slot; Z1 restores every slot's factory contents.
void ControllerModel::eeprom(int operation) {
    if (operation == 0) {
        slots_[static_cast<std::size_t>(state_.program)] = state_.settings;
    } else {
        slots_ = factorySlots();
    }
}

void SimulatedController::receive(std::string_view bytes, MemoryLine& line) {
    std::string reply;
    {
        std::lock_guard lock(mutex_);
        for (const Command& command : decoder_.feed(bytes))
            reply += model_.apply(command);
    }
    if (!reply.empty()) line.send(reply);
}

ControllerState SimulatedController::state() const {
    std::lock_guard lock(mutex_);
    return model_.state();
}

}  // namespace lr::device
