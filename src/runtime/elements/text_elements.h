#pragma once
// Joining, formatting and cutting texts: THIStrCat, THIStrCatDelim, THIFormatStr, THIStrPart, THICopy,
// THIDelete. The text to work on comes from the `Text` input, else from the event.
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIStrCat : public Element {
  public:
    std::string Str1_;
    std::string Str2_;
    Point Str1;
    Point Str2;
    Point onResult;
    void doStrCat(TData& data);
    void Result(TData& data);

  private:
    std::string result_;
};

class THIStrCatDelim : public Element {
  public:
    std::string Str1_;
    std::string Str2_;
    std::string Delimiter;
    Point Str1;
    Point Str2;
    Point onResult;
    void doStrCat(TData& data);
};

// "%1".."%Count" in the mask become the texts of the inputs Str1..StrCount, "%%" a single "%".
class THIFormatStr : public Element {
  public:
    explicit THIFormatStr(std::size_t count) : Str(count) {}
    std::string Mask;
    std::vector<Point> Str;  // Str1..StrCount
    Point onResult;
    void doFormat(TData& data);
};

// The mask with its arguments in place; what an argument brings in is never read as a mask.
std::string formatMask(std::string_view mask, const std::vector<std::string>& args);

class THIStrPart : public Element {
  public:
    char Delimiter = '\0';
    std::int32_t Mode = 0;  // 0: onLeft, then the right part forwarded; 1: onRight, then the left
    Point Text;
    Point onLeft;
    Point onRight;
    Point onNotFound;
    void doSplit(TData& data);
};

// Where a run of characters starts (1-based) and how long it is.
struct TextRange {
    std::int32_t Position = 1;
    std::int32_t Count = 0;
    std::int32_t Direction = 0;  // 0 from the left, 1 from the right
};

class THICopy : public Element {
  public:
    TextRange range;  // the Position, Count and Direction properties
    Point Text;
    Point Position;
    Point Count;
    Point onResult;
    void doCopy(TData& data);
};

class THIDelete : public Element {
  public:
    TextRange range;
    Point Text;
    Point Position;
    Point Count;
    Point onResult;
    void doDelete(TData& data);
};

}  // namespace lr
