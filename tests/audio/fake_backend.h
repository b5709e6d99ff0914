#pragma once
// A backend for element tests: answers as told and logs every call, in order, beside the outputs
// that the elements fire (see Mark), so one list shows the whole sequence.
#include <array>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "audio/backend.h"
#include "runtime/element.h"
#include "runtime/point.h"

class FakeBackend : public lr::audio::Backend {
  public:
    struct Input {
        std::string name;
        float volume;
        std::uint32_t flags;
    };

    std::vector<std::string> log;
    bool initOk = true;
    bool recordInitOk = true;
    int error = 0;
    std::uint32_t versionWord = lr::audio::kVersion;
    std::vector<Input> inputs;
    lr::audio::Handle nextHandle = 1;  // 0: recordStart fails
    std::set<lr::audio::Handle> running;
    std::array<float, lr::audio::kFftBins> spectrum{};
    std::int32_t dataResult = 4096;
    lr::audio::RecordProc proc = nullptr;
    void* user = nullptr;

    bool init(std::int32_t device, std::uint32_t freq, std::uint32_t flags, std::intptr_t window) override {
        note("init(" + std::to_string(device) + "," + std::to_string(freq) + "," + std::to_string(flags) +
             "," + std::to_string(window) + ")");
        return initOk;
    }
    bool start() override {
        note("start()");
        return true;
    }
    std::uint32_t version() override {
        note("version()");
        return versionWord;
    }
    int errorCode() override {
        note("errorCode()");
        return error;
    }
    bool recordInit(std::int32_t device) override {
        note("recordInit(" + std::to_string(device) + ")");
        return recordInitOk;
    }
    std::optional<std::string> recordInputName(std::int32_t i) override {
        note("name(" + std::to_string(i) + ")");
        if (i < 0 || static_cast<std::size_t>(i) >= inputs.size()) return std::nullopt;
        return inputs[static_cast<std::size_t>(i)].name;
    }
    std::uint32_t recordGetInput(std::int32_t i, float& volume) override {
        note("getInput(" + std::to_string(i) + ")");
        volume = inputs.at(static_cast<std::size_t>(i)).volume;
        return inputs.at(static_cast<std::size_t>(i)).flags;
    }
    bool recordSetInput(std::int32_t i, std::uint32_t flags, float volume) override {
        char text[64];
        std::snprintf(text, sizeof text, "setInput(%d,0x%X,%g)", i, flags, static_cast<double>(volume));
        note(text);
        return true;
    }
    lr::audio::Handle recordStart(std::uint32_t freq, std::uint32_t channels, std::uint32_t flags,
                                  lr::audio::RecordProc p, void* u) override {
        note("recordStart(" + std::to_string(freq) + "," + std::to_string(channels) + "," +
             std::to_string(flags) + ")");
        proc = p;
        user = u;
        const lr::audio::Handle h = nextHandle;
        if (h != 0) {
            running.insert(h);
            ++nextHandle;
        }
        return h;
    }
    std::uint32_t channelIsActive(lr::audio::Handle h) override {
        note("isActive(" + std::to_string(h) + ")");
        return running.count(h) ? lr::audio::kActive : lr::audio::kStopped;
    }
    std::int32_t channelGetData(lr::audio::Handle h, float* buffer, std::uint32_t request) override {
        char text[64];
        std::snprintf(text, sizeof text, "getData(%u,0x%X)", h, request);
        note(text);
        std::copy(spectrum.begin(), spectrum.end(), buffer);
        return dataResult;
    }
    bool channelStop(lr::audio::Handle h) override {
        note("stop(" + std::to_string(h) + ")");
        return running.erase(h) > 0;
    }

    // Delivers a buffer as the capture thread would.
    bool deliver(const std::vector<std::uint8_t>& bytes, lr::audio::Handle h = 1) {
        return proc(h, bytes.data(), static_cast<std::uint32_t>(bytes.size()), user);
    }
    void note(const std::string& call) { log.push_back(call); }
};

// An element output that writes its name (and its data, when there is any) into the fake's log.
class Mark : public lr::Element {
  public:
    Mark(FakeBackend& fake, std::string name) : fake_(fake), name_(std::move(name)) {}
    void take(lr::TData& data) {
        fake_.note(lr::isNull(data) ? name_ : name_ + "(" + lr::toString(data) + ")");
    }
    lr::Point point() { return lr::bind<&Mark::take>(*this); }

  private:
    FakeBackend& fake_;
    std::string name_;
};
