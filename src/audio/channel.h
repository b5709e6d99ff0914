#pragma once
// One recording channel: converts what its capture delivers, hands it to the record callback, and keeps
// the most recent samples (mono) for the spectrum. Frames arrive on the capture thread; the loop
// thread reads the samples and stops the channel.
#include <array>
#include <atomic>
#include <memory>
#include <mutex>

#include "audio/backend.h"
#include "audio/converter.h"
#include "audio/driver.h"

namespace lr::audio {

class Channel : public CaptureSink {
  public:
    Channel(Handle handle, SampleFormat format, RecordProc proc, void* user)
        : handle_(handle), converter_(format), proc_(proc), user_(user) {}
    ~Channel() override { stop(); }

    void frames(std::span<const float> interleaved, SampleFormat format) override;
    void ended() override { active_.store(false); }
    // Silence stands in for what is not heard, so the levels fall rather than freeze.
    void interrupted() override;

    void attach(std::unique_ptr<Capture> capture) { capture_ = std::move(capture); }
    // Ends the capture and waits for its thread.
    void stop();
    bool active() const { return active_.load(); }
    // The kFftSize most recent samples, oldest first; zeros stand in for those not yet recorded.
    // Returns how many samples the channel has kept so far, which tells a caller whether they changed.
    std::uint64_t latest(std::span<float, kFftSize> out) const;
    std::uint64_t kept() const;

  private:
    void remember(std::span<const std::int16_t> samples);

    Handle handle_;
    Converter converter_;  // capture thread only
    RecordProc proc_;
    void* user_;
    std::atomic<bool> active_{true};
    std::unique_ptr<Capture> capture_;

    mutable std::mutex recentMutex_;
    std::array<float, kFftSize> recent_{};  // a ring; next_ is the oldest sample
    std::size_t next_ = 0;
    std::uint64_t kept_ = 0;
};

}  // namespace lr::audio
