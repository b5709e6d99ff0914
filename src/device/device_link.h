#pragma once
// The device link: the six producers' commands merged, passed by the lights gate and written to the
// port; each change of the lights switch writes the all-off command past the gate; a 60 s reconnect
// while the port is open (retried until the device answers again); the "Z2" read-back of the device state.
#include <atomic>
#include <cstdint>
#include <memory>

#include "device/com_async.h"
#include "device/link_elements.h"
#include "runtime/container.h"
#include "runtime/elements/branches.h"
#include "runtime/elements/data_flow.h"
#include "runtime/elements/hub.h"
#include "runtime/elements/timer.h"

namespace lr {

class DeviceLink : public TClassMultiBase {
  public:
    static constexpr std::size_t kProducers = 6;
    static constexpr std::int32_t kReconnectMs = 60000;
    static constexpr std::int32_t kReadBackDelayMs = 100;

    explicit DeviceLink(TClassMultiBase* owner = nullptr);

    // Inputs. A command producer's number: device panels 0, colour organ 1, send box 2, Ambilight 3,
    // action scheduler 4, strip control 5.
    Point command(std::size_t producer);
    Point lights();     // flips the lights switch
    Point lightsOn();   // switches on; a change writes the all-off command
    Point lightsOff();  // switches off; likewise
    Point allOff();     // writes the all-off command past the gate (the closing step)
    // The read-back, 100 ms after the "Z2" that went out through a command input. A "Z2" that did not
    // reach the port (closed, or the lights off) gets no answer: nothing is read then.
    Point readBack();
    Point open();  // opens the port of that name ("COM5")
    Point close();

    // Outputs: every command that went to the port, the lights value after each change, the state read.
    void setOnCommand(Point point) { toPort_.outputs[1] = point; }
    void setOnLights(Point point) { gate_.onLights = point; }
    void setOnState(Point point) { onState_ = point; }

    THIComAsync& port() { return port_; }

  private:
    void noteWritten(TData& data);
    void startReadBack(TData& data);
    void stateRead(TData& data);

    THIHub& merge_;
    THILightsGate& gate_;
    THIHub& toPort_;
    THIMemory& portName_;
    THIComAsync& port_;
    THIHub& openPort_;
    THITimer& reconnect_;
    THIIf_else& ifOpen_;
    THITimer& readBackTimer_;
    THIStateReadBack& readBack_;
    Point onState_;
    std::shared_ptr<char> alive_ = std::make_shared<char>();  // for what the loop runs after we are gone
    std::atomic<bool> readRequested_{false};  // the last command written was the read request (any thread)
};

}  // namespace lr
