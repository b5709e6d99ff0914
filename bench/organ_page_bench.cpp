// The colour organ page's three speed targets, on the headless backend with files on disk:
// - sound to light: a WAV of 100 clicks at known moments is fed in 10 ms blocks on the virtual clock; the
//   latency is the virtual time from a click's onset to its "A8" leaving the device link (p50/p95), and
//   step_us the real time this thread spent on the 10 ms step that sent it (block in, tick, command out);
// - scheme switch: a load by name of a shipped scheme while the organ runs;
// - refresh: relisting a schemes folder of 1,000 files.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "audio/engine.h"
#include "audio/synth.h"
#include "audio/wav_file.h"
#include "device/device_link.h"
#include "device/memory_line.h"
#include "device/serial_port.h"
#include "organ/engine.h"
#include "organ/scheme_list.h"
#include "organ/synth_track.h"
#include "organ/temp_folder.h"
#include "runtime/globals.h"
#include "settings/system.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/recorded_message_boxes.h"
#include "ui/headless/user.h"
#include "ui/headless/virtual_loop.h"

namespace {
namespace fs = std::filesystem;

constexpr std::uint32_t kBlockMs = 10;
constexpr std::size_t kBlockFrames = 441;
constexpr int kClicks = 100;
constexpr int kFirstClickMs = 1000;
constexpr int kClickSpacingMs = 400;
constexpr int kClickMs = 100;
// Band k is FFT bin k; a click is a burst on bin 4 that lights channel A.
constexpr const char* kClickScheme =
    "[init]\r\nstrfreq=1;2;3;4;5;6;7;8;9;10;11;12;13;14;\r\n[calculation]\r\nA=({band_4}>0.1)*8\r\n";

// The native system with the program's file placed in a folder of the benchmark's.
class ProgramFolderSystem : public settings::System {
  public:
    explicit ProgramFolderSystem(const fs::path& folder) : program_((folder / "lumenrig").string()) {}
    std::string windowsFolder() override { return native_.windowsFolder(); }
    std::string tempFolder() override { return native_.tempFolder(); }
    std::string systemFolder() override { return native_.systemFolder(); }
    std::string programFile() override { return program_; }
    std::optional<std::string> resourceText(std::string_view name) override {
        return native_.resourceText(name);
    }
    settings::FileRead readFile(std::string_view path, std::size_t limit) override {
        return native_.readFile(path, limit);
    }
    bool replaceFile(std::string_view path, std::string_view bytes) override {
        return native_.replaceFile(path, bytes);
    }
    bool deleteFile(std::string_view path) override { return native_.deleteFile(path); }
    bool fileExists(std::string_view path) override { return native_.fileExists(path); }
    std::vector<settings::FolderEntry> listFolder(std::string_view path) override {
        return native_.listFolder(path);
    }
    bool open(std::string_view, std::string_view, std::string_view) override { return false; }
    std::string currentFolder() override { return native_.currentFolder(); }
    bool setCurrentFolder(std::string_view) override { return false; }
    settings::Registry& registry() override { return native_.registry(); }

  private:
    settings::System& native_ = settings::nativeSystem();
    std::string program_;
};

// The headless platform on the virtual clock, and a program folder on disk with its schemes.
struct World {
    World() {
        lr::installDispatch();
        fs::create_directories(folder.path() / "schemes");
    }
    ~World() {
        lr::resetGlobalVars();
        lr::uninstallDispatch();
    }
    void putFile(const std::string& name, const std::string& text) const {
        std::ofstream(folder.file(name), std::ios::binary) << text;
    }

    ui::headless::VirtualLoop loop;
    ui::headless::RecordedMessageBoxes boxes;
    ui::headless::HeadlessPlatform platform{loop, boxes};
    ui::ScopedPlatform platformScope{platform};
    TempFolder folder{"lumenrig-organ-bench"};
    ProgramFolderSystem system{folder.path()};
    settings::ScopedSystem systemScope{system};
    std::unique_ptr<ui::Window> window =
        platform.headlessToolkit().createWindow({"Lumenrig", {0, 0, 541, 600}});
};

int clickOnsetMs(int k) {
    // Spread over the phases of the 50 ms tick.
    return kFirstClickMs + k * kClickSpacingMs + (k * 13) % 50;
}

std::vector<std::int16_t> clickTrack() {
    const double bin4Hz = 4 * 44100.0 / 2048.0;
    std::vector<std::int16_t> samples(static_cast<std::size_t>((clickOnsetMs(kClicks) + 500) * 44.1));
    for (int k = 0; k < kClicks; ++k) {
        const auto first = static_cast<std::size_t>(clickOnsetMs(k) * 44.1);
        for (std::size_t n = 0; n < static_cast<std::size_t>(kClickMs * 44.1); ++n)
            samples[first + n] = lr::audio::toSample16(static_cast<float>(
                0.5 * std::sin(2 * std::numbers::pi * bin4Hz * static_cast<double>(n) / 44100.0)));
    }
    return samples;
}

double percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

// Every "A8" that went to the port, with its virtual moment and the time of the step that sent it.
struct Lit {
    std::vector<std::uint64_t> ms;
    std::vector<double> stepUs;
};

class LitRecorder : public lr::TClassMultiBase {
  public:
    LitRecorder(const ui::Loop& loop, Lit& lit)
        : lr::TClassMultiBase(nullptr, nullptr), loop_(loop), lit_(lit) {}
    void command(lr::TData& data) {
        if (lr::toString(data) == "A8") lit_.ms.push_back(loop_.nowMs());
    }

  private:
    const ui::Loop& loop_;
    Lit& lit_;
};

void BM_SoundToLight(benchmark::State& state) {
    World world;
    lr::device::useSystemPorts(false);
    const auto line = lr::device::MemoryLine::create();
    const lr::device::VirtualPortBinding com5(5, line->factory());
    world.putFile("clicks.lsc", kClickScheme);
    const std::string track = world.folder.file("clicks.wav");
    if (!writeTrack(clickTrack(), track)) return state.SkipWithError("cannot write the track");
    std::string error;
    auto driver = lr::audio::makeWavDriver(track, error, lr::audio::Pacing::Manual);
    if (!driver) return state.SkipWithError(error.c_str());
    lr::audio::GeneratedDriver& wav = *driver;
    lr::audio::Engine audio(std::move(driver));
    const lr::audio::ScopedBackend backend(audio);
    Lit lit;
    std::vector<double> latencies;
    for (auto _ : state) {
        lr::DeviceLink link;
        LitRecorder recorder(world.loop, lit);
        link.setOnCommand(lr::bind<&LitRecorder::command>(recorder));
        lr::fireString(link.open(), "COM5");
        lr::TClassChildGroupBox_1EFA730 engine(nullptr, nullptr);
        engine.onChannel = link.command(1);
        lr::TData path = lr::makeString(world.folder.file("clicks.lsc"));
        engine.doLoadScheme(path);
        lr::TData run = lr::makeInteger(1);
        engine.doRunStop(run);
        const std::uint64_t start = world.loop.nowMs();
        for (int ms = 0; ms < clickOnsetMs(kClicks); ms += kBlockMs) {
            const std::size_t before = lit.ms.size();
            const auto t0 = std::chrono::steady_clock::now();
            wav.pump(kBlockFrames);
            world.loop.advance(kBlockMs);
            if (lit.ms.size() > before)
                lit.stepUs.push_back(
                    std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
        }
        for (int k = 0; k < kClicks; ++k) {
            const std::uint64_t onset = start + static_cast<std::uint64_t>(clickOnsetMs(k));
            const std::uint64_t next = start + static_cast<std::uint64_t>(clickOnsetMs(k + 1));
            const auto first = std::lower_bound(lit.ms.begin(), lit.ms.end(), onset);
            if (first != lit.ms.end() && *first < next)
                latencies.push_back(static_cast<double>(*first - onset));
        }
    }
    lr::device::useSystemPorts(true);
    state.counters["line_bytes"] = static_cast<double>(line->takeWritten().size());
    state.counters["clicks_lit"] =
        static_cast<double>(latencies.size()) / static_cast<double>(state.iterations());
    state.counters["p50_ms"] = percentile(latencies, 0.5);
    state.counters["p95_ms"] = percentile(latencies, 0.95);
    state.counters["step_p50_us"] = percentile(lit.stepUs, 0.5);
    state.counters["step_p95_us"] = percentile(lit.stepUs, 0.95);
}
BENCHMARK(BM_SoundToLight)->Unit(benchmark::kMillisecond)->Iterations(1);

// The scheme list over the engine, as the page wires them.
struct SchemeWorld : World {
    SchemeWorld() {
        schemes.setOnLoad(lr::bind<&lr::TClassChildGroupBox_1EFA730::doLoadScheme>(engine));
        putFile("lumenrig.ini", "");
    }
    std::string error;
    lr::audio::Engine audio{lr::audio::makeSynthDriver("silence", error, lr::audio::Pacing::Manual)};
    lr::audio::ScopedBackend backend{audio};
    lr::TClassChildGroupBox_1EFA730 engine{nullptr, nullptr};
    lr::OrganSchemeList schemes{window.get(), nullptr};
};

// The shipped schemes, listed, with the organ running.
struct ShippedSchemes : SchemeWorld {
    ShippedSchemes() {
        for (const auto& entry : fs::directory_iterator(LUMENRIG_SCHEMES_DIR))
            fs::copy_file(entry.path(), folder.path() / "schemes" / entry.path().filename());
        lr::TData refresh;
        schemes.doRefresh(refresh);
        lr::TData run = lr::makeInteger(1);
        engine.doRunStop(run);
    }
    const char* names[2] = {"Classic RGB", "Spectrum 12"};
};

// The load by name as a playlist step makes it: the engine's load, then the "scheme" key written.
void BM_SchemeSwitch(benchmark::State& state) {
    ShippedSchemes world;
    std::size_t k = 0;
    for (auto _ : state) {
        lr::TData name = lr::makeString(world.names[k++ % 2]);
        world.schemes.doLoadName(name);
    }
}
BENCHMARK(BM_SchemeSwitch)->Unit(benchmark::kMicrosecond);

// The engine's part of the switch alone: reading the scheme file and setting bars, formulas and bands.
void BM_SchemeLoad(benchmark::State& state) {
    ShippedSchemes world;
    std::size_t k = 0;
    for (auto _ : state) {
        lr::TData path =
            lr::makeString(world.folder.file(std::string("schemes/") + world.names[k++ % 2] + ".lsc"));
        world.engine.doLoadScheme(path);
    }
}
BENCHMARK(BM_SchemeLoad)->Unit(benchmark::kMicrosecond);

void BM_RefreshThousandSchemes(benchmark::State& state) {
    SchemeWorld world;
    for (int k = 0; k < 1000; ++k)
        world.putFile("schemes/Scheme " + std::to_string(k) + ".lsc", kClickScheme);
    for (auto _ : state) {
        lr::TData refresh;
        world.schemes.doRefresh(refresh);
    }
    const auto* list = ui::headless::findAnywhere(world.platform.headlessToolkit(),
                                                  ui::headless::byHint("Choice of the Scheme"));
    state.counters["listed"] = list ? static_cast<double>(list->items().size()) : 0.0;
}
BENCHMARK(BM_RefreshThousandSchemes)->Unit(benchmark::kMillisecond);

}  // namespace
