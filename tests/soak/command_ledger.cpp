#include "command_ledger.h"

using namespace lr;

void CommandLedger::tapProducer(THIMultiElement& page) {
    forward_.push_back(page.outputs.at(0));
    page.outputs[0] = bind<&CommandLedger::produced>(*this, static_cast<std::uint16_t>(forward_.size() - 1));
}

void CommandLedger::produced(TData& data, std::uint16_t tap) {
    const std::string command = toString(data);
    ++figures_.produced;
    ++figures_.byTap.at(tap);
    const bool outer = producing_;
    producing_ = true;
    passedNow_ = false;
    tap_ = tap;
    fire(forward_[tap], data);
    if (!passedNow_) ++figures_.gateDropped;
    if (passedNow_ != lightsOn_)
        fault(lightsOn_ ? "dropped with the lights on" : "passed with the lights off", command);
    producing_ = outer;
}

void CommandLedger::passed(TData& data) {
    const std::string command = toString(data);
    ++figures_.passed;
    if (producing_) {
        passedNow_ = true;
    } else {
        ++figures_.allOffs;
    }
    if (wroteNow_ && wroteBytes_ == command.size()) {
        ++figures_.written;
        figures_.writtenBytes += command.size();
    } else {
        ++figures_.closedDropped;
        if (portOpen_)
            fault("not written while the port was open (tap " + std::to_string(tap_) + ")", command);
    }
    wroteNow_ = false;
}

void CommandLedger::wrote(TData& data) {
    wroteNow_ = true;
    wroteBytes_ = static_cast<std::size_t>(toInteger(data));
}

void CommandLedger::fault(const std::string& what, const std::string& command) {
    if (faults_.size() < 20) faults_.push_back(what + ": '" + command + "'");
}
