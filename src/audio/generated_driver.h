#pragma once
// A driver whose one input is a generated signal (the synthesizer, a WAV file), delivered in blocks of
// 10 ms either in real time on a thread of its own, or by the caller's pump() (tests, offline runs).
#include <atomic>
#include <functional>

#include "audio/driver.h"

namespace lr::audio {

class Signal {
  public:
    virtual ~Signal() = default;
    virtual SampleFormat format() const = 0;
    // Writes whole interleaved frames; fewer than there is room for once the signal has ended.
    virtual std::size_t fill(std::span<float> out) = 0;
};

enum class Pacing { RealTime, Manual };

class ManualCapture;

class GeneratedDriver : public Driver {
  public:
    using SignalFactory = std::function<std::unique_ptr<Signal>()>;
    GeneratedDriver(std::string inputName, SignalFactory makeSignal, Pacing pacing = Pacing::RealTime)
        : inputName_(std::move(inputName)), makeSignal_(std::move(makeSignal)), pacing_(pacing) {}

    bool connect(std::string&) override { return true; }
    std::vector<InputInfo> inputs() override;
    bool setInput(std::size_t input, bool enabled, float volume) override;
    std::optional<std::size_t> defaultInput() override { return 0; }
    std::unique_ptr<Capture> capture(std::size_t input, CaptureSink& sink, std::string& error) override;

    // Manual pacing: delivers the next frames of the running capture on the caller's thread.
    void pump(std::size_t frames);
    // Manual pacing: the source goes away under the running capture.
    void unplug();
    // Manual pacing: the source is away for a while; pump() goes on afterwards.
    void interrupt();

    // The input's volume, 0 while it is switched off; read by the capture thread.
    float gain() const { return enabled_.load() ? volume_.load() : 0.0f; }

  private:
    friend class ManualCapture;
    std::string inputName_;
    SignalFactory makeSignal_;
    Pacing pacing_;
    std::atomic<float> volume_{1.0f};
    std::atomic<bool> enabled_{true};
    ManualCapture* manual_ = nullptr;
};

}  // namespace lr::audio
