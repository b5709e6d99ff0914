#include "device/device_link.h"

#include "device/protocol.h"
#include "ui/platform.h"

namespace lr {

DeviceLink::DeviceLink(TClassMultiBase* owner)
    : TClassMultiBase(nullptr, owner),
      merge_(make<THIHub>(1)),
      gate_(make<THILightsGate>()),
      toPort_(make<THIHub>(3)),
      portName_(make<THIMemory>()),
      port_(make<THIComAsync>()),
      openPort_(make<THIHub>(2)),
      reconnect_(make<THITimer>()),
      ifOpen_(make<THIIf_else>()),
      readBackTimer_(make<THITimer>()),
      readBack_(make<THIStateReadBack>()) {
    merge_.outputs[0] = bind<&THILightsGate::doCommand>(gate_);
    gate_.onCommand = bind<&THIHub::doEvent>(toPort_);
    toPort_.outputs[0] = bind<&THIComAsync::doWrite>(port_);
    toPort_.outputs[2] = bind<&DeviceLink::noteWritten>(*this);

    port_.Port = bind<&THIMemory::Value>(portName_);
    port_.Reconnect = true;
    // The all-off text of the closing step is written just before the port closes: let it leave first.
    port_.FlushOnClose = true;
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
    readBack_.onState = bind<&DeviceLink::stateRead>(*this);
}

Point DeviceLink::command(std::size_t producer) {
    return bind<&THIHub::doEvent>(merge_, static_cast<std::uint16_t>(producer));
}
Point DeviceLink::lights() {
    return bind<&THILightsGate::doSwitch>(gate_);
}
Point DeviceLink::lightsOn() {
    return bind<&THILightsGate::doOn>(gate_);
}
Point DeviceLink::lightsOff() {
    return bind<&THILightsGate::doOff>(gate_);
}
Point DeviceLink::allOff() {
    return bind<&THILightsGate::doAllOff>(gate_);
}
Point DeviceLink::readBack() {
    return bind<&DeviceLink::startReadBack>(*this);
}

void DeviceLink::noteWritten(TData& data) {
    TData open;
    port_.IsOpen(open);
    readRequested_ = toInteger(open) == 1 && toString(data) == device::kReadState;
}

// A device pulled out during the read gives zeros, not its state: the state is passed on from the loop,
// after the port has heard of the loss, and only while the port is still open.
void DeviceLink::stateRead(TData& data) {
    ui::platform().loop().post([this, alive = std::weak_ptr<char>(alive_), state = toString(data)] {
        if (alive.expired() || !port_.isOpen()) return;
        fireString(onState_, state);
    });
}

void DeviceLink::startReadBack(TData& data) {
    if (!readRequested_.exchange(false)) return;
    readBackTimer_.doTimer(data);
}
Point DeviceLink::open() {
    return bind<&THIHub::doEvent>(openPort_);
}
Point DeviceLink::close() {
    return bind<&THIComAsync::doClose>(port_);
}

}  // namespace lr
