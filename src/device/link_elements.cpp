#include "device/link_elements.h"

#include <string>

#include "device/protocol.h"

namespace lr {

void THILightsGate::doCommand(TData& data) {
    if (on_) forward(data, onCommand);
}

void THILightsGate::doSwitch(TData&) {
    turn(!on_);
}

void THILightsGate::doOn(TData&) {
    if (!on_) turn(true);
}

void THILightsGate::doOff(TData&) {
    if (on_) turn(false);
}

void THILightsGate::doAllOff(TData&) {
    fireString(onCommand, std::string(device::kAllOff));
}

void THILightsGate::Lights(TData& data) {
    data = makeInteger(on_ ? 1 : 0);
}

void THILightsGate::turn(bool on) {
    on_ = on;
    fireString(onCommand, std::string(device::kAllOff));
    fireInteger(onLights, on ? 1 : 0);
}

void THIStateReadBack::doRead(TData&) {
    std::string state;
    for (std::size_t position = 1; position <= device::kStateLength; ++position) {
        byte_ = 0;
        fireInteger(onRead, 1);
        state += device::decodeStateByte(position, byte_);
    }
    fireString(onState, std::move(state));
}

void THIStateReadBack::doByte(TData& data) {
    const std::string bytes = toString(data);
    byte_ = bytes.empty() ? 0 : static_cast<std::uint8_t>(bytes[0]);
}

}  // namespace lr
