#include "runtime/elements/numbers.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "runtime/random.h"

namespace lr {

// A draw of exactly 0 puts x on Min - 0.5, which rounds below Min when Min is odd: kept inside the range.
void THIRandom::doRandom(TData& data) {
    const double x = Min + nextRandom() * (Max - Min + 1.0) - 0.5;
    last_ = roundToInt(x);
    if (Min <= Max) last_ = std::clamp(last_, roundToInt(Min), roundToInt(Max));
    forwardInteger(data, onRandom, last_);
}

namespace {
std::uint32_t utcMillisecondOfDay() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms % (24 * 60 * 60 * 1000));
}
}  // namespace

void THIRandom::doRandomize(TData&) {
    setRandomSeed(randomSeed() + utcMillisecondOfDay());
    nextRandom();
}

void THIRandom::doMax(TData& data) {
    Max = toReal(data);
}

void THIRandom::Random(TData& data) {
    data = makeInteger(last_);
}

namespace {

std::int32_t componentOf(std::uint32_t color, int shift) {
    return static_cast<std::int32_t>((color >> shift) & 0xFFu);
}

// Kept within a byte, so that a negative or huge shade cannot spill into the neighbouring component.
std::int64_t shadeComponent(std::int64_t c, std::int64_t s, std::int32_t mode) {
    const std::int64_t shaded =
        mode == 0 ? std::min<std::int64_t>(25500, (255 - c) * s + c * 100) / 100 : c - s;
    return std::clamp<std::int64_t>(shaded, 0, 255);
}

}  // namespace

void ThiColorShade::doShade(TData& data) {
    const auto color = static_cast<std::uint32_t>(readInteger(data, Color, Color_));
    const std::int32_t shade = readInteger(data, Shade, Shade_);
    std::uint32_t result = 0;
    for (int shift : {0, 8, 16}) {
        const auto c = shadeComponent(componentOf(color, shift), shade, Mode);
        result |= static_cast<std::uint32_t>(c) << shift;
    }
    forwardInteger(data, onShade, static_cast<std::int32_t>(result));
}

void THIToRGB::doRGB(TData& data) {
    const std::uint32_t color = resolveColor(readInteger(data, Color, Color_));
    r_ = componentOf(color, 0);
    g_ = componentOf(color, 8);
    b_ = componentOf(color, 16);
    TData list = makeInteger(r_);
    append(list, makeInteger(g_));
    append(list, makeInteger(b_));
    fire(onRGB, list);
}

void THIToRGB::R(TData& data) {
    data = makeInteger(r_);
}
void THIToRGB::G(TData& data) {
    data = makeInteger(g_);
}
void THIToRGB::B(TData& data) {
    data = makeInteger(b_);
}

void THIConvertor::doCharToCode(TData& data) {
    const std::string text = toString(data);
    forwardInteger(data, onResult, text.empty() ? 0 : static_cast<unsigned char>(text[0]));
}

void THIConvertor::doCodeToChar(TData& data) {
    forwardString(data, onResult, std::string(1, static_cast<char>(toInteger(data) & 0xFF)));
}

namespace {
constexpr std::uint32_t rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | (g << 8) | (b << 16);
}

// The standard defaults of the system colours, by index (scroll bar, desktop, ... menu bar).
constexpr std::array<std::uint32_t, 31> kSystemColors = {
    rgb(200, 200, 200), rgb(0, 0, 0),       rgb(153, 180, 209), rgb(191, 205, 219), rgb(240, 240, 240),
    rgb(255, 255, 255), rgb(100, 100, 100), rgb(0, 0, 0),       rgb(0, 0, 0),       rgb(0, 0, 0),
    rgb(180, 180, 180), rgb(244, 247, 252), rgb(171, 171, 171), rgb(0, 120, 215),   rgb(255, 255, 255),
    rgb(240, 240, 240), rgb(160, 160, 160), rgb(109, 109, 109), rgb(0, 0, 0),       rgb(0, 0, 0),
    rgb(255, 255, 255), rgb(105, 105, 105), rgb(227, 227, 227), rgb(0, 0, 0),       rgb(255, 255, 225),
    rgb(0, 0, 0),       rgb(0, 102, 204),   rgb(185, 209, 234), rgb(215, 228, 242), rgb(0, 120, 215),
    rgb(240, 240, 240)};
}  // namespace

// A negative colour names a system colour by its low byte; an unknown index is black.
std::uint32_t resolveColor(std::int32_t color) {
    const auto value = static_cast<std::uint32_t>(color);
    if (color >= 0) return value;
    const std::uint32_t index = value & 0xFFu;
    return index < kSystemColors.size() ? kSystemColors[index] : 0u;
}

}  // namespace lr
