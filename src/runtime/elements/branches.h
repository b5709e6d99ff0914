#pragma once
// Branches: THIIf_else, THIBetween, THISwitch. Each data input's property carries a trailing underscore.
#include <cstdint>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

// Comparison types of THIIf_else.
namespace compare {
inline constexpr std::int32_t Equal = 0;
inline constexpr std::int32_t Less = 1;
inline constexpr std::int32_t Greater = 2;
inline constexpr std::int32_t LessOrEqual = 3;
inline constexpr std::int32_t GreaterOrEqual = 4;
inline constexpr std::int32_t NotEqual = 5;
}  // namespace compare

// Compares op1 with op2 as a value of op1's kind; a Null op1 matches only a Null op2, whatever the type.
bool compareValues(const TData& op1, const TData& op2, std::int32_t type);

class THIIf_else : public Element {
  public:
    std::int32_t Type = compare::Equal;
    TData Op1_;
    TData Op2_;
    Point Op1;
    Point Op2;
    Point onTrue;
    Point onFalse;
    void doCompare(TData& data);
};

// Is Value inside Min..Max? Type 0 closed, 1 open at Min, 2 open at Max, 3 open at both ends.
class THIBetween : public Element {
  public:
    std::int32_t Type = 0;
    TData Value_;
    TData Min_;
    TData Max_;
    Point Value;
    Point Min;
    Point Max;
    Point onTrue;
    Point onFalse;
    void doCompare(TData& data);
};

class THISwitch : public Element {
  public:
    TData DataOn_ = makeInteger(1);
    TData DataOff_ = makeInteger(0);
    // Default set: the switch starts off holding DataOff; clear: on holding DataOn.
    bool Default = false;
    Point DataOn;
    Point DataOff;
    Point onSwitch;
    Point onOn;
    Point onOff;
    void doSwitch(TData& data);
    void doOn(TData& data);
    void doOff(TData& data);
    void State(TData& data);

  private:
    bool isOn() const { return switched_ ? on_ : !Default; }
    void turn(TData& data, bool on);

    bool switched_ = false;  // until then the state follows Default
    bool on_ = false;
    TData value_;
};

}  // namespace lr
