#pragma once
// THIMath: one arithmetic operation on two operands. Each instance is wired to one of the operations.
#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIMath : public Element {
  public:
    double Op1_ = 0.0;   // the `Op1` property
    double Op2_ = 0.0;   // the `Op2` property
    int ResultType = 1;  // 1 real, 0 integer (nearest, halves to even)
    void setDefault(double value);

    Point Op1;  // the `Op1` input
    Point Op2;  // the `Op2` input
    Point onResult;
    Point onZeroDiv;

    void doAdd(TData& data);
    void doSub(TData& data);
    void doMul(TData& data);
    void doDiv(TData& data);
    void doXor(TData& data);
    void doIntDiv(TData& data);
    void Result(TData& data);

  private:
    template <class Op>
    void calculate(TData& data, Op op);
    void zeroDivision();

    double default_ = 0.0;
    double result_ = 0.0;
    bool empty_ = false;
};

}  // namespace lr
