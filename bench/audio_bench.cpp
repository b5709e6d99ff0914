// Costs of the audio path: the 2048-point FFT, one doFFT of the spectrum element with 13 ranges, and
// the way from a captured block to a spectrum that includes it.
#include <benchmark/benchmark.h>

#include <random>

#include "audio/engine.h"
#include "audio/fft.h"
#include "audio/record_elements.h"
#include "audio/spectrum_element.h"
#include "audio/synth.h"

namespace {

constexpr const char* kThirteenRanges = "1;2;3;5;8;12;18;27;40;60;90;135;200;300;";

struct Sink : lr::Element {
    double sum = 0;
    void take(lr::TData& d) { sum += d.realValue; }
};

// A running synth channel that has recorded one full window. Silence costs next to nothing to make,
// so the figures are those of the engine.
struct Recording {
    explicit Recording(const char* signal = "silence") {
        std::string error;
        auto driver = lr::audio::makeSynthDriver(signal, error, lr::audio::Pacing::Manual);
        synth = driver.get();
        engine = std::make_unique<lr::audio::Engine>(std::move(driver));
        engine->init(-1, 44100, 0, 0);
        engine->recordInit(-1);
        handle = engine->recordStart(44100, 1, 0, nullptr, nullptr);
        synth->pump(lr::audio::kFftSize);
    }
    lr::audio::GeneratedDriver* synth;
    std::unique_ptr<lr::audio::Engine> engine;
    lr::audio::Handle handle;
};

void BM_Fft2048(benchmark::State& state) {
    std::mt19937 gen(1);
    std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
    std::vector<float> in(2048), out(1024);
    for (float& v : in)
        v = dist(gen);
    lr::audio::RealFft fft(2048);
    for (auto _ : state) {
        fft.magnitudes(in, out);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_Fft2048);

// Is-active, the spectrum of the last 2048 samples, 13 sums and 26 events.
void BM_DoFftThirteenRanges(benchmark::State& state) {
    lr::installDispatch();
    Recording recording("demo");
    lr::audio::ScopedBackend use(*recording.engine);
    lr::THIBASS_FFT_2048_Vis bands;
    Sink sink;
    bands.Handle = &recording.handle;
    bands.onValue = lr::bind<&Sink::take>(sink);
    lr::TData list = lr::makeString(kThirteenRanges);
    bands.doInit(list);
    lr::TData none;
    for (auto _ : state)
        bands.doFFT(none);
    benchmark::DoNotOptimize(sink.sum);
}
BENCHMARK(BM_DoFftThirteenRanges);

// One 10 ms block from the synth through conversion, the recording callback and the sample ring,
// then the spectrum that includes it.
void BM_CaptureBlockToSpectrum(benchmark::State& state) {
    Recording recording;
    std::vector<float> spectrum(lr::audio::kFftBins);
    for (auto _ : state) {
        recording.synth->pump(441);
        recording.engine->channelGetData(recording.handle, spectrum.data(),
                                         lr::audio::kDataFft2048 | lr::audio::kFftNoWindow);
    }
    benchmark::DoNotOptimize(spectrum.data());
}
BENCHMARK(BM_CaptureBlockToSpectrum);

// The capture side alone: what the capture thread spends per 10 ms block.
void BM_CaptureBlock(benchmark::State& state) {
    Recording recording;
    for (auto _ : state)
        recording.synth->pump(441);
}
BENCHMARK(BM_CaptureBlock);

}  // namespace
