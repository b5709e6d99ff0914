// Run and Stop, the first Run's opening of the recording side, and the reports of the engine.
#include "expr/math_report.h"
#include "organ/engine.h"
#include "runtime/report.h"

namespace lr {

namespace {

void showError(std::string text) {
    showReport({.text = std::move(text), .caption = "Error", .kind = ReportKind::Error});
}

}  // namespace

void TClassChildGroupBox_1EFA730::doRunStop(TData& data) {
    fire(bind<&THIIndexToChanel::doEvent>(runStop_), data);
}

// The first Run opens the recording side: initialise, check the version, open, list the inputs, ready.
// A Run while running starts a new recording (the recording element ends the one it replaces).
void TClassChildGroupBox_1EFA730::run(TData&) {
    if (!initialised_) {
        initialised_ = true;
        fireNull(bind<&THIBASS_Init::doInit>(init_));
    }
    fireNull(bind<&THIBASS_RecordStart::doStart>(record_));
    fireNull(bind<&THITimer::doTimer>(timer_));
    fireInteger(onRunEnabled, 0);
    fireInteger(onRunning, 1);
}

// The levels keep their values; nothing goes to the device.
void TClassChildGroupBox_1EFA730::stop(TData&) {
    fireNull(bind<&THITimer::doStop>(timer_));
    fireNull(bind<&THIBASS_ChannelStop::doStop>(recordStop_));
    fireInteger(onRunEnabled, 1);
    fireInteger(onRunning, 0);
}

void TClassChildGroupBox_1EFA730::windowHandle(TData& data) {
    read(WindowHandle, data);
}

void TClassChildGroupBox_1EFA730::initFailed(TData&) {
    showError("Error BASS initialization");
}

void TClassChildGroupBox_1EFA730::versionFailed(TData&) {
    showError("Incorrect version of BASS library ");
}

void TClassChildGroupBox_1EFA730::listInputs(TData&) {
    fireNull(bind<&THIBASS_RecordInput::doEnum>(recordInputs_));
    fireNull(onReady);
}

void TClassChildGroupBox_1EFA730::addInputRow(TData& data) {
    TData row = data;
    append(row, makeInteger(inputRows_++));
    fire(onInputRow, row);
}

void TClassChildGroupBox_1EFA730::doSetInput(TData& data) {
    fire(bind<&THIBASS_InputControl::doSet>(inputControl_), data);
}

void TClassChildGroupBox_1EFA730::channelFailed(TData& data) {
    const auto channel = static_cast<std::size_t>(readInteger(bind<&THIMultiElementEx::Index>(channels_)));
    if (channel < kOrganChannels) reportFormulaError(channel, kChannelNames[channel], data);
}

void TClassChildGroupBox_1EFA730::extraFailed(TData& data) {
    const auto extra = static_cast<std::size_t>(readInteger(bind<&THIMultiElementEx::Index>(extras_)));
    if (extra < kOrganExtras) reportFormulaError(kOrganChannels + extra, kExtraNames[extra], data);
}

// A broken formula fails at every tick; it is reported once until the next load, and only one report
// is open at a time (ticks go on behind a modal box). An error met while a box is open waits for a
// later tick.
void TClassChildGroupBox_1EFA730::reportFormulaError(std::size_t formula, std::string_view name,
                                                     const TData& error) {
    if (reported_[formula]) return;
    if (onFormulaError.connected()) {
        reported_[formula] = true;
        TData report = makeString(std::string(name));
        append(report, error);
        fire(onFormulaError, report);
        return;
    }
    if (reportOpen_) return;
    reported_[formula] = true;
    reportOpen_ = true;
    struct Close {
        bool& open;
        ~Close() { open = false; }
    } close{reportOpen_};
    const TData* line = error.next.get();
    const TData* column = line ? line->next.get() : nullptr;
    showReport({.text = errorReport(toInteger(error), TextPosition{line ? toInteger(*line) : 1,
                                                                   column ? toInteger(*column) : 1}),
                .caption = "String-Debug"});
}

}  // namespace lr
