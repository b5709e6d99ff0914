// The PulseAudio (and PipeWire's PulseAudio service) driver: every source, monitors included, is an
// input with the source's volume and mute; the recording is the chosen source at 44100 Hz mono. No
// call waits for the server beyond connect's first moment: a stuck server cannot freeze the window.
#include <algorithm>
#include <cstdint>

#include "audio/pulse_capture_pulse.h"
#include "audio/pulse_session_pulse.h"
#include "audio/registry.h"

namespace lr::audio {

namespace {

class PulseDriver : public Driver {
  public:
    explicit PulseDriver(std::string preferredInput) : preferredInput_(std::move(preferredInput)) {}

    bool connect(std::string& error) override { return session_.connect(error); }

    // The sources as last heard from the server; none while it is away.
    std::vector<InputInfo> inputs() override {
        sources_ = session_.sources();
        std::vector<InputInfo> list;
        for (const pulse::Source& s : sources_)
            list.push_back({pulse::toCodePage1251(s.description), s.volume, !s.muted});
        return list;
    }

    bool setInput(std::size_t input, bool enabled, float volume) override {
        return input < sources_.size() && session_.setSource(sources_[input], enabled, volume);
    }

    // The preferred input (by server name or description), else the server's default source.
    std::optional<std::size_t> defaultInput() override {
        inputs();
        const std::string wanted = preferredInput_.empty() ? session_.defaultSourceName() : preferredInput_;
        const auto it = std::find_if(sources_.begin(), sources_.end(), [&](const pulse::Source& s) {
            return s.name == wanted || s.description == wanted;
        });
        if (it != sources_.end()) return choose(static_cast<std::size_t>(it - sources_.begin()));
        if (!preferredInput_.empty() || sources_.empty()) return std::nullopt;
        return choose(0);
    }

    // The chosen source is recorded by name, so a start while the server is away waits for it.
    std::unique_ptr<Capture> capture(std::size_t input, CaptureSink& sink, std::string& error) override {
        const bool listed = input < sources_.size();
        if (!listed && input != chosen_) {
            error = "no such source";
            return nullptr;
        }
        return pulse::openCapture(listed ? sources_[input].name : chosenName_, sink, error);
    }

  private:
    std::size_t choose(std::size_t input) {
        chosen_ = input;
        chosenName_ = sources_[input].name;
        return input;
    }

    std::string preferredInput_;
    std::size_t chosen_ = SIZE_MAX;
    std::string chosenName_;
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
