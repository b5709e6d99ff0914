#pragma once
// THIini: reads and writes one key of an ini file, lists its sections.
#include <string>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIini : public Element {
  public:
    enum class ValueType { Integer = 0, String = 1 };

    std::string FileName_;  // properties, the defaults of the like-named inputs
    std::string Section_;
    std::string Key_;
    ValueType Type = ValueType::String;

    Point FileName;
    Point Section;
    Point Key;
    Point Value;
    Point onRead;
    Point onSection;

    void doRead(TData& data);
    void doWrite(TData& data);
    void doSections(TData& data);

  private:
    struct Target {
        std::string file;
        std::string section;
        std::string key;
    };
    Target target(TData& data);
};

}  // namespace lr
