#pragma once
// Numbers and colours: THIRandom, ThiColorShade, THIToRGB, THIConvertor.
// Colours are 0x00BBGGRR; a data input's property carries a trailing underscore.
#include <cstdint>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

// A whole number in Min..Max from the process-wide generator.
class THIRandom : public Element {
  public:
    double Min = 0.0;
    double Max = 0.0;
    Point onRandom;
    void doRandom(TData& data);
    void doRandomize(TData& data);
    void doMax(TData& data);
    void Random(TData& data);

  private:
    std::int32_t last_ = 0;
};

// Lightens (Mode 0, Shade in percent towards white) or darkens (Mode 1, Shade subtracted) each component.
class ThiColorShade : public Element {
  public:
    std::int32_t Color_ = 0;
    std::int32_t Shade_ = 0;
    std::int32_t Mode = 0;
    Point Color;
    Point Shade;
    Point onShade;
    void doShade(TData& data);
};

class THIToRGB : public Element {
  public:
    std::int32_t Color_ = 0;
    Point Color;
    Point onRGB;
    void doRGB(TData& data);
    void R(TData& data);
    void G(TData& data);
    void B(TData& data);

  private:
    std::int32_t r_ = 0, g_ = 0, b_ = 0;
};

class THIConvertor : public Element {
  public:
    Point onResult;
    void doCharToCode(TData& data);
    void doCodeToChar(TData& data);
};

// A colour with the system colours (0xFF000000 + index) replaced by their standard values.
std::uint32_t resolveColor(std::int32_t color);

}  // namespace lr
