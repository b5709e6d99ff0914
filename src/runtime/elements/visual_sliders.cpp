#include "runtime/elements/visual_sliders.h"

namespace lr {

ui::ControlSpec THITrackBar::params() const {
    unsigned flags = Orientation_ == Orientation::Vertical ? ui::style::Vertical : 0u;
    if (TickMarks_ == TickMarks::Both) flags |= ui::style::TicksBoth;
    if (TickMarks_ == TickMarks::None) flags |= ui::style::NoTicks;
    return {ui::ControlKind::TrackBar, {}, {}, flags};
}

void THITrackBar::applyOwn() {
    control().setRange(Min, Max);
    control().setSteps(LineSize, PageSize, Frequency);
    control().setPosition(Position_);
}

void THITrackBar::doPosition(TData& data) {
    control().setPosition(toInteger(data));
    forwardInteger(data, onPosition, control().position());
}

void THITrackBar::doMin(TData& data) {
    control().setRange(toInteger(data), control().rangeMax());
}

void THITrackBar::doMax(TData& data) {
    control().setRange(control().rangeMin(), toInteger(data));
}

void THITrackBar::Position(TData& data) {
    data = makeInteger(control().position());
}

// The end of a drag stops it; any other move starts it once and reports the position.
void THITrackBar::scrolled(ui::ScrollCode code, int position) {
    if (code == ui::ScrollCode::EndScroll) {
        dragging_ = false;
        fireFromUser(onStop, makeInteger(position));
        return;
    }
    if (!dragging_) fireFromUser(onStart, makeInteger(position));
    dragging_ = true;
    fireFromUser(onPosition, makeInteger(position));
}

ui::ControlSpec THIScrollBar::params() const {
    return {ui::ControlKind::ScrollBar, {}, {}, Kind == Orientation::Vertical ? ui::style::Vertical : 0u};
}

void THIScrollBar::applyOwn() {
    control().setRange(Min, Max);
    control().setSteps(1, PageSize, 0);
    control().setPosition(Position_);
}

void THIScrollBar::doPosition(TData& data) {
    control().setPosition(toInteger(data));
}

void THIScrollBar::Position(TData& data) {
    data = makeInteger(control().position());
}

void THIScrollBar::scrolled(ui::ScrollCode code, int position) {
    if (code != ui::ScrollCode::EndScroll) fireFromUser(onPosition, makeInteger(position));
}

void THIScrollBox::applyOwn() {
    control().setRange(0, ContentHeight);
}

void THIScrollBox::doScroll(TData& data) {
    control().setPosition(toInteger(data));
}

void THIScrollBox::Position(TData& data) {
    data = makeInteger(control().position());
}

}  // namespace lr
