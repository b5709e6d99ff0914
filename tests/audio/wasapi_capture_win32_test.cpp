// Real WASAPI capture. Runs where the system has audio devices; the build's ctest entry
// "audio_wasapi_pulse" gives Wine a private PulseAudio server with a null output, so "What you hear"
// records a tone that this test plays through WASAPI into the default output.
#include <gtest/gtest.h>

#include <audioclient.h>
#include <mmdeviceapi.h>
#include <windows.h>
#include <wrl/client.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>

#include "audio/engine.h"
#include "audio/registry.h"
#include "audio/wasapi_capture_win32.h"
#include "wait_for.h"

using namespace lr::audio;
using Microsoft::WRL::ComPtr;
using namespace std::chrono_literals;

namespace {

constexpr double kBin100Hz = 100.0 * 44100 / 2048;

// Plays a float sine on the default output from a thread of its own until destroyed.
class WasapiTone {
  public:
    WasapiTone(double hz, float amplitude)
        : thread_([=, this](std::stop_token stop) { play(stop, hz, amplitude); }) {}
    bool failed() const { return failed_.load(); }

  private:
    void play(const std::stop_token& stop, double hz, float amplitude) {
        const wasapi::ComScope com;
        ComPtr<IMMDeviceEnumerator> devices;
        ComPtr<IMMDevice> output;
        ComPtr<IAudioClient> client;
        ComPtr<IAudioRenderClient> render;
        WAVEFORMATEX* mix = nullptr;
        const bool ready =
            SUCCEEDED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                                       IID_PPV_ARGS(&devices))) &&
            SUCCEEDED(devices->GetDefaultAudioEndpoint(eRender, eConsole, &output)) &&
            SUCCEEDED(output->Activate(__uuidof(IAudioClient), CLSCTX_ALL, nullptr,
                                       reinterpret_cast<void**>(client.GetAddressOf()))) &&
            SUCCEEDED(client->GetMixFormat(&mix)) && mix->wBitsPerSample == 32 &&
            SUCCEEDED(client->Initialize(AUDCLNT_SHAREMODE_SHARED, 0, 2000000, 0, mix, nullptr)) &&
            SUCCEEDED(client->GetService(IID_PPV_ARGS(&render))) && SUCCEEDED(client->Start());
        if (!ready) {
            failed_.store(true);
            CoTaskMemFree(mix);
            return;
        }
        UINT32 size = 0;
        client->GetBufferSize(&size);
        for (std::uint64_t n = 0; !stop.stop_requested(); std::this_thread::sleep_for(5ms)) {
            UINT32 padding = 0;
            BYTE* data = nullptr;
            client->GetCurrentPadding(&padding);
            if (padding >= size || FAILED(render->GetBuffer(size - padding, &data))) continue;
            auto* out = reinterpret_cast<float*>(data);
            for (UINT32 f = 0; f < size - padding; ++f, ++n) {
                const double t = static_cast<double>(n) / mix->nSamplesPerSec;
                for (WORD c = 0; c < mix->nChannels; ++c)
                    *out++ = amplitude * static_cast<float>(std::sin(2 * std::numbers::pi * hz * t));
            }
            render->ReleaseBuffer(size - padding, 0);
        }
        client->Stop();
        CoTaskMemFree(mix);
    }
    std::atomic<bool> failed_{false};
    std::jthread thread_;
};

bool underWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

}  // namespace

class WasapiCapture : public testing::Test {
  protected:
    void SetUp() override {
        if (makePlatformDriver({})->inputs().empty()) GTEST_SKIP() << "no audio device";
    }
    void open(Engine& engine) {
        ASSERT_TRUE(engine.init(-1, 44100, 0, 0)) << engine.message();
        ASSERT_TRUE(engine.recordInit(-1)) << engine.message();
    }
    // Plays the tone on the default output until bin 100 of the recording rises.
    void expectTone(Engine& engine, Handle h) {
        std::vector<float> s(kFftBins);
        auto read = [&] {
            engine.channelGetData(h, s.data(), kDataFft2048 | kFftNoWindow);
            return s[100];
        };
        WasapiTone tone(kBin100Hz, 0.5f);
        const bool heard = within(10s, [&] { return read() > 0.4f || tone.failed(); });
        ASSERT_FALSE(tone.failed()) << "the tone could not be played";
        ASSERT_TRUE(heard) << "bin 100 never rose";
        EXPECT_NEAR(s[100], 0.5f, 0.05f);
        EXPECT_EQ(std::max_element(s.begin(), s.end()) - s.begin(), 100);
        EXPECT_EQ(engine.channelIsActive(h), kActive);
    }
};

// The private server's output is "Tone"; its monitor is a capture endpoint.
TEST_F(WasapiCapture, CaptureEndpointRecordsWhatIsPlayed) {
    if (!underWine()) GTEST_SKIP() << "needs the private PulseAudio server under Wine";
    Engine engine(makePlatformDriver("Monitor of Tone"));
    open(engine);
    const Handle h = engine.recordStart(44100, 1, 0, nullptr, nullptr);
    ASSERT_NE(h, 0u) << engine.message();
    expectTone(engine, h);
}

// Wine has no loopback capture: there the start fails cleanly.
TEST_F(WasapiCapture, WhatYouHearRecordsTheDefaultOutput) {
    Engine engine(makePlatformDriver("What you hear"));
    open(engine);
    const Handle h = engine.recordStart(44100, 1, 0, nullptr, nullptr);
    if (underWine()) {
        EXPECT_EQ(h, 0u);
        EXPECT_EQ(engine.errorCode(), code::Device);
        EXPECT_NE(engine.message().find("cannot record"), std::string::npos) << engine.message();
        EXPECT_EQ(engine.channelIsActive(h), kStopped);
        return;
    }
    ASSERT_NE(h, 0u) << engine.message();
    expectTone(engine, h);
}
