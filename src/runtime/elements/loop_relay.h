#pragma once
// THILoopRelay: passes events on on the loop thread. An event fired on the thread that made the relay
// goes on at once; one from another thread is copied and posted, so events keep their order and a
// worker never touches what the loop thread owns. Events still queued when the relay dies are dropped.
#include <memory>
#include <thread>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THILoopRelay : public Element {
  public:
    THILoopRelay();
    Point onEvent;
    void doEvent(TData& data);

  private:
    std::thread::id loopThread_;
    std::shared_ptr<THILoopRelay*> self_;  // the posted events' way back, gone with the relay
};

}  // namespace lr
