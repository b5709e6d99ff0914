// One sampling pass (four regions of layout 0: copy, mean, pixel) at 1920 x 1080 and 3840 x 2160, on
// the synthetic screen and on the platform's screen (X11 shared memory; run under Xvfb with a screen at
// least 3840 x 2160 for the larger case). The regions follow the given size, so a pass at 1920 x 1080
// on a larger screen shows that the cost follows the regions' area, not the screen's.
#include <benchmark/benchmark.h>

#include <memory>

#include "ambilight/sampling_blocks.h"
#include "ambilight/screen_source.h"
#include "ambilight/synthetic_screen.h"
#include "runtime/point.h"

using namespace lr;

namespace {

struct Constant : Element {
    std::int32_t value;
    explicit Constant(std::int32_t v) : value(v) {}
    void read(TData& data) { data = makeInteger(value); }
};

void pass(benchmark::State& state, ambilight::ScreenSource& screen) {
    installDispatch();
    ambilight::ScopedScreenSource scope(screen);
    Constant width(static_cast<std::int32_t>(state.range(0)));
    Constant height(static_cast<std::int32_t>(state.range(1)));
    LayoutBlock block(nullptr, kLayouts[0], bind<&Constant::read>(width), bind<&Constant::read>(height));
    struct Sink : Element {
        std::int32_t last = 0;
        void take(TData& d) { last = toInteger(d); }
    } sink;
    for (std::size_t k = 0; k < 4; ++k)
        block.setOnRegion(k, bind<&Sink::take>(sink));
    for (auto _ : state) {
        fireNull(block.doSample());
        benchmark::DoNotOptimize(sink.last);
    }
}

void SyntheticPass(benchmark::State& state) {
    ambilight::SyntheticScreen screen({static_cast<int>(state.range(0)), static_cast<int>(state.range(1))},
                                      ui::rgb(30, 60, 90));
    pass(state, screen);
}

void NativePass(benchmark::State& state) {
    const std::unique_ptr<ambilight::ScreenSource> screen = ambilight::openNativeScreen();
    const ui::Size size = screen->size();
    if (size.width < state.range(0) || size.height < state.range(1)) {
        state.SkipWithError(screen->error().empty() ? "the screen is smaller than the regions' layout"
                                                    : screen->error().c_str());
        return;
    }
    pass(state, *screen);
}

}  // namespace

BENCHMARK(SyntheticPass)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(NativePass)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
