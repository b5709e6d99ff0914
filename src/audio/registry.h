#pragma once
// Drivers by name, as the settings and the command line choose them:
//   "synth" (the demo track) or "synth:<signal>" (see synth.h), "wav:<file>", and the platform's own,
//   "wasapi" on Windows and "pulse" on Linux, or "<platform>:<input name>" to record that input by default.
#include <memory>
#include <string>
#include <string_view>

#include "audio/driver.h"

namespace lr::audio {

// Nothing, and a message saying why, for an unknown name or an unreadable file.
std::unique_ptr<Driver> makeDriver(std::string_view name, std::string& error);
// The platform's driver when it reaches something to record, else the synthesized demo.
std::unique_ptr<Driver> makeDefaultDriver();

// Implemented once per platform.
std::string_view platformDriverName();
std::unique_ptr<Driver> makePlatformDriver(std::string preferredInput);

}  // namespace lr::audio
