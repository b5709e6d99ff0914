#pragma once
// A sink element for tests: records every value that reaches it.
#include <string>
#include <vector>

#include "runtime/element.h"
#include "runtime/point.h"

class Recorder : public lr::Element {
  public:
    void take(lr::TData& data, std::uint16_t index) {
        values.push_back(data);
        indexes.push_back(index);
    }
    lr::Point point(std::uint16_t index = 0) { return lr::bind<&Recorder::take>(*this, index); }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& v : values)
            out.push_back(lr::toString(v));
        return out;
    }
    std::vector<lr::TData> values;
    std::vector<std::uint16_t> indexes;
};

// A read source for tests: answers every read with its value.
class Source : public lr::Element {
  public:
    explicit Source(lr::TData v) : value(std::move(v)) {}
    void get(lr::TData& data) { data = value; }
    lr::Point point() { return lr::bind<&Source::get>(*this); }
    lr::TData value;
};
