#pragma once
// The audio operations the recording and spectrum elements call: initialise, open the recording side,
// list and adjust its inputs, record a channel, read its spectrum, stop it. One process-wide backend.
#include <cstdint>
#include <optional>
#include <string>

namespace lr::audio {

using Handle = std::uint32_t;  // a recording channel; 0 = none

// Called on the backend's capture thread for every recorded buffer of 16-bit samples; returning
// false ends the channel.
using RecordProc = bool (*)(Handle channel, const void* buffer, std::uint32_t length, void* user);

inline constexpr std::uint32_t kVersionMajorMinor = 0x0204;
inline constexpr std::uint32_t kVersion = (kVersionMajorMinor << 16) | 0x0001;

// Input flags.
inline constexpr std::uint32_t kInputOff = 0x10000;
inline constexpr std::uint32_t kInputOn = 0x20000;
// recordGetInput's answer for an input that does not exist.
inline constexpr std::uint32_t kNoInput = 0xFFFFFFFF;

// channelIsActive answers.
inline constexpr std::uint32_t kStopped = 0;
inline constexpr std::uint32_t kActive = 1;

// channelGetData requests: the 2048-sample spectrum (1024 magnitudes) without a window.
inline constexpr std::uint32_t kDataFft2048 = 0x80000003;
inline constexpr std::uint32_t kFftNoWindow = 0x20;
inline constexpr std::size_t kFftSize = 2048;
inline constexpr std::size_t kFftBins = kFftSize / 2;

// Error codes reported by errorCode() for the most recent call.
namespace code {
inline constexpr int Ok = 0;
inline constexpr int Driver = 3;    // the audio system cannot be reached
inline constexpr int Handle = 5;    // no such channel
inline constexpr int Format = 6;    // unsupported rate, channel count or request
inline constexpr int NotInit = 8;   // the call needs an earlier init
inline constexpr int Already = 14;  // already initialised
inline constexpr int Illegal = 20;  // bad argument
inline constexpr int Device = 23;   // no such device or input
inline constexpr int NotAvail = 37;
}  // namespace code

class Backend {
  public:
    virtual ~Backend() = default;

    // device -1 = the default output; window = the owner window's handle, unused here.
    virtual bool init(std::int32_t device, std::uint32_t freq, std::uint32_t flags, std::intptr_t window) = 0;
    virtual bool start() = 0;
    virtual std::uint32_t version() = 0;
    virtual int errorCode() = 0;

    // device -1 = the default recording input.
    virtual bool recordInit(std::int32_t device) = 0;
    // Nothing past the last input.
    virtual std::optional<std::string> recordInputName(std::int32_t input) = 0;
    // The input's flags (kInputOff when switched off) and volume 0..1; kNoInput when it does not exist.
    virtual std::uint32_t recordGetInput(std::int32_t input, float& volume) = 0;
    virtual bool recordSetInput(std::int32_t input, std::uint32_t flags, float volume) = 0;

    // 0 on failure.
    virtual Handle recordStart(std::uint32_t freq, std::uint32_t channels, std::uint32_t flags,
                               RecordProc proc, void* user) = 0;
    virtual std::uint32_t channelIsActive(Handle channel) = 0;
    // Fills kFftBins floats for kDataFft2048 | kFftNoWindow; returns the bytes written or -1.
    virtual std::int32_t channelGetData(Handle channel, float* buffer, std::uint32_t request) = 0;
    virtual bool channelStop(Handle channel) = 0;
};

// The process-wide backend: the installed one, else the platform's default made on first use.
Backend& backend();
void setBackend(Backend* backend);

class ScopedBackend {
  public:
    explicit ScopedBackend(Backend& b);
    ~ScopedBackend();
    ScopedBackend(const ScopedBackend&) = delete;
    ScopedBackend& operator=(const ScopedBackend&) = delete;

  private:
    Backend* previous_;
};

}  // namespace lr::audio
