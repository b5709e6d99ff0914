#pragma once
// Texts as parameters: THIMultiSetParam spreads one line of a table over its outputs; THIVisualStrings
// holds a constant text.
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIMultiSetParam : public Element {
  public:
    explicit THIMultiSetParam(std::size_t count) : outputs(count) {}
    char Delimiter = '\0';  // none: one digit per character
    std::int32_t Mode = 0;  // 0 integer, 1 text
    Point Data;
    std::vector<Point> outputs;
    // The incoming integer picks the line (0-based) of the Data text.
    void doSet(TData& data);

  private:
    void spreadTokens(const std::string& line);
    void spreadDigits(const std::string& line);
};

class THIVisualStrings : public Element {
  public:
    std::string Text_;  // the `Text` property, lines joined by CR LF
    void Text(TData& data);
};

}  // namespace lr
