#include "device/effect_page.h"

#include <utility>

#include "device/effect_state.h"
#include "device/protocol.h"

namespace lr {

using Page = TClassChildPanel_2A602B0;

namespace {
constexpr int kEepromTop = 0;
constexpr int kProgramsTop = kEepromTop + TClassChildGroupBox_2A60360::kHeight + 1;
constexpr int kSpeedTop = kProgramsTop + TClassChildGroupBox_2A60570::kHeight + 1;
constexpr int kBrightnessTop = kSpeedTop + TClassChildGroupBox_2A60990::kHeight + 1;
constexpr int kChangeTop = kBrightnessTop + TClassChildGroupBox_2A60A40::kHeight + 1;
constexpr int kEffectsTop = kChangeTop + TClassChildGroupBox_2C2B620::kHeight + 1;
constexpr int kRecorderTop = kEffectsTop + TClassChildGroupBox_2C2D0F0::kHeight + 1;
static_assert(kRecorderTop + TClassChildGroupBox_2C2DF60::kHeight <= Page::kHeight);
}  // namespace

Page::TClassChildPanel_2A602B0(ui::Control* parent, TClassMultiBase* owner, THIMultiElement& outer,
                               LocalClock clock)
    : TClassMultiBase(parent, owner),
      edge_(make<THIEditMulti>(outer, 4, 0)),
      panel_(totalPanel(parent)),
      eeprom_(own<TClassChildGroupBox_2A60360>(&panel_.control(), this, kEepromTop)),
      programs_(own<TClassChildGroupBox_2A60570>(&panel_.control(), this, kProgramsTop)),
      speed_(own<TClassChildGroupBox_2A60990>(&panel_.control(), this, kSpeedTop)),
      brightness_(own<TClassChildGroupBox_2A60A40>(&panel_.control(), this, kBrightnessTop)),
      change_(own<TClassChildGroupBox_2C2B620>(&panel_.control(), this, kChangeTop)),
      effects_(own<TClassChildGroupBox_2C2D0F0>(&panel_.control(), this, kEffectsTop)),
      recorder_(own<TClassChildGroupBox_2C2DF60>(&panel_.control(), this, ui::Point{0, kRecorderTop},
                                                 std::move(clock))),
      presets_(make<THIStrList>()),
      program_(make<THIMemory>()),
      lastState_(make<THIMemory>()),
      commands_(make<THIHub>(2)) {
    join(edge_);
    presets_.Strings = effect::presetLines();
    program_.Default = makeInteger(0);
    lastState_.Default = makeString(std::string(device::kDefaultState));
    linkEdge();
    linkGroups();
}

THIPanel& Page::totalPanel(ui::Control* parent) {
    THIPanel& p = make<THIPanel>(parent);
    p.Name = "totalpanel";
    p.Color_ = EffectGroup::kPageColor;
    p.Width_ = kWidth;
    p.Height_ = kHeight;
    p.Visible = false;  // the main window shows one page
    p.init();
    return p;
}

void Page::linkEdge() {
    edge_.inputs[0] = bind<&THIPanel::doVisible>(panel_);
    edge_.inputs[1] = bind<&Page::start>(*this);
    edge_.inputs[2] = bind<&Page::doApplyState>(*this);
    edge_.inputs[3] = bind<&Page::doReset>(*this);
}

// Every group's commands meet here, in the order the groups send them, and reach the recorder too.
void Page::linkGroups() {
    const Point command = bind<&Page::groupCommand>(*this);
    eeprom_.setOnCommand(command);
    eeprom_.setOnReadBack(bind<&THIEditMulti::output>(edge_, 1));
    programs_.setOnCommand(command);
    programs_.setOnSelected(bind<&Page::programSelected>(*this));
    speed_.setOnCommand(command);
    brightness_.setOnCommand(command);
    change_.setOnCommand(command);
    effects_.setOnCommand(command);
    commands_.outputs[0] = bind<&THIEditMulti::output>(edge_, 0);
    commands_.outputs[1] = bind<&TClassChildGroupBox_2C2DF60::doCommand>(recorder_);
    recorder_.setOnRow(bind<&THIEditMulti::output>(edge_, 2));
}

void Page::doSelectProgram(TData& data) {
    programs_.doSelect(data);
}

// The state read back becomes the current program's preset too, so selecting it again shows it.
void Page::doApplyState(TData& data) {
    const std::string state = toString(data);
    TData stored = makeString(state);
    lastState_.doValue(stored);
    const auto program = static_cast<std::size_t>(currentProgram());
    if (program < presets_.Strings.size()) presets_.Strings[program] = state;
    applyMuted(state);
}

void Page::doReset(TData&) {
    TData program = makeInteger(1);
    programs_.doSelect(program);
    TData none;
    effects_.clear(none);
    brightness_.clear(none);
}

void Page::start(TData&) {
    TData state;
    lastState_.Value(state);
    applyMuted(toString(state));
}

void Page::programSelected(TData& data) {
    program_.doValue(data);
    const auto program = static_cast<std::size_t>(currentProgram());
    if (program < presets_.Strings.size()) applyMuted(presets_.Strings[program]);
}

void Page::groupCommand(TData& data) {
    TData command = muted_ ? makeString("") : copySingle(data);
    commands_.doEvent(command, 0);
}

void Page::applyMuted(const std::string& state) {
    struct Unmute {
        bool& muted;
        ~Unmute() { muted = false; }
    } unmute{muted_};
    muted_ = true;
    brightness_.apply(state);
    change_.apply(state);
    effects_.apply(state);
    speed_.apply(state);
}

std::int32_t Page::currentProgram() {
    TData program;
    program_.Value(program);
    return toInteger(program);
}

}  // namespace lr
