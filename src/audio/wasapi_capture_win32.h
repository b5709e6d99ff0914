#pragma once
// Shared-mode WASAPI capture of one endpoint (or loopback of a render endpoint) on a thread of its own.
#include <functional>
#include <memory>
#include <string>

#include "audio/driver.h"

namespace lr::audio::wasapi {

struct Endpoint {
    std::wstring id;
    bool loopback = false;  // a render endpoint, recorded as "what you hear"
};

// Nothing, with the reason, when the endpoint cannot be opened. `gain` is read on the capture thread.
std::unique_ptr<Capture> openCapture(const Endpoint& endpoint, std::function<float()> gain, CaptureSink& sink,
                                     std::string& error);

// COM for the calling thread while it lives; harmless when the thread already has it in another mode.
class ComScope {
  public:
    ComScope();
    ~ComScope();
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    bool owned_;
};

}  // namespace lr::audio::wasapi
