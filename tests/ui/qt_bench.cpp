// Figures of the Qt backend for the report, run by hand (tools/with-xvfb <build>/tests/ui/ui_qt_bench):
// start-up to the main window shown with every page built, a page of 60 controls, and what an idle
// loop costs in CPU and memory.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "device/serial_port.h"
#include "resources/artwork.h"
#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "settings/window_positions.h"
#include "shell/main_form.h"
#include "ui/control_page.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_user.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double cpuMs() {
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return (use.ru_utime.tv_sec + use.ru_stime.tv_sec) * 1e3 +
           (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e3;
}

long maxRssMb() {
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return use.ru_maxrss / 1024;
}

}  // namespace

int main(int argc, char** argv) {
    const auto start = Clock::now();
    auto platform = ui::qt::QtPlatform::create(argc, argv);
    if (!platform) return 1;
    art::addTo(platform->builtInResources());
    const ui::ScopedPlatform scope{*platform};
    settings::MemorySystem sys;
    sys.addFolder("C:\\Prog");
    const settings::ScopedSystem sysScope{sys};
    const settings::ScopedWindowPositions positions;
    lr::device::useSystemPorts(false);
    auto root = std::make_unique<lr::TClassMainForm_1E8A0D0>();
    lr::start();
    ui::qt::settle();
    std::printf("start-up to the main window shown (%s): %.1f ms\n", platform->platformName(),
                msSince(start));

    auto window = platform->toolkit().createWindow({"Page", {0, 0, 541, 599}});
    window->setVisible(true);
    constexpr int Rounds = 20;
    const auto built = Clock::now();
    for (int i = 0; i < Rounds; ++i) {
        auto page = ui::buildControlPage(platform->toolkit(), *window);
        ui::qt::settle();
    }
    std::printf("build page of 60 controls: %.2f ms\n", msSince(built) / Rounds);
    window.reset();

    const auto idleFor5s = [&](const char* what) {
        const double cpuBefore = cpuMs();
        std::thread waker([&] {
            std::this_thread::sleep_for(std::chrono::seconds(5));
            platform->loop().quit(0);
        });
        platform->loop().run();
        waker.join();
        std::printf("idle loop %s for 5 s: %.1f ms CPU (%.3f %% of one core), max RSS %ld MB\n", what,
                    cpuMs() - cpuBefore, (cpuMs() - cpuBefore) / 50.0, maxRssMb());
    };
    idleFor5s("with the main window");
    root->mainForm().window().setVisible(false);  // as the tray leaves it after a minimise
    idleFor5s("in the tray, the main window hidden");
    lr::TData none;
    root->mainForm().doClose(none);
    root.reset();
    lr::resetLifecycle();
    return 0;
}
