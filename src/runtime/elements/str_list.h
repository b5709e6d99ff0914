#pragma once
// THIStrList: a list of text lines, searched, read and changed by index.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIStrList : public Element {
  public:
    std::vector<std::string> Strings;  // the lines
    Point Text;
    Point Index;
    Point onChange;
    Point onFind;
    Point onGetString;

    void doReplace(TData& data);    // line <incoming index> = Text
    void doFind(TData& data);       // index of the line equal to Text, or -1
    void doGetString(TData& data);  // the line at Index
    void doAdd(TData& data);        // Text as a new last line
    void doDelete(TData& data);     // removes the line at the incoming index
    void doClear(TData& data);
    void String(TData& data);  // the current line
    void Count(TData& data);

  private:
    bool valid(std::int32_t index) const;
    std::int32_t current_ = -1;
    std::string currentText_;
};

}  // namespace lr
