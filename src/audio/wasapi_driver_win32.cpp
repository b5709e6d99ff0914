// The WASAPI driver: every active capture endpoint is an input with the endpoint's volume and mute,
// and "What you hear" records the default output by loopback, with a volume and switch of its own.
#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <propsys.h>
#include <windows.h>
#include <wrl/client.h>

#include <algorithm>
#include <atomic>

#include "audio/registry.h"
#include "audio/wasapi_capture_win32.h"

namespace lr::audio {

namespace {

using Microsoft::WRL::ComPtr;
using wasapi::ComScope;
using wasapi::Endpoint;

constexpr const char* kWhatYouHear = "What you hear";
const PROPERTYKEY kFriendlyName = {
    {0xa45c254e, 0xdf1c, 0x4efd, {0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8, 0x50, 0xe0}}, 14};

std::string toCodePage1251(const wchar_t* text) {
    const int size = WideCharToMultiByte(1251, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(1251, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back();
    return out;
}

std::wstring idOf(IMMDevice& device) {
    LPWSTR id = nullptr;
    if (FAILED(device.GetId(&id))) return {};
    std::wstring out(id);
    CoTaskMemFree(id);
    return out;
}

std::string nameOf(IMMDevice& device) {
    ComPtr<IPropertyStore> store;
    PROPVARIANT value;
    PropVariantInit(&value);
    std::string name = "Recording device";
    if (SUCCEEDED(device.OpenPropertyStore(STGM_READ, &store)) &&
        SUCCEEDED(store->GetValue(kFriendlyName, &value)) && value.vt == VT_LPWSTR)
        name = toCodePage1251(value.pwszVal);
    PropVariantClear(&value);
    return name;
}

ComPtr<IAudioEndpointVolume> volumeOf(IMMDevice& device) {
    ComPtr<IAudioEndpointVolume> volume;
    device.Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr,
                    reinterpret_cast<void**>(volume.GetAddressOf()));
    return volume;
}

struct Listed {
    Endpoint endpoint;
    InputInfo info;
};

class WasapiDriver : public Driver {
  public:
    explicit WasapiDriver(std::string preferredInput) : preferredInput_(std::move(preferredInput)) {}

    bool connect(std::string& error) override {
        if (!inputs().empty()) return true;
        error = "no audio device";
        return false;
    }

    std::vector<InputInfo> inputs() override {
        const ComScope com;
        listed_.clear();
        ComPtr<IMMDeviceEnumerator> devices = enumerator();
        if (!devices) return {};
        addCaptureEndpoints(*devices.Get());
        addLoopback(*devices.Get());
        std::vector<InputInfo> list;
        for (const Listed& l : listed_)
            list.push_back(l.info);
        return list;
    }

    bool setInput(std::size_t input, bool enabled, float volume) override {
        if (input >= listed_.size()) return false;
        if (listed_[input].endpoint.loopback) {
            loopbackEnabled_.store(enabled);
            loopbackVolume_.store(volume);
            return true;
        }
        const ComScope com;
        ComPtr<IMMDeviceEnumerator> devices = enumerator();
        ComPtr<IMMDevice> device;
        if (!devices || FAILED(devices->GetDevice(listed_[input].endpoint.id.c_str(), &device))) return false;
        ComPtr<IAudioEndpointVolume> control = volumeOf(*device.Get());
        return control && SUCCEEDED(control->SetMasterVolumeLevelScalar(volume, nullptr)) &&
               SUCCEEDED(control->SetMute(enabled ? FALSE : TRUE, nullptr));
    }

    // The preferred input by name, else the default capture endpoint, else "What you hear".
    std::optional<std::size_t> defaultInput() override {
        inputs();
        if (!preferredInput_.empty())
            return find([&](const Listed& l) { return l.info.name == preferredInput_; });
        const ComScope com;
        ComPtr<IMMDeviceEnumerator> devices = enumerator();
        ComPtr<IMMDevice> device;
        if (devices && SUCCEEDED(devices->GetDefaultAudioEndpoint(eCapture, eConsole, &device))) {
            const std::wstring id = idOf(*device.Get());
            if (auto index =
                    find([&](const Listed& l) { return !l.endpoint.loopback && l.endpoint.id == id; }))
                return index;
        }
        return find([](const Listed& l) { return l.endpoint.loopback; });
    }

    std::unique_ptr<Capture> capture(std::size_t input, CaptureSink& sink, std::string& error) override {
        if (input >= listed_.size()) {
            error = "no such input";
            return nullptr;
        }
        const Endpoint& endpoint = listed_[input].endpoint;
        std::function<float()> gain = [] { return 1.0f; };
        if (endpoint.loopback)
            gain = [this] { return loopbackEnabled_.load() ? loopbackVolume_.load() : 0.0f; };
        return wasapi::openCapture(endpoint, std::move(gain), sink, error);
    }

  private:
    static ComPtr<IMMDeviceEnumerator> enumerator() {
        ComPtr<IMMDeviceEnumerator> devices;
        CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, IID_PPV_ARGS(&devices));
        return devices;
    }

    void addCaptureEndpoints(IMMDeviceEnumerator& devices) {
        ComPtr<IMMDeviceCollection> collection;
        UINT count = 0;
        if (FAILED(devices.EnumAudioEndpoints(eCapture, DEVICE_STATE_ACTIVE, &collection)) ||
            FAILED(collection->GetCount(&count)))
            return;
        for (UINT i = 0; i < count; ++i) {
            ComPtr<IMMDevice> device;
            if (FAILED(collection->Item(i, &device))) continue;
            InputInfo info{nameOf(*device.Get()), 1.0f, true};
            if (ComPtr<IAudioEndpointVolume> control = volumeOf(*device.Get())) {
                BOOL muted = FALSE;
                control->GetMasterVolumeLevelScalar(&info.volume);
                control->GetMute(&muted);
                info.enabled = !muted;
            }
            listed_.push_back({Endpoint{idOf(*device.Get()), false}, info});
        }
    }

    void addLoopback(IMMDeviceEnumerator& devices) {
        ComPtr<IMMDevice> output;
        if (FAILED(devices.GetDefaultAudioEndpoint(eRender, eConsole, &output))) return;
        listed_.push_back({Endpoint{idOf(*output.Get()), true},
                           InputInfo{kWhatYouHear, loopbackVolume_.load(), loopbackEnabled_.load()}});
    }

    template <class Match>
    std::optional<std::size_t> find(Match match) const {
        const auto it = std::find_if(listed_.begin(), listed_.end(), match);
        if (it == listed_.end()) return std::nullopt;
        return static_cast<std::size_t>(it - listed_.begin());
    }

    std::string preferredInput_;
    std::vector<Listed> listed_;  // as of the last inputs()
    std::atomic<float> loopbackVolume_{1.0f};
    std::atomic<bool> loopbackEnabled_{true};
};

}  // namespace

std::string_view platformDriverName() {
    return "wasapi";
}

std::unique_ptr<Driver> makePlatformDriver(std::string preferredInput) {
    return std::make_unique<WasapiDriver>(std::move(preferredInput));
}

}  // namespace lr::audio
