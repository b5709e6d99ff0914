#pragma once
// Runs a compiled formula on an eight-register x87 stack in extended precision, every result checked.
// The stack positions of straight-line code are known before it runs, so the routine is checked for
// stack faults once and then addresses its registers directly.
#include <cstdint>
#include <span>
#include <vector>

#include "expr/x87_code.h"

namespace lr {

class X87Routine {
  public:
    X87Routine() = default;
    // Raises the invalid-operation error when the code would overflow or underflow the register stack.
    explicit X87Routine(std::span<const X87Instruction> program);

    // The value left on top of the stack, as a double; spill slots of `data` are written.
    // A floating-point fault raises the floating-point error.
    double run(std::span<double> data, double lastResult) const;

  private:
    struct Step {
        X87 op;
        std::uint8_t reg;    // the register written (or stored)
        std::uint8_t other;  // the other register of a two-register operation
        Base base;
        std::uint32_t slot;
    };
    std::vector<Step> steps_;
    std::uint8_t result_ = 0;
};

}  // namespace lr
