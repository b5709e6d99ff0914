// Twelve lamps following a colour organ at 20 Hz on the headless backend: the cost of one frame of
// twelve channel commands through the page, and how many lamps repaint per second.
#include <benchmark/benchmark.h>

#include "runtime/globals.h"
#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/recorded_message_boxes.h"
#include "ui/headless/virtual_loop.h"
#include "visual/visual_host.h"

namespace {

constexpr int kFramesPerSecond = 20;

using visual_page::Host;

std::string twelveLamps() {
    std::string text = "[circle_color]\r\n";
    for (int k = 0; k < 12; ++k) {
        std::string letters = "~:~:~";
        letters[static_cast<std::size_t>(k % 3) * 2] = static_cast<char>('A' + k);
        text +=
            std::to_string(k) + "=" + std::to_string(110 + 150 * k) + ":880:" + letters + ":~:255:0:0\r\n";
    }
    return text;
}

int repaints(ui::headless::HeadlessToolkit& toolkit) {
    int n = 0;
    for (auto* w : toolkit.windows())
        if (w->text() == "Form0")
            for (auto* c : w->children())
                if (c->kind() == ui::ControlKind::PaintBox) n += c->invalidations();
    return n;
}

// Frame f: channel k at a level that changes every (k + 1) frames, as organ channels settle at
// different rates.
void BM_TwelveLampsFrame(benchmark::State& state) {
    ui::headless::VirtualLoop loop;
    ui::headless::RecordedMessageBoxes boxes;
    ui::headless::HeadlessPlatform platform(loop, boxes);
    const ui::ScopedPlatform platformScope(platform);
    settings::MemorySystem sys;
    const settings::ScopedSystem sysScope(sys);
    sys.putFile("C:\\Prog\\visualization\\Lamps.vsc", twelveLamps());
    sys.putFile("C:\\Prog\\lumenrig.ini", "[scheme]\r\nvisualization=Lamps\r\n");
    lr::installDispatch();
    auto window = platform.toolkit().createWindow({"Lumenrig", {0, 0, 541, 300}});
    {
        Host host(window.get());
        lr::start();
        host.input(2);
        host.input(3, lr::makeInteger(1));
        const int before = repaints(platform.headlessToolkit());
        std::int64_t frame = 0;
        for (auto _ : state) {
            for (int k = 0; k < 12; ++k) {
                const std::int64_t level = (frame / (k + 1)) % 9;
                host.input(
                    1, lr::makeString(std::string(1, static_cast<char>('A' + k)) + std::to_string(level)));
            }
            ++frame;
        }
        const double seconds = static_cast<double>(frame) / kFramesPerSecond;
        state.counters["repaints_per_s_at_20Hz"] = (repaints(platform.headlessToolkit()) - before) / seconds;
        state.counters["commands_per_frame"] = 12;
    }
    lr::resetLifecycle();
    lr::resetGlobalVars();
}
BENCHMARK(BM_TwelveLampsFrame);

}  // namespace
