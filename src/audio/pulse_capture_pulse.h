#pragma once
// Recording one PulseAudio source at 44100 Hz mono float on the threaded main loop's thread.
#include <memory>
#include <string>

#include "audio/driver.h"

namespace lr::audio::pulse {

// Nothing, with the reason, when the server or the source cannot be reached.
std::unique_ptr<Capture> openCapture(const std::string& source, CaptureSink& sink, std::string& error);

}  // namespace lr::audio::pulse
