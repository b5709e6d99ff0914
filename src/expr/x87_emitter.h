#pragma once
// Writes a routine instruction by instruction: the machine code, one listing line each, the data
// slots it addresses, and the depth of the register stack, spilling beyond eight registers.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "expr/x87_code.h"
#include "expr/x87_machine.h"

namespace lr {

using ListingSink = std::function<void(const std::string& line)>;

class X87Emitter {
  public:
    explicit X87Emitter(const ListingSink& listing) : listing_(listing) {}

    void emit(const X87Instruction& ins, std::string_view comment = {});
    // A listing line of its own that is no instruction.
    void marker(std::string_view text);
    // A new slot at the end of the data array, holding `value`.
    std::uint32_t newSlot(double value);

    // Counts a value pushed; a ninth rotates the oldest register out to the spill slot of its level.
    void push();
    // Counts two values that became one.
    void pop() { --depth_; }
    int depth() const { return depth_; }
    // When the value at `depth` was rotated out to memory, it leaves the stack: the slot to reload it from.
    std::optional<std::uint32_t> takeSpilled(int depth);

    std::string& code() { return code_; }
    std::vector<double>& data() { return data_; }
    // The routine as the evaluator runs it; raises the invalid-operation error on a stack fault.
    X87Routine routine() const { return X87Routine(program_); }

  private:
    const ListingSink& listing_;
    std::string code_;
    std::vector<double> data_;
    std::vector<X87Instruction> program_;  // what works the register stack, in order
    int depth_ = -1;                       // -1: empty
    int spillLevel_ = -1;
    std::vector<std::uint32_t> spillSlots_;  // one per level, allocated on first use and reused
};

}  // namespace lr
