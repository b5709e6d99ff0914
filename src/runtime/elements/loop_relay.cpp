#include "runtime/elements/loop_relay.h"

#include "runtime/error.h"
#include "ui/platform.h"

namespace lr {

THILoopRelay::THILoopRelay()
    : loopThread_(std::this_thread::get_id()), self_(std::make_shared<THILoopRelay*>(this)) {}

void THILoopRelay::doEvent(TData& data) {
    if (std::this_thread::get_id() == loopThread_) {
        forward(data, onEvent);
        return;
    }
    std::weak_ptr<THILoopRelay*> self = self_;
    ui::platform().loop().post([self, value = TData(data)]() mutable {
        if (const auto relay = self.lock()) runGuarded([&] { fire((*relay)->onEvent, value); });
    });
}

}  // namespace lr
