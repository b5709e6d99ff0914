#pragma once
// Accounts for every command of a running program: taps between each producing page and the link, on
// the gated stream and on the port's write report. A command produced either passes the lights gate
// or is dropped there (only while the lights are off); one that passed is either written or dropped
// because the port was closed (only while no live link joins the two ends).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/multi_element.h"
#include "runtime/point.h"

struct LedgerFigures {
    std::uint64_t produced = 0;
    std::uint64_t gateDropped = 0;  // produced while the lights were off
    std::uint64_t passed = 0;       // everything past the gate, the all-off of each switch included
    std::uint64_t allOffs = 0;      // written past the gate by a lights switch
    std::uint64_t written = 0;
    std::uint64_t writtenBytes = 0;
    std::uint64_t closedDropped = 0;       // passed while the port was closed
    std::array<std::uint64_t, 6> byTap{};  // produced, in the order the producers were tapped
};

class CommandLedger {
  public:
    // Puts the ledger between the page's command output and whatever it was wired to.
    void tapProducer(lr::THIMultiElement& page);
    lr::Point passedPoint() { return lr::bind<&CommandLedger::passed>(*this); }
    lr::Point writtenPoint() { return lr::bind<&CommandLedger::wrote>(*this); }
    // What the test did: the gate and the line the commands should meet.
    void setLightsOn(bool on) { lightsOn_ = on; }
    void setPortOpen(bool open) { portOpen_ = open; }

    const LedgerFigures& figures() const { return figures_; }
    // Commands that met a fate their moment does not allow; empty when all is well.
    const std::vector<std::string>& faults() const { return faults_; }

  private:
    void produced(lr::TData& data, std::uint16_t tap);
    void passed(lr::TData& data);
    void wrote(lr::TData& data);
    void fault(const std::string& what, const std::string& command);

    std::vector<lr::Point> forward_;
    LedgerFigures figures_;
    std::vector<std::string> faults_;
    bool lightsOn_ = true;
    bool portOpen_ = false;
    bool producing_ = false;
    bool passedNow_ = false;
    bool wroteNow_ = false;
    std::uint16_t tap_ = 0;
    std::size_t wroteBytes_ = 0;  // as the port reported the last write
};
