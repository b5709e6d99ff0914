#include "expr/x87_machine.h"

#include <array>
#include <numbers>

#include "expr/float_check.h"

namespace lr {

namespace {

using Real = long double;

// The register stack as the code sees it while it is checked: the top and which registers hold values.
class StackShape {
  public:
    std::uint8_t push() {
        top_ = (top_ - 1) & 7u;
        if (full_[top_]) fpu::raise(fpu::Invalid);
        full_[top_] = true;
        return static_cast<std::uint8_t>(top_);
    }
    std::uint8_t at(unsigned i) const {
        const unsigned r = (top_ + i) & 7u;
        if (!full_[r]) fpu::raise(fpu::Invalid);
        return static_cast<std::uint8_t>(r);
    }
    std::uint8_t pop() {
        const std::uint8_t r = at(0);
        full_[r] = false;
        top_ = (top_ + 1) & 7u;
        return r;
    }
    // fdecstp: the oldest register comes to the top.
    void rotate() { top_ = (top_ - 1) & 7u; }

  private:
    std::array<bool, 8> full_{};
    unsigned top_ = 0;
};

bool isLoad(X87 op) {
    return op == X87::Fld || op == X87::Fld1 || op == X87::Fldz || op == X87::Fldpi;
}

bool popsTwo(X87 op) {
    return op >= X87::Faddp && op <= X87::Fdivrp;
}

// Storing to a double rounds; a value beyond the double range overflows.
double toDouble(Real v) {
    return fpu::checked(static_cast<double>(fpu::checked(v)));
}

}  // namespace

X87Routine::X87Routine(std::span<const X87Instruction> program) {
    StackShape shape;
    for (const X87Instruction& ins : program) {
        Step step{ins.op, 0, 0, ins.base, ins.slot};
        if (ins.op == X87::Fdecstp) {
            shape.rotate();
            continue;
        }
        if (isLoad(ins.op)) {
            step.reg = shape.push();
        } else if (ins.op == X87::Fstp) {
            step.reg = shape.pop();
        } else if (popsTwo(ins.op)) {
            step.other = shape.pop();  // st(0)
            step.reg = shape.at(0);    // st(1), which takes the result
        } else {
            step.reg = shape.at(0);
        }
        steps_.push_back(step);
    }
    result_ = shape.at(0);
}

double X87Routine::run(std::span<double> data, double lastResult) const {
    using fpu::checked;
    using fpu::divide;
    std::array<Real, 8> st;  // every register is written before it is read: checked at construction
    for (const Step& s : steps_) {
        const auto m = [&]() -> Real { return s.base == Base::LastResult ? lastResult : data[s.slot]; };
        Real& r = st[s.reg];
        const Real& o = st[s.other];
        switch (s.op) {
            case X87::Fld:
                r = m();
                break;
            case X87::Fld1:
                r = 1.0L;
                break;
            case X87::Fldz:
                r = 0.0L;
                break;
            case X87::Fldpi:
                r = std::numbers::pi_v<Real>;
                break;
            case X87::Fstp:
                data[s.slot] = toDouble(r);
                break;
            case X87::Fchs:
                r = -r;
                break;
            case X87::Fadd:
                r = checked(r + m());
                break;
            case X87::Fsub:
                r = checked(r - m());
                break;
            case X87::Fsubr:
                r = checked(m() - r);
                break;
            case X87::Fmul:
                r = checked(r * m());
                break;
            case X87::Fdiv:
                r = divide(r, m());
                break;
            case X87::Fdivr:
                r = divide(m(), r);
                break;
            case X87::Faddp:
                r = checked(r + o);
                break;
            case X87::Fsubp:
                r = checked(r - o);
                break;
            case X87::Fsubrp:
                r = checked(o - r);
                break;
            case X87::Fmulp:
                r = checked(r * o);
                break;
            case X87::Fdivp:
                r = divide(r, o);
                break;
            default:
                r = divide(o, r);
                break;  // fdivrp
        }
    }
    return toDouble(st[result_]);
}

}  // namespace lr
