#include "expr/code_generator.h"

#include <optional>

#include "expr/fast_scanner.h"
#include "expr/float_check.h"
#include "runtime/error.h"
#include "runtime/tdata.h"

namespace lr {

namespace {

constexpr int kMaxNesting = 256;
constexpr double kPi = 3.141592653589793;

// What a sub-expression compiled to: its value is built from the folded constant `f` and an operand
// that is pending (a list of instructions held back) or already on the register stack.
enum class Form : std::uint8_t {
    Constant,        // f
    SumPending,      // f + (-first if flipped, else first), then the rest as written
    SumStack,        // f + st(0)
    DiffStack,       // f - st(0)
    ProductPending,  // f * (1/first if flipped, else first), then the rest as written
    ProductStack,    // f * st(0)
    QuotientStack,   // f / st(0)
};

struct Pending {
    X87Instruction ins;
    std::string comment;
};

struct Value {
    Form form = Form::Constant;
    double f = 0.0;
    bool flipped = false;
    std::vector<Pending> list;
};

// The sum and the product level share every rule, with their own forms and instructions.
struct Level {
    Form pending, stack, inverse;
    X87 add, sub, subr;     // memory operand: fadd fsub fsubr / fmul fdiv fdivr
    X87 addp, subp, subrp;  // registers: faddp fsubp fsubrp / fmulp fdivp fdivrp
    bool product;
};

constexpr Level kSum{Form::SumPending, Form::SumStack, Form::DiffStack, X87::Fadd,   X87::Fsub,
                     X87::Fsubr,       X87::Faddp,     X87::Fsubp,      X87::Fsubrp, false};
constexpr Level kProduct{
    Form::ProductPending, Form::ProductStack, Form::QuotientStack, X87::Fmul,   X87::Fdiv,
    X87::Fdivr,           X87::Fmulp,         X87::Fdivp,          X87::Fdivrp, true};

bool isSumForm(Form f) {
    return f == Form::SumPending || f == Form::SumStack || f == Form::DiffStack;
}

void flipRest(std::vector<Pending>& list, const Level& level) {
    for (std::size_t i = 1; i < list.size(); ++i) {
        X87& op = list[i].ins.op;
        op = op == level.add ? level.sub : level.add;
    }
}

std::optional<std::size_t> findRestAdd(const std::vector<Pending>& list, const Level& level) {
    for (std::size_t i = 1; i < list.size(); ++i) {
        if (list[i].ins.op == level.add) return i;
    }
    return std::nullopt;
}

class Generator {
  public:
    Generator(std::string_view text, std::span<const Point> inputs, const ListingSink& listing)
        : scanner_(text), inputs_(inputs), emitter_(listing), slotMap_(inputs.size() + 1, -1) {}
    CompiledFormula run();

  private:
    Value expression();
    Value term();
    Value factor();
    Value primary();
    Value parenthesised();
    Value input();
    Pending inputLoad(std::size_t k);

    void toSum(Value& v);
    void toProduct(Value& v);
    void invert(Value& v, const Level& level);
    void reloadIfSpilled(Value& left, int depth, const Level& level);
    void combine(Value& left, Value& right, const Level& level);
    Form fuse(Form stack, Value& pending, const Level& level);
    void registerOp(Value& left, Form right, const Level& level);

    void materialise(Value& v);
    Form emitPending(Value& v, const Level& level);
    void applyConstant(Form stack, double f);
    void loadConstant(double f);

    void emitFrom(std::vector<Pending>& list, std::size_t first);
    [[noreturn]] static void syntaxError() { throw ElementError(error::Syntax); }

    FastScanner scanner_;
    std::span<const Point> inputs_;
    X87Emitter emitter_;
    std::vector<std::int32_t> slotMap_;
    int nesting_ = 0;
    std::size_t boundInput_ = 0;
};

CompiledFormula Generator::run() {
    for (X87 op : {X87::PushEbx, X87::PushEsi, X87::MovEbxEax, X87::MovEsiEdx})
        emitter_.emit({op});
    emitter_.marker("BEGIN equation");
    scanner_.next();
    Value v = expression();
    materialise(v);
    emitter_.marker("END equation");
    for (X87 op : {X87::Fwait, X87::PopEsi, X87::PopEbx, X87::Ret})
        emitter_.emit({op});
    if (!scanner_.is(FastTok::End)) syntaxError();
    return {std::move(emitter_.code()), emitter_.routine(), std::move(emitter_.data()), std::move(slotMap_)};
}

// ---- grammar ----

Value Generator::expression() {
    Value left = term();
    if (!scanner_.is(FastTok::Operator, '+') && !scanner_.is(FastTok::Operator, '-')) return left;
    toSum(left);
    while (scanner_.is(FastTok::Operator, '+') || scanner_.is(FastTok::Operator, '-')) {
        const bool minus = scanner_.token().symbol == '-';
        scanner_.next();
        const int depth = emitter_.depth();
        Value right = term();
        toSum(right);
        reloadIfSpilled(left, depth, kSum);
        if (minus) invert(right, kSum);
        combine(left, right, kSum);
    }
    return left;
}

Value Generator::term() {
    Value left = factor();
    if (!scanner_.is(FastTok::Operator, '*') && !scanner_.is(FastTok::Operator, '/')) return left;
    toProduct(left);
    while (scanner_.is(FastTok::Operator, '*') || scanner_.is(FastTok::Operator, '/')) {
        const bool divide = scanner_.token().symbol == '/';
        scanner_.next();
        const int depth = emitter_.depth();
        Value right = factor();
        toProduct(right);
        reloadIfSpilled(left, depth, kProduct);
        if (divide) invert(right, kProduct);
        combine(left, right, kProduct);
    }
    return left;
}

// A leading minus negates the whole operand: the constant, and the sign of a sum.
Value Generator::factor() {
    const bool minus = scanner_.is(FastTok::Operator, '-');
    if (minus || scanner_.is(FastTok::Operator, '+')) scanner_.next();
    Value v = primary();
    if (!minus) return v;
    if (isSumForm(v.form)) {
        invert(v, kSum);
    } else {
        v.f = -v.f;
    }
    return v;
}

Value Generator::primary() {
    const FastToken& t = scanner_.token();
    Value v;
    if (t.kind == FastTok::Integer || t.kind == FastTok::Real) {
        v.f = t.value;
    } else if (scanner_.isIdentifier("pi")) {
        v.f = kPi;
    } else if (scanner_.isIdentifier("e")) {
        v.f = 2.718281828459045;
    } else if (scanner_.is(FastTok::Delimiter, '%')) {
        return input();
    } else if (scanner_.is(FastTok::Delimiter, '(')) {
        return parenthesised();
    } else {
        syntaxError();
    }
    scanner_.next();
    return v;
}

Value Generator::parenthesised() {
    if (nesting_ >= kMaxNesting) syntaxError();
    ++nesting_;
    scanner_.next();
    Value v = expression();
    if (!scanner_.is(FastTok::Delimiter, ')')) syntaxError();
    scanner_.next();
    --nesting_;
    return v;
}

Value Generator::input() {
    scanner_.next();
    if (!scanner_.is(FastTok::Integer) || scanner_.token().value > static_cast<double>(inputs_.size())) {
        syntaxError();
    }
    const auto k = static_cast<std::size_t>(scanner_.token().value);
    scanner_.next();
    Value v;
    v.form = Form::SumPending;
    if (k == 0) {
        v.list.push_back({{X87::Fld, Base::LastResult}, "FResult"});
        return v;
    }
    v.list.push_back(inputLoad(k));
    return v;
}

// A connected input has its own slot; an unconnected one reads the input data (one number only).
Pending Generator::inputLoad(std::size_t k) {
    std::int32_t& entry = slotMap_[k];
    if (inputs_[k - 1].connected()) {
        if (entry < 0) entry = static_cast<std::int32_t>(emitter_.newSlot(0));
        std::string comment(1, 'X');
        comment += std::to_string(k);
        return {{X87::Fld, Base::DataArray, static_cast<std::uint32_t>(entry)}, std::move(comment)};
    }
    if (boundInput_ != 0 && boundInput_ != k) throw ElementError(error::NoData);
    boundInput_ = k;
    entry = -2;
    if (slotMap_[0] < 0) slotMap_[0] = static_cast<std::int32_t>(emitter_.newSlot(0));
    return {{X87::Fld, Base::DataArray, static_cast<std::uint32_t>(slotMap_[0])},
            std::string("from input Data")};
}

// ---- operand states ----

void Generator::toSum(Value& v) {
    if (v.form == Form::Constant || isSumForm(v.form)) return;
    if (v.form == Form::ProductPending && !v.flipped && v.list.size() == 1 && (v.f == 1 || v.f == -1)) {
        v.form = Form::SumPending;
        v.flipped = v.f == -1;
        v.f = 0;
        return;
    }
    materialise(v);
    v.form = Form::SumStack;
    v.f = 0;
}

void Generator::toProduct(Value& v) {
    if (v.form == Form::Constant || !isSumForm(v.form)) return;
    if (v.form == Form::SumPending && v.f == 0 && v.list.size() == 1) {
        v.form = Form::ProductPending;
        v.f = v.flipped ? -1 : 1;
        v.flipped = false;
        return;
    }
    materialise(v);
    v.form = Form::ProductStack;
    v.f = 1;
}

// The right side of "-" or "/": negated or inverted, constant included.
void Generator::invert(Value& v, const Level& level) {
    v.f = level.product ? fpu::divide(1.0, v.f) : -v.f;
    if (v.form == level.stack) {
        v.form = level.inverse;
    } else if (v.form == level.inverse) {
        v.form = level.stack;
    } else if (v.form == level.pending) {
        v.flipped = !v.flipped;
        flipRest(v.list, level);
    }
}

// A left side on the stack that the right side pushed out to memory comes back as a pending load.
void Generator::reloadIfSpilled(Value& left, int depth, const Level& level) {
    if (left.form != level.stack && left.form != level.inverse) return;
    const std::optional<std::uint32_t> slot = emitter_.takeSpilled(depth);
    if (!slot) return;
    left.flipped = left.form == level.inverse;
    left.form = level.pending;
    left.list = {Pending{{X87::Fld, Base::DataArray, *slot}, "Pop FPU"}};
}

void Generator::combine(Value& left, Value& right, const Level& level) {
    left.f = fpu::checked(level.product ? left.f * right.f : left.f + right.f);
    if (right.form == Form::Constant) return;
    if (left.form == Form::Constant) {
        right.f = left.f;
        left = std::move(right);
        return;
    }
    const bool leftPending = left.form == level.pending;
    const bool rightPending = right.form == level.pending;
    if (leftPending && rightPending) {
        right.list.front().ins.op = right.flipped ? level.sub : level.add;
        for (Pending& p : right.list)
            left.list.push_back(std::move(p));
    } else if (rightPending) {
        left.form = fuse(left.form, right, level);
    } else if (leftPending) {
        left.form = fuse(right.form, left, level);
        left.flipped = false;
        left.list.clear();
    } else {
        registerOp(left, right.form, level);
    }
}

// Emits a pending list into the value on the stack, its first load fused into the operation.
Form Generator::fuse(Form stack, Value& pending, const Level& level) {
    std::vector<Pending>& list = pending.list;
    if (stack == level.stack) {
        list[0].ins.op = pending.flipped ? level.sub : level.add;
        emitFrom(list, 0);
        return level.stack;
    }
    if (!pending.flipped) {
        list[0].ins.op = level.subr;
        emitFrom(list, 0);
        return level.stack;
    }
    if (const auto i = findRestAdd(list, level)) {
        list[*i].ins.op = level.subr;
        list[0].ins.op = level.sub;
        emitFrom(list, *i);
        return level.stack;
    }
    flipRest(list, level);
    list[0].ins.op = level.add;
    emitFrom(list, 0);
    return level.inverse;
}

void Generator::registerOp(Value& left, Form right, const Level& level) {
    const bool leftInverse = left.form == level.inverse;
    const bool rightInverse = right == level.inverse;
    if (leftInverse == rightInverse) {
        emitter_.emit({level.addp});
    } else if (rightInverse) {
        emitter_.emit({level.subp});
    } else {
        emitter_.emit({level.subrp});
        left.form = level.stack;
    }
    emitter_.pop();
}

// ---- putting values on the stack ----

void Generator::materialise(Value& v) {
    switch (v.form) {
        case Form::Constant:
            emitter_.push();
            loadConstant(v.f);
            break;
        case Form::SumPending:
            applyConstant(emitPending(v, kSum), v.f);
            break;
        case Form::ProductPending:
            applyConstant(emitPending(v, kProduct), v.f);
            break;
        default:
            applyConstant(v.form, v.f);
            break;
    }
    v.list.clear();
}

Form Generator::emitPending(Value& v, const Level& level) {
    emitter_.push();
    std::vector<Pending>& list = v.list;
    if (!v.flipped) {
        emitFrom(list, 0);
        return level.stack;
    }
    if (const auto i = findRestAdd(list, level)) {
        list[*i].ins.op = X87::Fld;
        list[0].ins.op = level.sub;
        emitFrom(list, *i);
        return level.stack;
    }
    flipRest(list, level);
    emitFrom(list, 0);
    return level.inverse;
}

void Generator::applyConstant(Form stack, double f) {
    const auto withConstant = [&](X87 op) {
        emitter_.emit({op, Base::DataArray, emitter_.newSlot(f)}, formatReal(f));
    };
    switch (stack) {
        case Form::SumStack:
            if (f != 0) withConstant(X87::Fadd);
            break;
        case Form::DiffStack:
            if (f != 0) {
                withConstant(X87::Fsubr);
            } else {
                emitter_.emit({X87::Fchs});
            }
            break;
        case Form::ProductStack:
            if (f == -1) {
                emitter_.emit({X87::Fchs});
            } else if (f != 1) {
                withConstant(X87::Fmul);
            }
            break;
        default:
            withConstant(X87::Fdivr);
            break;
    }
}

void Generator::loadConstant(double f) {
    if (f == 1) {
        emitter_.emit({X87::Fld1});
    } else if (f == 0) {
        emitter_.emit({X87::Fldz});
    } else if (f == kPi) {
        emitter_.emit({X87::Fldpi});
    } else {
        emitter_.emit({X87::Fld, Base::DataArray, emitter_.newSlot(f)}, formatReal(f));
    }
}

// Emits list[first], then the others in order.
void Generator::emitFrom(std::vector<Pending>& list, std::size_t first) {
    emitter_.emit(list[first].ins, list[first].comment);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i != first) emitter_.emit(list[i].ins, list[i].comment);
    }
}

}  // namespace

CompiledFormula compileFormula(std::string_view text, std::span<const Point> inputs,
                               const ListingSink& listing) {
    return Generator(text, inputs, listing).run();
}

}  // namespace lr
