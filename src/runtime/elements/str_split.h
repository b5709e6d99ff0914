#pragma once
// Splitting a text into a fixed number of parts: THIMultiStrPart keeps them for reading,
// THIMultiStrData fires them on its outputs.
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

// Skips `skip` tokens of `text`, then takes up to `count`; the tokens run out with the text (its last
// token is taken whole, and nothing after it). `text` keeps what is left.
std::vector<std::string> takeParts(std::string& text, char delimiter, std::int32_t skip, std::size_t count);

class THIMultiStrPart : public Element {
  public:
    explicit THIMultiStrPart(std::size_t count) : parts_(count) {}
    char Delimiter = '\0';
    std::int32_t Skip = 0;
    Point Text;
    Point onSplit;
    Point onNotFound;
    void doSplit(TData& data);
    // Part1..PartCount: the read of part `index` (0-based).
    void Part(TData& data, std::uint16_t index);

  private:
    std::vector<std::string> parts_;
};

class THIMultiStrData : public Element {
  public:
    explicit THIMultiStrData(std::size_t count) : outputs(count) {}
    char Delimiter = '\0';
    std::int32_t Skip = 0;
    Point Text;
    std::vector<Point> outputs;
    void doSplit(TData& data);
};

}  // namespace lr
