#include "runtime/elements/branches.h"

#include <compare>
#include <string>

namespace lr {

namespace {

bool holds(std::partial_ordering order, std::int32_t type) {
    switch (type) {
        case compare::Equal:
            return order == 0;
        case compare::Less:
            return order < 0;
        case compare::Greater:
            return order > 0;
        case compare::LessOrEqual:
            return order <= 0;
        case compare::GreaterOrEqual:
            return order >= 0;
        case compare::NotEqual:
            return order != 0;
        default:
            return false;
    }
}

std::partial_ordering order(const TData& op1, const TData& op2) {
    switch (op1.kind) {
        case kind::String:
            return op1.text.compare(toString(op2)) <=> 0;
        case kind::Real:
            return op1.realValue <=> toReal(op2);
        default:
            return toInteger(op1) <=> toInteger(op2);
    }
}

}  // namespace

bool compareValues(const TData& op1, const TData& op2, std::int32_t type) {
    if (isNull(op1)) return isNull(op2);
    return holds(order(op1, op2), type);
}

// The operands are read from a copy: the incoming value travels on untouched.
void THIIf_else::doCompare(TData& data) {
    TData rest(data);
    TData op1, op2;
    readFirst(rest, Op1, &Op1_, op1);
    readFirst(rest, Op2, &Op2_, op2);
    forward(data, compareValues(op1, op2, Type) ? onTrue : onFalse);
}

void THIBetween::doCompare(TData& data) {
    TData rest(data);
    TData value, min, max;
    readFirst(rest, Value, &Value_, value);
    readFirst(rest, Min, &Min_, min);
    readFirst(rest, Max, &Max_, max);
    const bool openAtMin = Type == 1 || Type == 3;
    const bool openAtMax = Type == 2 || Type == 3;
    const bool inside = compareValues(min, value, openAtMin ? compare::Less : compare::LessOrEqual) &&
                        compareValues(value, max, openAtMax ? compare::Less : compare::LessOrEqual);
    forwardCopy(data, inside ? onTrue : onFalse, value);
}

void THISwitch::doSwitch(TData& data) {
    turn(data, !isOn());
}

void THISwitch::doOn(TData& data) {
    if (!isOn()) turn(data, true);
}

void THISwitch::doOff(TData& data) {
    if (isOn()) turn(data, false);
}

void THISwitch::State(TData& data) {
    if (switched_) {
        data = value_;
    } else {
        data = copySingle(Default ? DataOff_ : DataOn_);
    }
}

void THISwitch::turn(TData& data, bool on) {
    TData none;
    TData value;
    readFirst(none, on ? DataOn : DataOff, on ? &DataOn_ : &DataOff_, value);
    switched_ = true;
    on_ = on;
    value_ = value;
    fireCopy(onSwitch, value);
    data = std::move(value);
    forward(data, on ? onOn : onOff);
}

}  // namespace lr
