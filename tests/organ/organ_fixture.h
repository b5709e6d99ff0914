#pragma once
// The colour organ engine on the virtual clock, recording from a synth signal that each tick pumps
// by 50 ms, with scheme files in a folder of its own.
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "audio/engine.h"
#include "audio/synth.h"
#include "headless_fixture.h"
#include "organ/engine.h"
#include "recorder.h"
#include "runtime/globals.h"
#include "temp_folder.h"

inline constexpr std::size_t kFramesPerTick = 2205;  // 50 ms at 44100 Hz

// The frequency of the centre of spectrum bin k.
inline std::string sineOnBin(int bin, double amplitude) {
    return "sine:" + std::to_string(bin * 44100.0 / 2048.0) + ":" + std::to_string(amplitude);
}

class OrganTest : public HeadlessTest {
  protected:
    ~OrganTest() override {
        engine.reset();
        backend.reset();
    }

    // Builds the engine over the given synth signal, its outputs recorded.
    void build(const std::string& signal = "silence") {
        engine.reset();
        backend.reset();
        std::string error;
        auto driver = lr::audio::makeSynthDriver(signal, error, lr::audio::Pacing::Manual);
        ASSERT_TRUE(driver) << error;
        synth = driver.get();
        audio = std::make_unique<lr::audio::Engine>(std::move(driver));
        backend.emplace(*audio);
        engine = std::make_unique<lr::TClassChildGroupBox_1EFA730>(nullptr, nullptr);
        engine->onChannel = channels.point();
        engine->onRunning = running.point();
        engine->onReady = ready.point();
        engine->onRunEnabled = runEnabled.point();
        engine->onMusic = music.point();
    }

    // A scheme file from ini lines written with "\n"; stored with CRLF line ends.
    std::string scheme(const std::string& name, const std::string& text) {
        std::string crlf;
        for (char c : text) {
            if (c == '\n') crlf += '\r';
            crlf += c;
        }
        const std::string path = (folder / (name + ".lsc")).string();
        std::ofstream(path, std::ios::binary) << crlf;
        return path;
    }

    void load(const std::string& path) {
        lr::TData d = lr::makeString(path);
        engine->doLoadScheme(d);
    }
    void runStop(lr::TData d) { engine->doRunStop(d); }
    void run() { runStop(lr::makeInteger(1)); }
    void stop() { runStop(lr::makeInteger(0)); }
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            synth->pump(kFramesPerTick);
            loop.advance(lr::kOrganTickMs);
        }
    }
    static const lr::TData& shared(std::string_view name) { return lr::globalVar(name); }

    TempFolder temp{"lumenrig-organ"};
    const std::filesystem::path& folder = temp.path();
    lr::audio::GeneratedDriver* synth = nullptr;
    std::unique_ptr<lr::audio::Engine> audio;
    std::optional<lr::audio::ScopedBackend> backend;
    std::unique_ptr<lr::TClassChildGroupBox_1EFA730> engine;
    Recorder channels, running, ready, runEnabled, music;
};
