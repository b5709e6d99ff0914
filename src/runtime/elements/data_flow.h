#pragma once
// Carriers, memories and routers of data: THIDoData, THIMemory, THIChangeMon, THIEventFromData,
// THIGetData, THIGetIndexData, THIIndexToChanel, THIChanelToIndex.
// Where a data input shares its name with a property, the property carries a trailing underscore;
// where it shares it with a read, the input does.
#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

// Sends its own value whatever it is fired with.
class THIDoData : public Element {
  public:
    TData Data_;  // the `Data` property
    Point Data;   // the `Data` input
    Point onData;
    void doData(TData& data);
};

class THIMemory : public Element {
  public:
    TData Default;
    Point Data;
    Point onData;
    void doValue(TData& data);
    void doClear(TData& data);
    void Value(TData& data);

  private:
    std::optional<TData> value_;  // Default until something is stored
};

// Passes a value on to onChange when it differs from the last one passed there, else to onSame.
class THIChangeMon : public Element {
  public:
    Point onChange;
    Point onSame;
    void doData(TData& data);

  private:
    TData last_;
};

// Keeps the last list it was fired with for readers, and tells onRead when one reads it.
class THIEventFromData : public Element {
  public:
    Point onRead;
    void doData(TData& data);
    void Data(TData& data);

  private:
    TData kept_;
};

class THIGetData : public Element {
  public:
    Point Data_;  // the data input
    void Data(TData& data);
};

// A read that passes through to the data input selected by doIndex.
class THIGetIndexData : public Element {
  public:
    explicit THIGetIndexData(std::size_t count) : Data_(count) {}
    std::vector<Point> Data_;  // data inputs 1..Count
    Point onIndex;
    void doIndex(TData& data);
    void Data(TData& data);

  private:
    std::int32_t selected_ = -1;  // none
};

// Routes a value to the output its index names.
class THIIndexToChanel : public Element {
  public:
    explicit THIIndexToChanel(std::size_t count) : outputs(count) {}
    TData Data_;  // the `Data` property
    Point Index;
    Point Data;  // the `Data` input
    std::vector<Point> outputs;
    void doEvent(TData& data);
};

// Turns which of its inputs was reached into an index.
class THIChanelToIndex : public Element {
  public:
    explicit THIChanelToIndex(std::size_t count) : Count(count) {}
    std::size_t Count;
    Point onIndex;
    void doEvent(TData& data, std::uint16_t index);
};

}  // namespace lr
