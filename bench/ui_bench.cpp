// The windowing layer on the headless backend: building a page of controls, painting, idle loop.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <thread>

#include "ui/control_page.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/realtime_loop.h"
#include "ui/headless/recorded_message_boxes.h"
#include "ui/headless/virtual_loop.h"
#include "ui/software_painter.h"

namespace {

void BuildPageOf60Controls(benchmark::State& state) {
    ui::headless::VirtualLoop loop;
    ui::headless::RecordedMessageBoxes boxes;
    ui::headless::HeadlessPlatform platform(loop, boxes);
    auto window = platform.toolkit().createWindow({"Page", {0, 0, 541, 599}});
    for (auto _ : state) {
        auto page = ui::buildControlPage(platform.toolkit(), *window);
        benchmark::DoNotOptimize(page.data());
    }
    state.SetItemsProcessed(state.iterations() * 60);
}
BENCHMARK(BuildPageOf60Controls);

void PaintGradientButton(benchmark::State& state) {
    ui::Image canvas(70, 30);
    for (auto _ : state) {
        ui::SoftwarePainter painter(canvas);
        painter.gradientV({1, 1, 68, 28}, ui::rgb(250, 250, 250), ui::rgb(160, 160, 160));
        painter.frameRect({0, 0, 70, 30}, ui::rgb(90, 90, 90));
        benchmark::DoNotOptimize(canvas.pixels().data());
    }
}
BENCHMARK(PaintGradientButton);

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The realtime loop with no timers sleeps until something is posted: CPU time per idle second.
void IdleLoopCpu(benchmark::State& state) {
    for (auto _ : state) {
        ui::headless::RealtimeLoop loop;
        const double before = cpuSeconds();
        std::thread waker([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            loop.quit(0);
        });
        loop.run();
        waker.join();
        state.counters["cpu_ms_per_idle_s"] = (cpuSeconds() - before) * 2000.0;
    }
}
BENCHMARK(IdleLoopCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
