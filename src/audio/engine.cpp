#include "audio/engine.h"

#include <algorithm>

namespace lr::audio {

namespace {
constexpr std::uint32_t kMaxRate = 384000;
constexpr std::uint32_t kMaxChannels = 8;
}  // namespace

bool Engine::succeed() {
    error_ = code::Ok;
    message_.clear();
    return true;
}

bool Engine::fail(int code, std::string message) {
    error_ = code;
    message_ = std::move(message);
    return false;
}

bool Engine::ensureConnected() {
    if (connected_) return true;
    std::string why;
    connected_ = driver_->connect(why);
    return connected_ || fail(code::Driver, why);
}

bool Engine::init(std::int32_t device, std::uint32_t freq, std::uint32_t, std::intptr_t) {
    if (initialised_) return fail(code::Already, "already initialised");
    if (device < -1) return fail(code::Device, "no such output device");
    if (freq == 0 || freq > kMaxRate) return fail(code::Format, "unsupported sample rate");
    if (!ensureConnected()) return false;
    initialised_ = true;
    return succeed();
}

bool Engine::start() {
    return initialised_ ? succeed() : fail(code::NotInit, "not initialised");
}

// One recording device (0, or -1 for the default) whose input is the driver's default one; the
// other inputs are only listed and adjusted.
std::optional<std::size_t> Engine::chooseInput(std::int32_t device) {
    if (device != -1 && device != 0) return std::nullopt;
    return driver_->defaultInput();
}

bool Engine::recordInit(std::int32_t device) {
    if (recordInput_) return fail(code::Already, "recording already initialised");
    if (!ensureConnected()) return false;
    inputs_ = driver_->inputs();
    recordInput_ = chooseInput(device);
    return recordInput_ ? succeed() : fail(code::Device, "no recording device");
}

const InputInfo* Engine::input(std::int32_t index) {
    if (!recordInput_) {
        fail(code::NotInit, "recording not initialised");
        return nullptr;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= inputs_.size()) {
        fail(code::Illegal, "no such input");
        return nullptr;
    }
    succeed();
    return &inputs_[static_cast<std::size_t>(index)];
}

// The list is read afresh when input 0 is asked for, so each enumeration sees the current inputs.
std::optional<std::string> Engine::recordInputName(std::int32_t index) {
    if (index == 0 && recordInput_) inputs_ = driver_->inputs();
    const InputInfo* info = input(index);
    if (!info) return std::nullopt;
    return info->name;
}

std::uint32_t Engine::recordGetInput(std::int32_t index, float& volume) {
    const InputInfo* info = input(index);
    if (!info) return kNoInput;
    volume = info->volume;
    return info->enabled ? 0 : kInputOff;
}

bool Engine::recordSetInput(std::int32_t index, std::uint32_t flags, float volume) {
    if (!input(index)) return false;
    InputInfo& info = inputs_[static_cast<std::size_t>(index)];
    const bool enabled = (flags & kInputOn) ? true : (flags & kInputOff) ? false : info.enabled;
    const float level = volume < 0.0f ? info.volume : std::min(volume, 1.0f);
    if (!driver_->setInput(static_cast<std::size_t>(index), enabled, level))
        return fail(code::Device, "the input cannot be changed");
    info.enabled = enabled;
    info.volume = level;
    return succeed();
}

Handle Engine::recordStart(std::uint32_t freq, std::uint32_t channels, std::uint32_t, RecordProc proc,
                           void* user) {
    if (!recordInput_) {
        fail(code::NotInit, "recording not initialised");
        return 0;
    }
    if (freq == 0 || freq > kMaxRate || channels == 0 || channels > kMaxChannels) {
        fail(code::Format, "unsupported sample format");
        return 0;
    }
    const Handle handle = ++lastHandle_;
    auto channel = std::make_unique<Channel>(handle, SampleFormat{freq, channels}, proc, user);
    std::string why;
    auto capture = driver_->capture(*recordInput_, *channel, why);
    if (!capture) {
        fail(code::Device, why);
        return 0;
    }
    channel->attach(std::move(capture));
    channels_.emplace(handle, std::move(channel));
    succeed();
    return handle;
}

Channel* Engine::find(Handle handle) {
    const auto it = channels_.find(handle);
    if (it == channels_.end()) {
        fail(code::Handle, "no such channel");
        return nullptr;
    }
    succeed();
    return it->second.get();
}

std::uint32_t Engine::channelIsActive(Handle handle) {
    const Channel* channel = find(handle);
    return channel && channel->active() ? kActive : kStopped;
}

std::int32_t Engine::channelGetData(Handle handle, float* buffer, std::uint32_t request) {
    const Channel* channel = find(handle);
    if (!channel) return -1;
    if (request != (kDataFft2048 | kFftNoWindow)) {
        fail(code::NotAvail, "unsupported data request");
        return -1;
    }
    // The beat and the band analysers ask for the same window in one tick: transform it once.
    if (spectrumOf_ != handle || spectrumAt_ != channel->kept()) {
        spectrumAt_ = channel->latest(samples_);
        spectrumOf_ = handle;
        fft_.magnitudes(samples_, spectrum_);
    }
    std::copy(spectrum_.begin(), spectrum_.end(), buffer);
    return static_cast<std::int32_t>(kFftBins * sizeof(float));
}

bool Engine::channelStop(Handle handle) {
    Channel* channel = find(handle);
    if (!channel) return false;
    channel->stop();
    channels_.erase(handle);
    return true;
}

}  // namespace lr::audio
