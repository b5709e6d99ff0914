#pragma once
// The compiler of THIFastMathParse: formula text to x87 code with constant folding, fused memory
// operands and spilling beyond eight stack registers.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "expr/x87_emitter.h"
#include "runtime/point.h"

namespace lr {

struct CompiledFormula {
    std::string code;  // the machine code bytes
    X87Routine routine;
    std::vector<double> data;  // inputs, constants and spill slots
    // Entry 0: the slot of the input data (-1 unused); entry k: the slot of Xk (-1 not referenced,
    // -2 bound to the input data).
    std::vector<std::int32_t> slotMap;
};

// `text` ends with the end mark; `inputs` are X1..Xn, an unconnected one binds %k to the input data.
// Raises 34 (syntax), 10 (a second unconnected input) or a floating-point error of the folding.
CompiledFormula compileFormula(std::string_view text, std::span<const Point> inputs,
                               const ListingSink& listing);

}  // namespace lr
