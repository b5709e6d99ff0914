#pragma once
// The simulated controller of --demo: a port that the normal scan lists and the normal Open opens, and
// that keeps what it was sent, so a terminal can show the lights and the bytes.
#include <memory>
#include <mutex>
#include <string>

#include "device/memory_line.h"
#include "device/serial_port.h"
#include "device/simulated_controller.h"

namespace app {

inline constexpr int kDemoPort = 20;  // "COM 20": clear of the machine's own first ports

class DemoController {
  public:
    DemoController();

    lr::device::ControllerState state() const { return device_->state(); }
    // The bytes received since the last call.
    std::string takeReceived() { return device_->takeReceived(); }

  private:
    class Recording : public lr::device::SimulatedController {
      public:
        void receive(std::string_view bytes, lr::device::MemoryLine& line) override;
        std::string takeReceived();

      private:
        std::mutex mutex_;
        std::string received_;
    };

    std::shared_ptr<Recording> device_ = std::make_shared<Recording>();
    std::shared_ptr<lr::device::MemoryLine> line_ = lr::device::MemoryLine::create(device_);
    lr::device::VirtualPortBinding binding_;
};

}  // namespace app
