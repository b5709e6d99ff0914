#include "expr/x87_code.h"

#include <array>

namespace lr {

namespace {

struct Fixed {
    std::uint8_t length;
    std::array<std::uint8_t, 2> bytes;
    std::string_view text;
};

// Register-stack and frame instructions, in the order of X87 from Fld1.
constexpr std::array<Fixed, 19> kFixed{{
    {2, {0xD9, 0xE8}, "fld1"},
    {2, {0xD9, 0xEE}, "fldz"},
    {2, {0xD9, 0xEB}, "fldpi"},
    {2, {0xD9, 0xE0}, "fchs"},
    {2, {0xD9, 0xF6}, "fdecstp"},
    {2, {0xDE, 0xC1}, "faddp   st(1),st"},
    {2, {0xDE, 0xE9}, "fsubp   st(1),st"},
    {2, {0xDE, 0xE1}, "fsubrp  st(1),st"},
    {2, {0xDE, 0xC9}, "fmulp   st(1),st"},
    {2, {0xDE, 0xF9}, "fdivp   st(1),st"},
    {2, {0xDE, 0xF1}, "fdivrp  st(1),st"},
    {1, {0x9B, 0}, "fwait"},
    {1, {0x53, 0}, "push    ebx"},
    {1, {0x56, 0}, "push    esi"},
    {2, {0x8B, 0xD8}, "mov     ebx,eax \tself"},
    {2, {0x8B, 0xF2}, "mov     esi,edx \tdata array"},
    {1, {0x5E, 0}, "pop     esi"},
    {1, {0x5B, 0}, "pop     ebx"},
    {1, {0xC3, 0}, "ret"},
}};

struct MemoryForm {
    std::uint8_t opcode;
    std::uint8_t reg;           // the reg field of ModRM
    std::string_view mnemonic;  // 5 characters
};

// In the order of X87 from Fld.
constexpr std::array<MemoryForm, 8> kMemory{{
    {0xDD, 0, "fld  "},
    {0xDD, 3, "fstp "},
    {0xDC, 0, "fadd "},
    {0xDC, 1, "fmul "},
    {0xDC, 4, "fsub "},
    {0xDC, 5, "fsubr"},
    {0xDC, 6, "fdiv "},
    {0xDC, 7, "fdivr"},
}};

constexpr std::uint8_t kEsi = 6;
constexpr std::uint8_t kEbx = 3;
constexpr std::uint32_t kLastResultOffset = 24;

const Fixed& fixed(X87 op) {
    return kFixed[static_cast<std::size_t>(op) - static_cast<std::size_t>(X87::Fld1)];
}
const MemoryForm& memory(X87 op) {
    return kMemory[static_cast<std::size_t>(op)];
}

void putByte(std::string& out, std::uint32_t b) {
    out += static_cast<char>(static_cast<unsigned char>(b & 0xFF));
}

}  // namespace

bool hasMemoryOperand(X87 op) {
    return op <= X87::Fdivr;
}

bool runsOnTheStack(X87 op) {
    return op < X87::Fwait;
}

std::string encode(const X87Instruction& ins) {
    std::string out;
    if (!hasMemoryOperand(ins.op)) {
        const Fixed& f = fixed(ins.op);
        for (std::uint8_t i = 0; i < f.length; ++i)
            putByte(out, f.bytes[i]);
        return out;
    }
    const MemoryForm& m = memory(ins.op);
    const bool self = ins.base == Base::LastResult;
    const std::uint32_t disp = self ? kLastResultOffset : 8u * ins.slot;
    const std::uint32_t mod = disp == 0 ? 0u : disp < 128 ? 1u : 2u;
    putByte(out, m.opcode);
    putByte(out, (mod << 6) | (static_cast<std::uint32_t>(m.reg) << 3) | (self ? kEbx : kEsi));
    if (mod == 1) putByte(out, disp);
    if (mod == 2) {
        for (int shift = 0; shift < 32; shift += 8)
            putByte(out, disp >> shift);
    }
    return out;
}

std::string instructionText(const X87Instruction& ins, std::string_view comment) {
    if (!hasMemoryOperand(ins.op)) return std::string(fixed(ins.op).text);
    std::string text(memory(ins.op).mnemonic);
    if (ins.base == Base::LastResult) {
        text += "   [ebx+";
        text += std::to_string(kLastResultOffset);
        text += "]  ";
    } else {
        text += "   [esi+8*";
        text += std::to_string(ins.slot);
        text += ']';
    }
    text += '\t';
    text += comment;
    return text;
}

std::string listingLine(std::string_view bytes, std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string line;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        line += kHex[b >> 4];
        line += kHex[b & 15];
    }
    if (line.size() < 8) line.resize(8, ' ');
    line += '\t';
    line += text;
    return line;
}

}  // namespace lr
