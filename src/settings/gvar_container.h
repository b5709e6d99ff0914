#pragma once
// THIGVarContainer: loads global variables from an ini section and saves them back.
#include <string>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIGVarContainer : public Element {
  public:
    std::string Vars;  // one variable a line: "name" or "name=default"
    std::string Section_;
    std::string FileName_;

    Point Section;
    Point FileName;
    Point onLoad;

    void doLoad(TData& data);
    void doSave(TData& data);

  private:
    struct Target {
        std::string file;
        std::string section;
    };
    Target target(TData& data);
};

}  // namespace lr
