#include "visual/lamps.h"

#include <algorithm>
#include <cmath>

namespace lr {

namespace {
constexpr ui::Color kWhite = ui::rgb(255, 255, 255);
constexpr ui::Color kBevelShade = ui::rgb(128, 128, 128);
constexpr int kDarken = 100;
constexpr int kSegmentGap = 2;
constexpr int kLastGreen = 4;
constexpr int kLastYellow = 7;

ui::Color segmentColor(int segment) {
    if (segment <= kLastGreen) return ui::rgb(0, 255, 0);
    if (segment <= kLastYellow) return ui::rgb(255, 255, 0);
    return ui::rgb(255, 0, 0);
}

// A stored colour only changes on a new value, so a steady channel costs no repaint.
void setColor(ui::Color& stored, TData& data, THIWin& lamp) {
    const auto c = static_cast<ui::Color>(toInteger(data)) & 0xFFFFFFu;
    if (c == stored) return;
    stored = c;
    lamp.control().invalidate();
}
}  // namespace

ui::Color darkened(ui::Color c) {
    return ui::rgb(std::max(ui::redOf(c) - kDarken, 0), std::max(ui::greenOf(c) - kDarken, 0),
                   std::max(ui::blueOf(c) - kDarken, 0));
}

THILED::THILED(ui::Control* parent) : THIWin(parent) {
    Color_ = kWhite;
}

void THILED::doLight(TData& data) {
    setColor(ColorOn, data, *this);
}

void THILED::paint(ui::Painter& painter) {
    const ui::Size s = painter.size();
    const ui::Rect r{0, 0, s.width, s.height};
    const ui::Color c = On ? ColorOn : ColorOff;
    if (!Round) {
        painter.fillRect(r, c);
        return;
    }
    painter.fillEllipse(r, c);
    painter.arc(r, 45, 180, kBevelShade);
    painter.arc(r, 225, 180, kWhite);
    const ui::Rect inner{s.width / 5, s.height / 5, s.width * 3 / 5, s.height * 3 / 5};
    painter.arc(inner, 100, 50, kWhite);
}

ThiGLabel::ThiGLabel(ui::Control* parent) : THIWin(parent) {
    Color_ = ui::rgb(0, 0, 0);
}

void ThiGLabel::doLight(TData& data) {
    setColor(ColorTop, data, *this);
}

void ThiGLabel::paint(ui::Painter& painter) {
    const ui::Size s = painter.size();
    painter.gradientV({0, 0, s.width, s.height}, ColorTop, darkened(ColorTop));
}

ThiLedLadder::ThiLedLadder(ui::Control* parent) : THIWin(parent) {
    Color_ = kWhite;
}

void ThiLedLadder::doValue(TData& data) {
    const int before = litCount();
    Value = toReal(data);
    if (litCount() != before) control().invalidate();
}

// floor((9 x (9v + 4) - 1) / 81) for the maximum 9: v segments for a whole v.
int ThiLedLadder::litCount() const {
    if (!(Max > 0) || !std::isfinite(Value)) return 0;
    const double v = Value * kSegments / Max;
    const double lit = std::floor((kSegments * (kSegments * v + 4) - 1) / (kSegments * kSegments));
    return static_cast<int>(std::clamp(lit, 0.0, static_cast<double>(kSegments)));
}

void ThiLedLadder::paint(ui::Painter& painter) {
    const ui::Size s = painter.size();
    painter.fillRect({0, 0, s.width, s.height}, kWhite);
    const int pitch = s.height / kSegments;
    const int lit = litCount();
    for (int k = 0; k < kSegments; ++k) {
        const ui::Rect segment{1, s.height - (k + 1) * pitch, s.width - 2, pitch - kSegmentGap};
        painter.fillRect(segment, k < lit ? segmentColor(k) : kWhite);
    }
}

}  // namespace lr
