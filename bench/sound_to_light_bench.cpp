// Sound to light in the real lumenrig: a WAV of clicks at known times is its sound, a pty its port, and
// a scheme lights channel A while the click's tone is in the spectrum. Reported: the delay from each
// click's playback time to its "A8" on the line, as p50 and p95 in milliseconds.
// Playback starts with the recording, which the organ's start follows at once with its channel reset;
// the reset's arrival on the line is taken for the playback's start.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "../tests/app/program_child.h"
#include "../tests/organ/synth_track.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kRate = lr::audio::kSynthRate;
constexpr double kFirstClick = 1.0;  // seconds into the track
// Not a whole number of organ ticks: the clicks fall at every phase of the 50 ms tick.
constexpr double kClickEvery = 0.50125;
constexpr double kClickLength = 0.06;
constexpr int kClicks = 40;
// On FFT bin 4, which the scheme's band list makes band 4.
const double kToneHz = 4 * kRate / 2048.0;

std::vector<std::int16_t> clickTrack() {
    const double seconds = kFirstClick + kClicks * kClickEvery + 1.0;
    std::vector<std::int16_t> samples(static_cast<std::size_t>(seconds * kRate), 0);
    for (int k = 0; k < kClicks; ++k) {
        const auto first = static_cast<std::size_t>((kFirstClick + k * kClickEvery) * kRate);
        const auto length = static_cast<std::size_t>(kClickLength * kRate);
        for (std::size_t n = 0; n < length; ++n)
            samples[first + n] = static_cast<std::int16_t>(
                16000 * std::sin(2 * std::numbers::pi * kToneHz * static_cast<double>(n) / kRate));
    }
    return samples;
}

constexpr std::string_view kScheme =
    "[init]\r\nstrfreq=1;2;3;4;5;6;7;8;9;10;11;12;13;14;\r\n[calculation]\r\nA=({band_4}>0.1)*8\r\n";
constexpr std::string_view kReset = "A0B0C0D0E0F0G0H0I0J0K0L0";

// The line as it came within `seconds`, with the moment each byte arrived.
struct Heard {
    std::string line;
    std::vector<Clock::time_point> at;
};

Heard listen(ptytest::PtyPair& pty, double seconds) {
    Heard heard;
    const auto until = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < until) {
        // One byte at a time: the read returns the moment it comes. Until the program opens its end
        // the read gives up at once.
        const std::string got = pty.read(1, 20);
        if (got.empty()) {
            ptytest::PtyPair::pause();
            continue;
        }
        heard.line += got;
        heard.at.push_back(Clock::now());
    }
    return heard;
}

// The delay of each lit command after the reset, in ms, paired with the clicks in order.
std::vector<double> delays(const Heard& heard) {
    std::vector<double> found;
    const std::size_t reset = heard.line.find(kReset);
    if (reset == std::string::npos) return found;
    const auto start = heard.at[reset + kReset.size() - 1];
    std::size_t at = reset + kReset.size();
    for (int k = 0; k < kClicks; ++k) {
        at = heard.line.find("A8", at);
        if (at == std::string::npos) break;
        const auto played = start + std::chrono::duration<double>(kFirstClick + k * kClickEvery);
        found.push_back(std::chrono::duration<double, std::milli>(heard.at[at + 1] - played).count());
        at += 2;
    }
    return found;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(std::ceil(p * static_cast<double>(values.size()))) - 1;
    return values[std::min(index, values.size() - 1)];
}

void BM_ClickToCommand(benchmark::State& state) {
    for (auto _ : state) {
        ptytest::PtyPair pty;
        TempFolder folder("lumenrig-bench");
        const std::string program = programtest::installProgram(folder);
        std::filesystem::create_directory(folder.path() / "schemes");
        programtest::writeFile(folder, "schemes/Click.lsc", std::string(kScheme));
        programtest::writeFile(
            folder, "lumenrig.ini",
            "[init]\r\nserial_devices=" + pty.slavePath() +
                "\r\n\xE0uto_com=1\r\ncur_com=1\r\n\xE0uto_music=1\r\n[scheme]\r\nscheme=Click\r\n");
        const std::string track = folder.file("clicks.wav");
        writeTrack(clickTrack(), track);
        programtest::Child child(program, {"--headless", "--audio", "wav:" + track}, folder.path());
        // The organ starts 2 s after the program.
        const Heard heard = listen(pty, 3.0 + kFirstClick + kClicks * kClickEvery);
        child.terminate();
        const std::vector<double> found = delays(heard);
        if (found.empty()) {
            state.SkipWithError("no click reached the line");
            return;
        }
        state.counters["clicks"] = static_cast<double>(kClicks);
        state.counters["lit"] = static_cast<double>(found.size());
        state.counters["p50_ms"] = percentile(found, 0.50);
        state.counters["p95_ms"] = percentile(found, 0.95);
        state.counters["max_ms"] = percentile(found, 1.0);
    }
}
BENCHMARK(BM_ClickToCommand)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
