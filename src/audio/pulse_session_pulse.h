#pragma once
// The PulseAudio server's sources, kept current from a connection of their own in the background, so
// listing and changing them never waits for the server. While the server is away the list is empty.
#include <pulse/pulseaudio.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "audio/pulse_link_pulse.h"

namespace lr::audio::pulse {

struct Source {
    std::uint32_t index = 0;
    std::string name;         // the server's name, e.g. "alsa_output.pci.monitor"
    std::string description;  // what the user sees, UTF-8
    float volume = 1.0f;
    bool muted = false;
    std::uint8_t channels = 1;
};

class Session : LinkUser {
  public:
    // Starts connecting at once.
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Waits, at most a moment after the session's start, for the server's first answer; false, with
    // the reason, when there is none.
    bool connect(std::string& error);
    std::vector<Source> sources();
    std::string defaultSourceName();
    // Sends the change without waiting for it; false while the server is away.
    bool setSource(const Source& source, bool enabled, float volume);

  private:
    void ready(pa_context* context) override;
    void lost(const std::string& why) override;
    void refresh();
    void publish();
    static void onEvent(pa_context* context, pa_subscription_event_type_t type, std::uint32_t, void* self);
    static void addSource(pa_context*, const pa_source_info* info, int eol, void* self);
    static void takeDefaultSource(pa_context*, const pa_server_info* info, void* self);

    const std::chrono::steady_clock::time_point started_;
    std::mutex mutex_;  // guards what the loop thread reads
    std::condition_variable answered_;
    bool answer_ = false;
    bool up_ = false;
    std::string why_;
    std::vector<Source> sources_;
    std::string defaultSource_;

    pa_context* context_ = nullptr;  // under the link's lock
    std::vector<Source> incoming_;   // link thread only: the list being received
    std::string incomingDefault_;
    Link link_;  // last: its thread ends before the rest goes
};

// Text from the server (UTF-8) as the program's code page 1251; unknown letters become "?".
std::string toCodePage1251(const std::string& utf8);

}  // namespace lr::audio::pulse
