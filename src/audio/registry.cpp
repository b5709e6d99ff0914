#include "audio/registry.h"

#include "audio/synth.h"
#include "audio/wav_file.h"

namespace lr::audio {

namespace {

// "name" or "name:argument".
std::string_view argumentOf(std::string_view params, std::string_view name) {
    return params.size() > name.size() ? params.substr(name.size() + 1) : std::string_view{};
}

bool named(std::string_view params, std::string_view name) {
    return params == name ||
           (params.starts_with(name) && params.size() > name.size() && params[name.size()] == ':');
}

}  // namespace

std::unique_ptr<Driver> makeDriver(std::string_view name, std::string& error) {
    if (named(name, "synth")) {
        const std::string_view signal = argumentOf(name, "synth");
        return makeSynthDriver(signal.empty() ? "demo" : signal, error);
    }
    if (named(name, "wav")) return makeWavDriver(std::string(argumentOf(name, "wav")), error);
    if (named(name, platformDriverName()))
        return makePlatformDriver(std::string(argumentOf(name, platformDriverName())));
    error = "unknown audio driver \"" + std::string(name) + "\" (" + std::string(platformDriverName()) +
            ", synth[:signal], wav:<file>)";
    return nullptr;
}

std::unique_ptr<Driver> makeDefaultDriver() {
    auto driver = makePlatformDriver({});
    std::string error;
    if (driver->connect(error) && driver->defaultInput()) return driver;
    return makeSynthDriver("demo", error);
}

}  // namespace lr::audio
