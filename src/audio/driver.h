#pragma once
// What the engine needs from an audio source (an OS audio system, the synthesizer, a WAV file):
// its inputs with volume and on/off, and a capture of one input delivered on a thread of its own.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lr::audio {

struct InputInfo {
    std::string name;     // code page 1251
    float volume = 1.0f;  // 0..1
    bool enabled = true;
};

struct SampleFormat {
    std::uint32_t rate = 44100;
    std::uint32_t channels = 1;
};

// Receives a capture's samples, interleaved floats in -1..1, on the capture's thread.
class CaptureSink {
  public:
    virtual ~CaptureSink() = default;
    virtual void frames(std::span<const float> interleaved, SampleFormat format) = 0;
    // The source went away (device unplugged, server gone, file ended); no frames follow.
    virtual void ended() = 0;
    // The source is away for now and the capture waits for it; frames follow once it is back.
    virtual void interrupted() = 0;
};

// A running capture; destroying it stops the capture and waits for its thread. A capture that can
// wait for its source reports the pauses through interrupted() instead of ending.
class Capture {
  public:
    virtual ~Capture() = default;
};

class Driver {
  public:
    virtual ~Driver() = default;
    // Reaches the audio system; false with a message when it cannot.
    virtual bool connect(std::string& error) = 0;
    virtual std::vector<InputInfo> inputs() = 0;
    virtual bool setInput(std::size_t input, bool enabled, float volume) = 0;
    // The input recorded when no device is named; none when there is nothing to record.
    virtual std::optional<std::size_t> defaultInput() = 0;
    virtual std::unique_ptr<Capture> capture(std::size_t input, CaptureSink& sink, std::string& error) = 0;
};

}  // namespace lr::audio
