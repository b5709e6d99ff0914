#pragma once
// THIStr_Enum: the pieces of a text one by one, tokens between delimiters or runs of `Width` characters.
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIStr_Enum : public Element {
  public:
    char Delimiter = '\0';   // none: pieces of Width characters
    std::int32_t Start = 1;  // first piece, counted from 1
    std::int32_t End = -1;   // last piece; -1 or 0: to the end
    std::int32_t Width = 1;
    bool Exact = false;       // a shorter last piece is dropped
    bool BreakEvent = false;  // doStop forwards the last piece to onBreak
    Point Text;
    Point onEnum;
    Point onBreak;
    Point onEnd;
    void doEnum(TData& data);
    void doStop(TData& data);
    void Position(TData& data);

  private:
    std::vector<std::string> pieces(const std::string& text) const;
    bool stopped_ = false;
    std::int32_t position_ = 0;
};

}  // namespace lr
