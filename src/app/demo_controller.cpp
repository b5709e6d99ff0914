#include "app/demo_controller.h"

#include <utility>

namespace app {

DemoController::DemoController() : binding_(kDemoPort, line_->factory()) {}

void DemoController::Recording::receive(std::string_view bytes, lr::device::MemoryLine& line) {
    {
        const std::lock_guard lock(mutex_);
        received_ += bytes;
    }
    SimulatedController::receive(bytes, line);
}

std::string DemoController::Recording::takeReceived() {
    const std::lock_guard lock(mutex_);
    return std::exchange(received_, {});
}

}  // namespace app
