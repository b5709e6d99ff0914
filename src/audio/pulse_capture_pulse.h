#pragma once
// Recording one PulseAudio source at 44100 Hz mono float. The capture connects in the background and
// reconnects by itself: while the server or the source is away the sink hears of an interruption.
#include <memory>
#include <string>

#include "audio/driver.h"

namespace lr::audio::pulse {

// Returns at once; nothing, with the reason, only when no thread can be started for it.
std::unique_ptr<Capture> openCapture(const std::string& source, CaptureSink& sink, std::string& error);

}  // namespace lr::audio::pulse
