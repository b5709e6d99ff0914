// Costs of the colour organ: one full tick (two spectra, 28 formulas, change filters), and rendering a
// three-minute track offline, reported as times real time.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "audio/engine.h"
#include "audio/synth.h"
#include "organ/engine.h"
#include "organ/render.h"
#include "organ/synth_track.h"
#include "runtime/globals.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/recorded_message_boxes.h"
#include "ui/headless/virtual_loop.h"

namespace {

constexpr std::size_t kFramesPerTick = 2205;
constexpr double kTrackSeconds = 180.0;

// Every formula of a scheme in use: twelve band peaks, twelve levels, four envelopes.
std::string fullScheme() {
    std::string text =
        "[init]\r\nstrfreq=2;3;5;8;12;18;27;40;60;90;140;220;350;560;\r\nstrfreq_beat=2;5;\r\n[calculation]"
        "\r\n";
    for (char c = 'A'; c <= 'L'; ++c) {
        const std::string letter(1, c);
        const std::string band = "{band_" + std::to_string(c - 'A' + 1) + "}";
        text.append("x").append(letter).append("=max(").append(band).append(",{x").append(letter);
        text.append("}*0.97,0.004)\r\n");
        text.append(letter).append("=max(").append(band).append("/{x").append(letter).append(
            "}*({bar_act}+4),{");
        text.append(letter).append("}*0.8-0.4)\r\n");
    }
    text.append("xW={xW}*0.9+{band_over}*0.1\r\nxX=max({xW},{xX}*0.99,0.01)\r\nxY={count} mod 12\r\n");
    text.append("xZ=({rnd_cnl}<{xY}*30)\r\n");
    return text;
}

std::string tempFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void BM_OrganTick(benchmark::State& state) {
    ui::headless::VirtualLoop loop;
    ui::headless::RecordedMessageBoxes boxes;
    ui::headless::HeadlessPlatform platform(loop, boxes);
    const ui::ScopedPlatform platformScope(platform);
    lr::installDispatch();
    std::string error;
    auto driver = lr::audio::makeSynthDriver("noise", error, lr::audio::Pacing::Manual);
    lr::audio::GeneratedDriver& synth = *driver;
    lr::audio::Engine audio(std::move(driver));
    const lr::audio::ScopedBackend backend(audio);
    const std::string scheme = tempFile("lumenrig-bench.lsc");
    std::ofstream(scheme, std::ios::binary) << fullScheme();
    {
        lr::TClassChildGroupBox_1EFA730 engine(nullptr, nullptr);
        lr::TData path = lr::makeString(scheme);
        engine.doLoadScheme(path);
        lr::TData run = lr::makeInteger(1);
        engine.doRunStop(run);
        for (auto _ : state) {
            state.PauseTiming();
            synth.pump(kFramesPerTick);
            state.ResumeTiming();
            loop.advance(lr::kOrganTickMs);
        }
    }
    std::filesystem::remove(scheme);
    lr::resetGlobalVars();
    lr::uninstallDispatch();
}
BENCHMARK(BM_OrganTick)->Unit(benchmark::kMicrosecond);

void BM_RenderThreeMinutes(benchmark::State& state) {
    const std::string track = tempFile("lumenrig-bench-demo.wav");
    if (!writeSynthTrack("demo", kTrackSeconds, track)) {
        state.SkipWithError("cannot write the track");
        return;
    }
    lr::organ::RenderOptions options;
    options.scheme = std::string(LUMENRIG_SCHEMES_DIR) + "/Classic RGB.lsc";
    options.track = track;
    std::size_t commands = 0;
    lr::organ::RenderSink sink;
    sink.command = [&](std::uint64_t, std::string_view) { ++commands; };
    ui::headless::VirtualLoop loop;
    ui::headless::RecordedMessageBoxes boxes;
    ui::headless::HeadlessPlatform platform(loop, boxes);
    const lr::organ::RenderWorld world{platform, [&loop](std::uint32_t ms) { loop.advance(ms); }};
    for (auto _ : state) {
        std::string error;
        if (!lr::organ::render(options, sink, world, error)) state.SkipWithError(error.c_str());
    }
    state.counters["x_real_time"] =
        benchmark::Counter(kTrackSeconds, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["commands"] = static_cast<double>(commands) / static_cast<double>(state.iterations());
    std::filesystem::remove(track);
    lr::resetGlobalVars();
}
BENCHMARK(BM_RenderThreeMinutes)->Unit(benchmark::kMillisecond);

}  // namespace
