#include "audio/registry.h"

#include "audio/synth.h"
#include "audio/wav_file.h"

namespace lr::audio {

namespace {

// "name" or "name:argument".
std::string_view argumentOf(std::string_view spec, std::string_view name) {
    return spec.size() > name.size() ? spec.substr(name.size() + 1) : std::string_view{};
}

bool named(std::string_view spec, std::string_view name) {
    return spec == name || (spec.starts_with(name) && spec.size() > name.size() && spec[name.size()] == ':');
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
