#include "audio/generated_driver.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace lr::audio {

namespace {

constexpr std::chrono::milliseconds kBlock{10};

std::size_t blockFrames(const Signal& signal) {
    return signal.format().rate * static_cast<std::size_t>(kBlock.count()) / 1000;
}

// Delivers up to `frames` frames; false (after telling the sink) once the signal has ended.
bool deliver(Signal& signal, CaptureSink& sink, float gain, std::vector<float>& scratch, std::size_t frames) {
    const SampleFormat format = signal.format();
    scratch.resize(frames * format.channels);
    const std::size_t filled = signal.fill(scratch);
    scratch.resize(filled * format.channels);
    for (float& v : scratch)
        v *= gain;
    if (filled > 0) sink.frames(scratch, format);
    if (filled == frames) return true;
    sink.ended();
    return false;
}

class PacedCapture : public Capture {
  public:
    PacedCapture(std::unique_ptr<Signal> signal, CaptureSink& sink, const GeneratedDriver& driver)
        : signal_(std::move(signal)),
          sink_(sink),
          driver_(driver),
          thread_([this](std::stop_token stop) { run(stop); }) {}

  private:
    void run(const std::stop_token& stop) {
        std::vector<float> scratch;
        auto due = std::chrono::steady_clock::now();
        std::mutex mutex;
        std::condition_variable_any wake;
        while (deliver(*signal_, sink_, driver_.gain(), scratch, blockFrames(*signal_))) {
            due = std::max(due + kBlock, std::chrono::steady_clock::now() - kBlock);
            std::unique_lock lock(mutex);
            wake.wait_until(lock, stop, due, [] { return false; });
            if (stop.stop_requested()) return;
        }
    }

    std::unique_ptr<Signal> signal_;
    CaptureSink& sink_;
    const GeneratedDriver& driver_;
    std::jthread thread_;  // last: stopped and joined first
};

}  // namespace

class ManualCapture : public Capture {
  public:
    ManualCapture(std::unique_ptr<Signal> signal, CaptureSink& sink, GeneratedDriver& driver)
        : signal_(std::move(signal)), sink_(sink), driver_(driver) {
        driver_.manual_ = this;
    }
    ~ManualCapture() override {
        if (driver_.manual_ == this) driver_.manual_ = nullptr;
    }
    void pump(std::size_t frames) {
        if (live_) live_ = deliver(*signal_, sink_, driver_.gain(), scratch_, frames);
    }
    void unplug() {
        if (live_) sink_.ended();
        live_ = false;
    }
    void interrupt() {
        if (live_) sink_.interrupted();
    }

  private:
    std::unique_ptr<Signal> signal_;
    CaptureSink& sink_;
    GeneratedDriver& driver_;
    std::vector<float> scratch_;
    bool live_ = true;
};

std::vector<InputInfo> GeneratedDriver::inputs() {
    return {InputInfo{inputName_, volume_.load(), enabled_.load()}};
}

bool GeneratedDriver::setInput(std::size_t input, bool enabled, float volume) {
    if (input != 0) return false;
    enabled_.store(enabled);
    volume_.store(volume);
    return true;
}

std::unique_ptr<Capture> GeneratedDriver::capture(std::size_t input, CaptureSink& sink, std::string& error) {
    if (input != 0) {
        error = "no such input";
        return nullptr;
    }
    auto signal = makeSignal_();
    if (!signal) {
        error = "the source cannot be read";
        return nullptr;
    }
    if (pacing_ == Pacing::Manual) return std::make_unique<ManualCapture>(std::move(signal), sink, *this);
    return std::make_unique<PacedCapture>(std::move(signal), sink, *this);
}

void GeneratedDriver::pump(std::size_t frames) {
    if (manual_) manual_->pump(frames);
}

void GeneratedDriver::unplug() {
    if (manual_) manual_->unplug();
}

void GeneratedDriver::interrupt() {
    if (manual_) manual_->interrupt();
}

}  // namespace lr::audio
