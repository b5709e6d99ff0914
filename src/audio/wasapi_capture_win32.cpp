#include "audio/wasapi_capture_win32.h"

#include <audioclient.h>
#include <mmdeviceapi.h>
#include <objbase.h>
#include <windows.h>
#include <wrl/client.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "audio/retry.h"

namespace lr::audio::wasapi {

using Microsoft::WRL::ComPtr;

ComScope::ComScope() : owned_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
ComScope::~ComScope() {
    if (owned_) CoUninitialize();
}

namespace {

constexpr REFERENCE_TIME kBufferDuration = 2000000;  // 200 ms in 100 ns units
constexpr std::chrono::milliseconds kPoll{10};

enum class Encoding { Float32, Int16, Int24, Int32, Unsupported };

Encoding encodingOf(const WAVEFORMATEX& f) {
    WORD tag = f.wFormatTag;
    if (tag == WAVE_FORMAT_EXTENSIBLE && f.cbSize >= 22)
        tag = static_cast<WORD>(reinterpret_cast<const WAVEFORMATEXTENSIBLE&>(f).SubFormat.Data1);
    if (tag == WAVE_FORMAT_IEEE_FLOAT && f.wBitsPerSample == 32) return Encoding::Float32;
    if (tag != WAVE_FORMAT_PCM) return Encoding::Unsupported;
    switch (f.wBitsPerSample) {
        case 16:
            return Encoding::Int16;
        case 24:
            return Encoding::Int24;
        case 32:
            return Encoding::Int32;
        default:
            return Encoding::Unsupported;
    }
}

float sampleAt(const BYTE* p, Encoding e) {
    switch (e) {
        case Encoding::Float32: {
            float v;
            std::memcpy(&v, p, 4);
            return v;
        }
        case Encoding::Int16:
            return static_cast<float>(static_cast<std::int16_t>(p[0] | p[1] << 8)) / 32768.0f;
        case Encoding::Int24:
            return static_cast<float>(static_cast<std::int32_t>(
                       static_cast<std::uint32_t>(p[0] << 8 | p[1] << 16 | p[2] << 24))) /
                   2147483648.0f;
        case Encoding::Int32: {
            std::int32_t v;
            std::memcpy(&v, p, 4);
            return static_cast<float>(v) / 2147483648.0f;
        }
        default:
            return 0.0f;
    }
}

std::string describe(const char* what, HRESULT hr) {
    char text[96];
    std::snprintf(text, sizeof text, "%s (0x%08lX)", what, static_cast<unsigned long>(hr));
    return text;
}

class WasapiCapture : public Capture {
  public:
    WasapiCapture(Endpoint endpoint, std::function<float()> gain, CaptureSink& sink)
        : endpoint_(std::move(endpoint)), gain_(std::move(gain)), sink_(sink) {}

    std::string start() {
        std::future<std::string> opened = openedPromise_.get_future();
        thread_ = std::jthread([this](std::stop_token stop) { run(stop); });
        return opened.get();
    }

  private:
    // COM objects live and die on this thread, inside its COM scope.
    struct Stream {
        ComPtr<IAudioClient> client;
        ComPtr<IAudioCaptureClient> capture;
    };

    void run(const std::stop_token& stop) {
        const ComScope com;
        Stream stream;
        const std::string error = open(stream);
        openedPromise_.set_value(error);
        if (!error.empty()) return;
        record(stream, stop);
    }

    // A device that goes away (unplugged, its driver restarted) is opened again until it is back;
    // meanwhile the sink hears of the interruption.
    void record(Stream& stream, const std::stop_token& stop) {
        std::mutex mutex;
        std::condition_variable_any wake;
        std::unique_lock lock(mutex);
        bool live = true;
        unsigned failures = 0;
        stream.client->Start();
        while (!wake.wait_for(lock, stop, live ? kPoll : retryPause(failures), [] { return false; }) &&
               !stop.stop_requested()) {
            if (!live) {
                live = reopen(stream);
                failures = live ? 0 : failures + 1;
            } else if (!drain(*stream.capture.Get())) {
                sink_.interrupted();
                stream = {};
                live = false;
            }
        }
        if (live) stream.client->Stop();
    }

    bool reopen(Stream& stream) {
        if (!open(stream).empty()) {
            stream = {};
            return false;
        }
        stream.client->Start();
        return true;
    }

    std::string open(Stream& stream) {
        ComPtr<IMMDeviceEnumerator> devices;
        ComPtr<IMMDevice> device;
        HRESULT hr =
            CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, IID_PPV_ARGS(&devices));
        if (SUCCEEDED(hr)) hr = devices->GetDevice(endpoint_.id.c_str(), &device);
        if (FAILED(hr)) return describe("the audio device is not available", hr);
        IAudioClient* client = nullptr;
        hr = device->Activate(__uuidof(IAudioClient), CLSCTX_ALL, nullptr, reinterpret_cast<void**>(&client));
        stream.client.Attach(client);
        WAVEFORMATEX* mix = nullptr;
        if (SUCCEEDED(hr)) hr = client->GetMixFormat(&mix);
        if (FAILED(hr)) return describe("the audio device cannot record", hr);
        format_ = {mix->nSamplesPerSec, mix->nChannels};
        encoding_ = encodingOf(*mix);
        bytesPerSample_ = mix->wBitsPerSample / 8u;
        hr = client->Initialize(AUDCLNT_SHAREMODE_SHARED,
                                endpoint_.loopback ? AUDCLNT_STREAMFLAGS_LOOPBACK : 0, kBufferDuration, 0,
                                mix, nullptr);
        CoTaskMemFree(mix);
        if (encoding_ == Encoding::Unsupported) return "the audio device's sample format is not supported";
        if (SUCCEEDED(hr)) hr = client->GetService(IID_PPV_ARGS(&stream.capture));
        return FAILED(hr) ? describe("the audio device cannot record", hr) : std::string();
    }

    // Hands every waiting packet to the sink; false when the device has gone.
    bool drain(IAudioCaptureClient& capture) {
        UINT32 packet = 0;
        while (true) {
            if (FAILED(capture.GetNextPacketSize(&packet))) return false;
            if (packet == 0) return true;
            BYTE* data = nullptr;
            UINT32 frames = 0;
            DWORD flags = 0;
            if (FAILED(capture.GetBuffer(&data, &frames, &flags, nullptr, nullptr))) return false;
            deliver(data, frames, (flags & AUDCLNT_BUFFERFLAGS_SILENT) != 0);
            capture.ReleaseBuffer(frames);
        }
    }

    void deliver(const BYTE* data, UINT32 frames, bool silent) {
        const float gain = gain_();
        scratch_.resize(static_cast<std::size_t>(frames) * format_.channels);
        for (std::size_t i = 0; i < scratch_.size(); ++i)
            scratch_[i] = silent ? 0.0f : gain * sampleAt(data + i * bytesPerSample_, encoding_);
        sink_.frames(scratch_, format_);
    }

    Endpoint endpoint_;
    std::function<float()> gain_;
    CaptureSink& sink_;
    SampleFormat format_;
    Encoding encoding_ = Encoding::Unsupported;
    std::size_t bytesPerSample_ = 4;
    std::vector<float> scratch_;
    std::promise<std::string> openedPromise_;
    std::jthread thread_;  // last: stopped and joined before the rest goes
};

}  // namespace

std::unique_ptr<Capture> openCapture(const Endpoint& endpoint, std::function<float()> gain, CaptureSink& sink,
                                     std::string& error) {
    auto capture = std::make_unique<WasapiCapture>(endpoint, std::move(gain), sink);
    error = capture->start();
    if (!error.empty()) return nullptr;
    return capture;
}

}  // namespace lr::audio::wasapi
