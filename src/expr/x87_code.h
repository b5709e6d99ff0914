#pragma once
// The instructions of a compiled formula: x87 code as the listing shows it, run by our own evaluator.
#include <cstdint>
#include <string>
#include <string_view>

namespace lr {

enum class X87 : std::uint8_t {
    // with a memory operand
    Fld,
    Fstp,
    Fadd,
    Fmul,
    Fsub,
    Fsubr,
    Fdiv,
    Fdivr,
    // on the register stack
    Fld1,
    Fldz,
    Fldpi,
    Fchs,
    Fdecstp,
    Faddp,
    Fsubp,
    Fsubrp,
    Fmulp,
    Fdivp,
    Fdivrp,
    Fwait,
    // the frame of the routine
    PushEbx,
    PushEsi,
    MovEbxEax,
    MovEsiEdx,
    PopEsi,
    PopEbx,
    Ret,
};

// Memory operands: a slot of the data array ([esi+8*slot]) or the element's last result ([ebx+24]).
enum class Base : std::uint8_t { DataArray, LastResult };

struct X87Instruction {
    X87 op = X87::Fwait;
    Base base = Base::DataArray;
    std::uint32_t slot = 0;
};

bool hasMemoryOperand(X87 op);
// False for the frame of the routine and fwait, which leave values alone.
bool runsOnTheStack(X87 op);
// The machine code bytes.
std::string encode(const X87Instruction& ins);
// The listing text: an 8-character mnemonic field, the operand and, for memory operands, a tab and `comment`.
std::string instructionText(const X87Instruction& ins, std::string_view comment);
// A listing line: the bytes in hexadecimal, padded with blanks to 8 characters, a tab, the text.
std::string listingLine(std::string_view bytes, std::string_view text);

}  // namespace lr
