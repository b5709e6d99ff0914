// The PulseAudio (and PipeWire's PulseAudio service) driver: every source, monitors included, is an
// input with the source's volume and mute; the recording is the chosen source at 44100 Hz mono.
#include <algorithm>

#include "audio/pulse_capture_pulse.h"
#include "audio/pulse_session_pulse.h"
#include "audio/registry.h"

namespace lr::audio {

namespace {

class PulseDriver : public Driver {
  public:
    explicit PulseDriver(std::string preferredInput) : preferredInput_(std::move(preferredInput)) {}

    bool connect(std::string& error) override { return session_.connect(error); }

    std::vector<InputInfo> inputs() override {
        std::string ignored;
        sources_ = session_.connect(ignored) ? session_.sources() : std::vector<pulse::Source>{};
        std::vector<InputInfo> list;
        for (const pulse::Source& s : sources_)
            list.push_back({pulse::toCodePage1251(s.description), s.volume, !s.muted});
        return list;
    }

    bool setInput(std::size_t input, bool enabled, float volume) override {
        std::string ignored;
        return input < sources_.size() && session_.connect(ignored) &&
               session_.setSource(sources_[input], enabled, volume);
    }

    // The preferred input (by server name or description), else the server's default source.
    std::optional<std::size_t> defaultInput() override {
        inputs();
        const std::string wanted = preferredInput_.empty() ? session_.defaultSourceName() : preferredInput_;
        const auto it = std::find_if(sources_.begin(), sources_.end(), [&](const pulse::Source& s) {
            return s.name == wanted || s.description == wanted;
        });
        if (it != sources_.end()) return static_cast<std::size_t>(it - sources_.begin());
        if (!preferredInput_.empty() || sources_.empty()) return std::nullopt;
        return 0;
    }

    std::unique_ptr<Capture> capture(std::size_t input, CaptureSink& sink, std::string& error) override {
        if (input >= sources_.size()) {
            error = "no such source";
            return nullptr;
        }
        return pulse::openCapture(sources_[input].name, sink, error);
    }

  private:
    std::string preferredInput_;
    pulse::Session session_;
    std::vector<pulse::Source> sources_;  // as of the last inputs()
};

}  // namespace

std::string_view platformDriverName() {
    return "pulse";
}

std::unique_ptr<Driver> makePlatformDriver(std::string preferredInput) {
    return std::make_unique<PulseDriver>(std::move(preferredInput));
}

}  // namespace lr::audio
