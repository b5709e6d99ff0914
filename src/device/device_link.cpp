#include "device/device_link.h"

#include "device/protocol.h"

namespace lr {

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

DeviceLink::DeviceLink(TClassMultiBase* owner)
    : TClassMultiBase(nullptr, owner),
      merge_(make<THIHub>(1)),
      lights_(make<THISwitch>()),
      gate_(make<THIIf_else>()),
      allOffText_(make<THIDoData>()),
      lightsChanged_(make<THIHub>(2)),
      toPort_(make<THIHub>(2)),
      portName_(make<THIMemory>()),
      port_(make<THIComAsync>()),
      openPort_(make<THIHub>(2)),
      reconnect_(make<THITimer>()),
      ifOpen_(make<THIIf_else>()),
      readBackTimer_(make<THITimer>()),
      readBack_(make<THIStateReadBack>()) {
    merge_.outputs[0] = bind<&THIIf_else::doCompare>(gate_);
    gate_.Op1 = bind<&THISwitch::State>(lights_);
    gate_.Op2_ = makeInteger(1);
    gate_.onTrue = bind<&THIHub::doEvent>(toPort_);
    toPort_.outputs[0] = bind<&THIComAsync::doWrite>(port_);

    lights_.onSwitch = bind<&THIHub::doEvent>(lightsChanged_);
    lightsChanged_.outputs[0] = bind<&THIDoData::doData>(allOffText_);
    allOffText_.Data_ = makeString(std::string(device::kAllOff));
    allOffText_.onData = bind<&THIHub::doEvent>(toPort_);

    port_.Port = bind<&THIMemory::Value>(portName_);
    port_.Reconnect = true;
    openPort_.outputs[0] = bind<&THIMemory::doValue>(portName_);
    openPort_.outputs[1] = bind<&THIComAsync::doOpen>(port_);

    reconnect_.Interval = kReconnectMs;
    reconnect_.setEnable(true);
    reconnect_.onTimer = bind<&THIIf_else::doCompare>(ifOpen_);
    ifOpen_.Op1 = bind<&THIComAsync::IsOpen>(port_);
    ifOpen_.Op2_ = makeInteger(1);
    ifOpen_.onTrue = bind<&THIComAsync::doReopen>(port_);

    readBackTimer_.Interval = kReadBackDelayMs;
    readBackTimer_.Count = 1;
    readBackTimer_.onTimer = bind<&THIStateReadBack::doRead>(readBack_);
    readBack_.onRead = bind<&THIComAsync::doRead>(port_);
    port_.onRead = bind<&THIStateReadBack::doByte>(readBack_);
}

Point DeviceLink::command(std::size_t producer) {
    return bind<&THIHub::doEvent>(merge_, static_cast<std::uint16_t>(producer));
}
Point DeviceLink::lights() {
    return bind<&THISwitch::doSwitch>(lights_);
}
Point DeviceLink::lightsOn() {
    return bind<&THISwitch::doOn>(lights_);
}
Point DeviceLink::lightsOff() {
    return bind<&THISwitch::doOff>(lights_);
}
Point DeviceLink::allOff() {
    return bind<&THIDoData::doData>(allOffText_);
}
Point DeviceLink::readBack() {
    return bind<&THITimer::doTimer>(readBackTimer_);
}
Point DeviceLink::open() {
    return bind<&THIHub::doEvent>(openPort_);
}
Point DeviceLink::close() {
    return bind<&THIComAsync::doClose>(port_);
}

}  // namespace lr
