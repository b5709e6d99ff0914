// Start-up of the whole program on the headless backend: the tree with all seven pages built, started,
// and the last page shown (the 1 ms deferral run). The settings live in memory, so the disk is not timed.
#include <benchmark/benchmark.h>

#include "device/serial_port.h"
#include "runtime/globals.h"
#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "settings/window_positions.h"
#include "shell/main_form.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/recorded_message_boxes.h"
#include "ui/headless/virtual_loop.h"

namespace {

void BM_StartUpToTheShownMainWindow(benchmark::State& state) {
    settings::MemorySystem sys;
    sys.addFolder("C:\\Prog");
    const settings::ScopedSystem sysScope(sys);
    const settings::ScopedWindowPositions positions;
    lr::device::useSystemPorts(false);
    for (auto _ : state) {
        ui::headless::VirtualLoop loop;
        ui::headless::RecordedMessageBoxes boxes;
        ui::headless::HeadlessPlatform platform(loop, boxes);
        const ui::ScopedPlatform scope(platform);
        {
            lr::TClassMainForm_1E8A0D0 root;
            lr::start();
            loop.advance(1);
            benchmark::DoNotOptimize(root.mainForm().window().visible());
        }
        lr::resetLifecycle();
        lr::resetGlobalVars();
    }
    lr::device::useSystemPorts(true);
}
BENCHMARK(BM_StartUpToTheShownMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
