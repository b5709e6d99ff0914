// The compiler on arbitrary bytes as its formula. Every formula compiles and runs or raises 34, 10 or
// a floating-point error; the listing carries exactly the bytes of the routine; results are finite;
// and where the interpreter reads the same formula without an error, the compiler's code never
// faults its register stack.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "expr/fast_math_parse.h"
#include "expr/float_check.h"
#include "expr/math_parse.h"
#include "runtime/error.h"
#include "runtime/point.h"

namespace {

struct Inputs : lr::Element {
    void first(lr::TData& d) { d = lr::makeReal(1.25); }
    void second(lr::TData& d) { d = lr::makeInteger(-3); }
    void ignore(lr::TData&) {}
};

struct Listing : lr::Element {
    void take(lr::TData& d) {
        const std::size_t tab = d.text.find('\t');
        if (tab == std::string::npos || tab < 8) std::abort();
        if (d.text.compare(0, 8, "--------") == 0) return;
        hex += d.text.substr(0, d.text.find(' ') < tab ? d.text.find(' ') : tab);
    }
    std::string hex;
};

void check(bool ok) {
    if (!ok) std::abort();
}

std::string hexOf(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : bytes) {
        out += kHex[static_cast<unsigned char>(c) >> 4];
        out += kHex[static_cast<unsigned char>(c) & 15];
    }
    return out;
}

// 0 on success, else the error code.
int calculate(lr::THIFastMathParse& compiler) {
    lr::TData data = lr::makeReal(7);
    try {
        compiler.doCalc(data);
    } catch (const lr::ElementError& e) {
        check(e.code() == lr::error::Syntax || e.code() == lr::error::NoData ||
              lr::fpu::isFloatError(e.code()));
        return e.code();
    }
    lr::TData result;
    compiler.Result(result);
    check(std::isfinite(lr::toReal(result)));
    return 0;
}

bool interpreterAccepts(std::string_view formula, Inputs& inputs) {
    lr::THIMathParse parse(3);
    parse.X[0] = lr::bind<&Inputs::first>(inputs);
    parse.X[1] = lr::bind<&Inputs::second>(inputs);
    parse.onError = lr::bind<&Inputs::ignore>(inputs);
    parse.setFormula(formula);
    lr::TData data = lr::makeReal(7);
    parse.doCalc(data);
    return parse.errorIndex() < 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lr::installDispatch();
    const std::string_view formula(reinterpret_cast<const char*>(data), size);
    Inputs inputs;
    Listing listing;
    lr::THIFastMathParse compiler(3);
    compiler.X[0] = lr::bind<&Inputs::first>(inputs);
    compiler.X[1] = lr::bind<&Inputs::second>(inputs);
    compiler.onListing = lr::bind<&Listing::take>(listing);
    compiler.ResultType = 1;
    compiler.setFormula(formula);
    const int first = calculate(compiler);
    if (!compiler.code().empty()) check(listing.hex == hexOf(compiler.code()));
    const int second = calculate(compiler);
    check(compiler.code().empty() || first == 0 || first == second);
    if (first == lr::fpu::Invalid) check(!interpreterAccepts(formula, inputs));
    return 0;
}
