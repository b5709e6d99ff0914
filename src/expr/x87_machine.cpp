#include "expr/x87_machine.h"

#include <array>
#include <numbers>

#include "expr/float_check.h"

namespace lr {

namespace {

using Real = long double;

class RegisterStack {
  public:
    void push(Real v) {
        top_ = (top_ - 1) & 7u;
        if (full_[top_]) fpu::raise(fpu::Invalid);
        value_[top_] = v;
        full_[top_] = true;
    }
    Real& at(unsigned i) {
        const unsigned r = (top_ + i) & 7u;
        if (!full_[r]) fpu::raise(fpu::Invalid);
        return value_[r];
    }
    Real pop() {
        const Real v = at(0);
        full_[top_] = false;
        top_ = (top_ + 1) & 7u;
        return v;
    }
    // Rotates the stack: the oldest register comes to the top.
    void decrementTop() { top_ = (top_ - 1) & 7u; }

  private:
    std::array<Real, 8> value_{};
    std::array<bool, 8> full_{};
    unsigned top_ = 0;
};

// Storing to a double rounds; a value beyond the double range overflows.
double toDouble(Real v) {
    return fpu::checked(static_cast<double>(fpu::checked(v)));
}

Real arithmetic(X87 op, Real st, Real m) {
    switch (op) {
        case X87::Fadd:
            return fpu::checked(st + m);
        case X87::Fsub:
            return fpu::checked(st - m);
        case X87::Fsubr:
            return fpu::checked(m - st);
        case X87::Fmul:
            return fpu::checked(st * m);
        case X87::Fdiv:
            return fpu::divide(st, m);
        default:
            return fpu::divide(m, st);
    }
}

// st(1) op st(0), the result in st(1), then a pop.
void popArithmetic(RegisterStack& stack, X87 op) {
    const Real st0 = stack.pop();
    Real& st1 = stack.at(0);
    switch (op) {
        case X87::Faddp:
            st1 = fpu::checked(st1 + st0);
            break;
        case X87::Fsubp:
            st1 = fpu::checked(st1 - st0);
            break;
        case X87::Fsubrp:
            st1 = fpu::checked(st0 - st1);
            break;
        case X87::Fmulp:
            st1 = fpu::checked(st1 * st0);
            break;
        case X87::Fdivp:
            st1 = fpu::divide(st1, st0);
            break;
        default:
            st1 = fpu::divide(st0, st1);
            break;
    }
}

}  // namespace

double runX87(std::span<const X87Instruction> program, std::span<double> data, double lastResult) {
    RegisterStack stack;
    for (const X87Instruction& ins : program) {
        const auto memory = [&]() -> double& {
            return ins.base == Base::LastResult ? lastResult : data[ins.slot];
        };
        switch (ins.op) {
            case X87::Fld:
                stack.push(memory());
                break;
            case X87::Fstp:
                memory() = toDouble(stack.pop());
                break;
            case X87::Fadd:
            case X87::Fmul:
            case X87::Fsub:
            case X87::Fsubr:
            case X87::Fdiv:
            case X87::Fdivr:
                stack.at(0) = arithmetic(ins.op, stack.at(0), memory());
                break;
            case X87::Fld1:
                stack.push(1.0L);
                break;
            case X87::Fldz:
                stack.push(0.0L);
                break;
            case X87::Fldpi:
                stack.push(std::numbers::pi_v<Real>);
                break;
            case X87::Fchs:
                stack.at(0) = -stack.at(0);
                break;
            case X87::Fdecstp:
                stack.decrementTop();
                break;
            case X87::Faddp:
            case X87::Fsubp:
            case X87::Fsubrp:
            case X87::Fmulp:
            case X87::Fdivp:
            case X87::Fdivrp:
                popArithmetic(stack, ins.op);
                break;
            default:
                break;  // the frame and fwait: faults are raised where they happen
        }
    }
    return toDouble(stack.at(0));
}

}  // namespace lr
