#pragma once
// The audio operations over one driver: recording channels with handles, the inputs of the recording
// side, and the 2048-point spectrum of each channel's most recent samples. Called on the loop thread.
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "audio/backend.h"
#include "audio/channel.h"
#include "audio/driver.h"
#include "audio/fft.h"

namespace lr::audio {

class Engine : public Backend {
  public:
    explicit Engine(std::unique_ptr<Driver> driver) : driver_(std::move(driver)) {}

    bool init(std::int32_t device, std::uint32_t freq, std::uint32_t flags, std::intptr_t window) override;
    bool start() override;
    std::uint32_t version() override { return kVersion; }
    int errorCode() override { return error_; }

    bool recordInit(std::int32_t device) override;
    std::optional<std::string> recordInputName(std::int32_t input) override;
    std::uint32_t recordGetInput(std::int32_t input, float& volume) override;
    bool recordSetInput(std::int32_t input, std::uint32_t flags, float volume) override;

    Handle recordStart(std::uint32_t freq, std::uint32_t channels, std::uint32_t flags, RecordProc proc,
                       void* user) override;
    std::uint32_t channelIsActive(Handle channel) override;
    std::int32_t channelGetData(Handle channel, float* buffer, std::uint32_t request) override;
    bool channelStop(Handle channel) override;

    // Why the most recent call failed, in words (empty after a success).
    const std::string& message() const { return message_; }

  private:
    bool ensureConnected();
    std::optional<std::size_t> chooseInput(std::int32_t device);
    const InputInfo* input(std::int32_t index);
    Channel* find(Handle handle);
    bool succeed();
    bool fail(int code, std::string message = {});

    std::unique_ptr<Driver> driver_;  // outlives the channels and their captures
    bool connected_ = false;
    bool initialised_ = false;
    std::optional<std::size_t> recordInput_;  // set once the recording side is open
    std::vector<InputInfo> inputs_;
    std::map<Handle, std::unique_ptr<Channel>> channels_;
    Handle lastHandle_ = 0;
    int error_ = code::Ok;
    std::string message_;
    RealFft fft_{kFftSize};
    std::array<float, kFftSize> samples_{};
    std::array<float, kFftBins> spectrum_{};  // of the window below, kept for the next request
    Handle spectrumOf_ = 0;
    std::uint64_t spectrumAt_ = 0;
};

}  // namespace lr::audio
