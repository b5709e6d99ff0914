#pragma once
// The elements of the device link that the general library does not have.
#include <atomic>
#include <cstdint>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

// The lights gate: commands pass while the lights are on. Commands may come from any thread (Ambilight
// samples on its own); the switch is worked from the loop thread. Every change of the switch sends the
// all-off command past the gate, then reports the new value (1 on, 0 off). Starts on.
class THILightsGate : public Element {
  public:
    Point onCommand;  // the commands that passed, and the all-off command
    Point onLights;

    void doCommand(TData& data);
    void doSwitch(TData& data);
    void doOn(TData& data);
    void doOff(TData& data);
    void doAllOff(TData& data);  // past the gate, without touching the switch (the closing step)
    void Lights(TData& data);

  private:
    void turn(bool on);

    std::atomic<bool> on_{true};
};

// Reads the 31 state positions one byte each, without waiting (nothing read counts as byte 0), and
// decodes them.
class THIStateReadBack : public Element {
  public:
    Point onRead;   // asks for one byte
    Point onState;  // the decoded state string
    void doRead(TData& data);
    void doByte(TData& data);  // the byte read: a string, empty or null when none came

  private:
    std::uint8_t byte_ = 0;
};

}  // namespace lr
