#pragma once
// Runs a compiled formula: an eight-register x87 stack in extended precision, every result checked.
#include <span>

#include "expr/x87_code.h"

namespace lr {

// Runs `program` over the data array (spill slots are written) and returns the value left on top of
// the stack as a double. A floating-point fault, or a stack fault, raises the floating-point error.
double runX87(std::span<const X87Instruction> program, std::span<double> data, double lastResult);

}  // namespace lr
