#pragma once
// A short-lived connection to the PulseAudio server for listing and changing sources. Every wait has
// a deadline, so a stuck server cannot hang the caller.
#include <pulse/pulseaudio.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lr::audio::pulse {

struct Source {
    std::uint32_t index = 0;
    std::string name;         // the server's name, e.g. "alsa_output.pci.monitor"
    std::string description;  // what the user sees, UTF-8
    float volume = 1.0f;
    bool muted = false;
    std::uint8_t channels = 1;
};

class Session {
  public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // False, with the server's reason, when no connection could be made.
    bool connect(std::string& error);
    std::vector<Source> sources();
    std::string defaultSourceName();
    bool setSource(const Source& source, bool enabled, float volume);

  private:
    void drop();
    bool runUntil(const std::function<bool()>& done);
    bool complete(pa_operation* op);

    pa_mainloop* loop_;
    pa_context* context_ = nullptr;
};

// Text from the server (UTF-8) as the program's code page 1251; unknown letters become "?".
std::string toCodePage1251(const std::string& utf8);

}  // namespace lr::audio::pulse
