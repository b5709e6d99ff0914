// The whole program through a long day: every command accounted for, nothing left growing, no error
// box. LUMENRIG_SOAK_HOURS sets the virtual span: 20 minutes unless set (the share of `make test`),
// 24 for the day run.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

#include "device/protocol.h"
#include "soak_world.h"

// Found by the assertions' printing, next to the type.
std::ostream& operator<<(std::ostream& os, const LiveCounts& c) {
    return os << "timers " << c.timers << ", controls " << c.controls << ", windows " << c.windows
              << ", menus " << c.menus;
}

namespace {

std::uint64_t spanFromEnvironment() {
    const char* hours = std::getenv("LUMENRIG_SOAK_HOURS");
    const double h = hours ? std::atof(hours) : 0.0;
    return h > 0 ? static_cast<std::uint64_t>(h * 3600 * 1000) : 20 * 60 * 1000;
}

void report(const SoakFigures& f, std::uint64_t spanMs, double realSeconds) {
    const LedgerFigures& c = f.commands;
    std::cout << "soak: " << spanMs / 3600000.0 << " virtual h in " << realSeconds << " s; produced "
              << c.produced << ", gate dropped " << c.gateDropped << ", passed " << c.passed << " (all-off "
              << c.allOffs << "), written " << c.written << " (" << c.writtenBytes << " bytes, device "
              << f.deviceBytes << "), closed dropped " << c.closedDropped << "; unplugs " << f.unplugs
              << ", light switches " << f.lightSwitches << ", screens " << f.screenChanges << "\n";
    std::cout << "soak: produced by connect, effect, organ, ambilight, auto, strips:";
    for (const std::uint64_t n : c.byTap)
        std::cout << " " << n;
    std::cout << "\n";
    if (!f.samples.empty())
        std::cout << "soak: first " << f.samples.front() << "; last " << f.samples.back() << "\n";
}

// The producers in the order the world taps them.
namespace tap {
constexpr std::size_t Organ = 2;
constexpr std::size_t Ambilight = 3;
constexpr std::size_t Auto = 4;
}  // namespace tap

class Soak : public SoakWorld {};

TEST_F(Soak, TheWholeProgramRunsTheDayAndAccountsForEveryCommand) {
    SoakPlan plan;
    plan.spanMs = spanFromEnvironment();
    ASSERT_NO_FATAL_FAILURE(startProgram());
    const auto began = std::chrono::steady_clock::now();
    runFor(plan);
    const std::chrono::duration<double> real = std::chrono::steady_clock::now() - began;
    report(figures, plan.spanMs, real.count());

    const LedgerFigures& c = figures.commands;
    EXPECT_TRUE(ledger.faults().empty()) << testing::PrintToString(ledger.faults());
    EXPECT_EQ(c.produced, c.passed - c.allOffs + c.gateDropped);
    EXPECT_EQ(c.passed, c.written + c.closedDropped);
    EXPECT_EQ(figures.deviceBytes, c.writtenBytes) << "bytes on the line against the commands written";
    EXPECT_EQ(c.allOffs, static_cast<std::uint64_t>(figures.lightSwitches));
    EXPECT_GT(c.gateDropped, 0u) << "the lights were off while commands came";
    EXPECT_GT(c.closedDropped, 0u) << "the port was unplugged while commands came";
    EXPECT_EQ(figures.lateReopens, 0);
    EXPECT_GE(figures.languageReloads, static_cast<int>(plan.spanMs / plan.languageEveryMs));
    EXPECT_GT(c.byTap[tap::Organ], plan.spanMs / 1000) << "the organ follows the music";
    EXPECT_GT(c.byTap[tap::Ambilight], plan.spanMs / 10000) << "Ambilight follows the screen";
    const std::uint64_t minutes = plan.spanMs / 60000;
    EXPECT_GE(c.byTap[tap::Auto], minutes - 1) << "the row of every minute";
    EXPECT_LE(c.byTap[tap::Auto], minutes + 1 + plan.spanMs / (24 * 3600000ull))
        << "and the clock row once a day";
    ASSERT_GE(figures.samples.size(), 2u);
    EXPECT_EQ(figures.samples.back(), figures.samples.front()) << "first " << figures.samples.front();
    EXPECT_TRUE(boxes.shown().empty()) << boxes.shown().front().text;

    const std::uint64_t before = controller->bytes();
    closeProgram();
    EXPECT_GE(controller->bytes() - before, lr::device::kAllOff.size()) << "closing turns all off";
}

}  // namespace
