#pragma once
// The multi-data list elements: building, taking apart and joining lists.
#include <string>
#include <vector>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIMT_Add : public Element {
  public:
    TData Data_;  // the `Data` property
    Point Data;   // the `Data` input
    Point onAdd;
    void doAdd(TData& data);
    void doAddFirst(TData& data);

  private:
    TData value();
};

class THIMT_Get : public Element {
  public:
    Point onData;
    Point onNext;
    void doGet(TData& data);
};

class ThiMT_AddData : public Element {
  public:
    explicit ThiMT_AddData(std::size_t count) : Data(count) {}
    TData Default;
    std::vector<Point> Data;  // Data1..DataCount
    Point onAdd;
    void doAdd(TData& data);
    void doAddItems(TData& data);
};

class THIMT_String : public Element {
  public:
    explicit THIMT_String(const std::string& delimiter)
        : Delimiter(delimiter.empty() ? '\0' : delimiter[0]) {}
    char Delimiter;
    Point Text;
    Point onResult;
    void doString(TData& data);
    void doList(TData& data);
};

// One token of a joined text as a typed list item: Integer, Real, or the untrimmed String.
TData typedToken(const std::string& token);

class THIMT_MultiData : public Element {
  public:
    explicit THIMT_MultiData(std::size_t count) : onData(count) {}
    int From = 0;
    Point Data;
    std::vector<Point> onData;  // onData1..onDataCount
    void doData(TData& data);
    // The items left after the last output, until the next call.
    const TData& remainder() const { return remainder_; }

  private:
    TData remainder_;
};

}  // namespace lr
