// Figures of the Win32 backend under Wine (no benchmark library in the cross build): the time to build
// a page of 60 controls, and what an idle message loop costs.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "ui/control_page.h"
#include "ui/win32/win32_platform.h"

namespace {

double cpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](FILETIME t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               1e4;
    };
    return ms(kernel) + ms(user);
}

}  // namespace

int main() {
    auto platform = ui::win32::Win32Platform::create();
    auto window = platform->toolkit().createWindow({"Page", {0, 0, 541, 599}});
    window->setVisible(true);
    constexpr int Rounds = 20;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < Rounds; ++i) {
        auto page = ui::buildControlPage(platform->toolkit(), *window);
        platform->loop().pump();
    }
    const double perPage =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / Rounds;
    std::printf("build page of 60 controls: %.2f ms\n", perPage);

    platform->loop().pump();
    const std::uint64_t before = platform->dispatchedMessages();
    const double cpuBefore = cpuMs();
    std::thread waker([&] {
        std::this_thread::sleep_for(std::chrono::seconds(2));
        platform->loop().quit(0);
    });
    platform->loop().run();
    waker.join();
    std::printf("idle loop for 2 s: %llu messages dispatched, %.1f ms CPU\n",
                static_cast<unsigned long long>(platform->dispatchedMessages() - before),
                cpuMs() - cpuBefore);
    return 0;
}
