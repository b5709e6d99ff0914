#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "compiler_harness.h"
#include "expr/float_check.h"
#include "formula_harness.h"
#include "headless_fixture.h"
#include "runtime/error.h"

using namespace lr;

class Compiler : public HeadlessTest {};

namespace {
const std::vector<std::string> kPrologue = {
    "53      \tpush    ebx",
    "56      \tpush    esi",
    "8BD8    \tmov     ebx,eax \tself",
    "8BF2    \tmov     esi,edx \tdata array",
    "--------\t-----------------\tBEGIN equation",
};
const std::vector<std::string> kEpilogue = {
    "--------\t-----------------\tEND equation",
    "9B      \tfwait",
    "5E      \tpop     esi",
    "5B      \tpop     ebx",
    "C3      \tret",
};
// The listing lines between BEGIN and END.
std::vector<std::string> body(const Recorder& listing) {
    std::vector<std::string> lines = listing.texts();
    EXPECT_GE(lines.size(), kPrologue.size() + kEpilogue.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5), kPrologue);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 5, lines.end()), kEpilogue);
    return {lines.begin() + 5, lines.end() - 5};
}
}  // namespace

TEST_F(Compiler, WorkedExampleListing) {
    CompilerHarness h("%2 / (%1/8)", {64, 100}, 0);
    h.calc();
    EXPECT_EQ(body(h.listing), (std::vector<std::string>{
                                   "DD06    \tfld     [esi+8*0]\tX2",
                                   "DC7608  \tfdiv    [esi+8*1]\tX1",
                                   "DC4E10  \tfmul    [esi+8*2]\t8",
                               }));
    EXPECT_EQ(h.results.values.at(0).kind, kind::Integer);
    EXPECT_EQ(h.results.values.at(0).intValue, 12) << "12.5 rounds to even";
    EXPECT_EQ(h.compiler.code(),
              std::string("\x53\x56\x8B\xD8\x8B\xF2\xDD\x06\xDC\x76\x08\xDC\x4E\x10\x9B\x5E\x5B\xC3"));
    h.sources[0].value = makeInteger(0);
    EXPECT_EQ(h.errorOf(), fpu::ZeroDivide);
    h.results.values.clear();
    TData r;
    h.compiler.Result(r);
    EXPECT_TRUE(isNull(r)) << "a failed calculation leaves Result empty";
    EXPECT_EQ(h.listing.values.size(), 13u) << "the routine is generated once";
}

TEST_F(Compiler, ListingsOfFoldingAndFusing) {
    struct Case {
        const char* formula;
        std::vector<std::string> body;
    };
    const std::vector<Case> cases = {
        {"%1/32", {"DD06    \tfld     [esi+8*0]\tX1", "DC4E08  \tfmul    [esi+8*1]\t0.03125"}},
        {"2 + %1 + 3", {"DD06    \tfld     [esi+8*0]\tX1", "DC4608  \tfadd    [esi+8*1]\t5"}},
        {"%1 / 4", {"DD06    \tfld     [esi+8*0]\tX1", "DC4E08  \tfmul    [esi+8*1]\t0.25"}},
        {"-(%1+%2)",
         {"DD06    \tfld     [esi+8*0]\tX1", "DC4608  \tfadd    [esi+8*1]\tX2", "D9E0    \tfchs"}},
        {"1", {"D9E8    \tfld1"}},
        {"0", {"D9EE    \tfldz"}},
        {"pi", {"D9EB    \tfldpi"}},
        {"2*(-3)", {"DD06    \tfld     [esi+8*0]\t-6"}},
        {"%0 + 1", {"DD4318  \tfld     [ebx+24]  \tFResult", "DC06    \tfadd    [esi+8*0]\t1"}},
        {"%1 * %0", {"DD06    \tfld     [esi+8*0]\tX1", "DC4B18  \tfmul    [ebx+24]  \tFResult"}},
        {"3 - %1", {"DD06    \tfld     [esi+8*0]\tX1", "DC6E08  \tfsubr   [esi+8*1]\t3"}},
        {"-%1 + %2", {"DD4608  \tfld     [esi+8*1]\tX2", "DC26    \tfsub    [esi+8*0]\tX1"}},
        {"1 / %1", {"DD06    \tfld     [esi+8*0]\tX1", "DC7E08  \tfdivr   [esi+8*1]\t1"}},
        {"%1*%2 + %3*%1",
         {"DD06    \tfld     [esi+8*0]\tX1", "DC4E08  \tfmul    [esi+8*1]\tX2",
          "DD4610  \tfld     [esi+8*2]\tX3", "DC0E    \tfmul    [esi+8*0]\tX1",
          "DEC1    \tfaddp   st(1),st"}},
        {"(%1+1)*(%2+2)",
         {"DD06    \tfld     [esi+8*0]\tX1", "DC4608  \tfadd    [esi+8*1]\t1",
          "DD4610  \tfld     [esi+8*2]\tX2", "DC4618  \tfadd    [esi+8*3]\t2", "DEC9    \tfmulp   st(1),st"}},
        {"%1 - (%2 - %3)",
         {"DD06    \tfld     [esi+8*0]\tX1", "DC6608  \tfsub    [esi+8*1]\tX2",
          "DC4610  \tfadd    [esi+8*2]\tX3"}},
    };
    for (const auto& c : cases) {
        CompilerHarness h(c.formula, {1, 2, 3});
        h.calc();
        EXPECT_EQ(body(h.listing), c.body) << c.formula;
    }
}

TEST_F(Compiler, LargeSlotNumbersUseFourByteDisplacements) {
    std::string formula = "(%1+1)";
    for (int i = 2; i <= 20; ++i)
        formula += "*(%1+" + std::to_string(i) + ")";
    CompilerHarness h(formula, {1});
    EXPECT_DOUBLE_EQ(h.calc(), 51090942171709440000.0);
    const std::vector<std::string> lines = body(h.listing);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "DC4678  \tfadd    [esi+8*15]\t15"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "DC8680000000\tfadd    [esi+8*16]\t16"), lines.end());
}

TEST_F(Compiler, Results) {
    struct Case {
        const char* formula;
        std::vector<double> inputs;
        double expected;
    };
    const std::vector<Case> cases = {
        {"%1 + %2*256 + %3*65536", {1, 2, 3}, 197121},
        {"-(%1+%2)", {1, 2}, -3},
        {"2*(-3)", {}, -6},
        {"2 e 5", {}, 200000},
        {"2.5E -1 * 4", {}, 1},
        {"1.", {}, 1},
        {".5 + PI - pi + E - e", {}, 0.5},
        {"%1 - (%2 - %3)", {1, 2, 3}, 2},
        {"-%1 - (-%2)", {1, 2}, 1},
        {"%1 / (%2 / (%3 / %1))", {2, 4, 8}, 2},
        {"1 / (%1 - %2) / 2", {3, 1}, 0.25},
        {"(%1 - %2) * (%2 - %1) - (%1 * 2 - %2 / 2)", {3, 1}, -9.5},
        {"%1\t*\t3", {2}, 6},
        {"% 1 + 1", {2}, 3},
        {"2 + %1 + 3", {1}, 6},
    };
    for (const auto& c : cases) {
        CompilerHarness h(c.formula, c.inputs);
        EXPECT_DOUBLE_EQ(h.calc(), c.expected) << c.formula;
    }
}

TEST_F(Compiler, Errors) {
    struct Case {
        const char* formula;
        int code;
    };
    const std::vector<Case> cases = {
        {"", error::Syntax},
        {"2*-3", error::Syntax},
        {"2^3", error::Syntax},
        {"%1 mod %2", error::Syntax},
        {"sin(%1)", error::Syntax},
        {"%3", error::Syntax},
        {"%", error::Syntax},
        {"%1.5", error::Syntax},
        {"(%1", error::Syntax},
        {"%1)", error::Syntax},
        {".", error::Syntax},
        {"2 e", error::Syntax},
        {"2e+x", error::Syntax},
        {"1 -- 1", error::Syntax},
        {"1 + +1", error::Syntax},
        {"%1 # 2", error::Syntax},
        {"1\n+1", error::Syntax},
        {"1, 2", error::Syntax},
        {"%1/0", fpu::ZeroDivide},
        {"%1/(2-2)", fpu::ZeroDivide},
        {"1e400", fpu::Overflow},
        {"1e200*%1*1e200", fpu::Overflow},
        {"1e308 * 10 / 100", fpu::Overflow},  // constants fold in doubles
    };
    for (const auto& c : cases) {
        CompilerHarness h(c.formula, {1, 2});
        EXPECT_EQ(h.errorOf(), c.code) << c.formula;
        EXPECT_TRUE(h.results.values.empty()) << c.formula;
        EXPECT_TRUE(h.compiler.code().empty()) << c.formula << ": a failed generation keeps no routine";
    }
}

TEST_F(Compiler, RuntimeFaultsAreRaised) {
    CompilerHarness div("%1/%2", {0, 0});
    EXPECT_EQ(div.errorOf(), fpu::Invalid) << "0/0";
    div.sources[0].value = makeInteger(1);
    EXPECT_EQ(div.errorOf(), fpu::ZeroDivide);
    CompilerHarness big("%1*%1*%1", {1e200});
    EXPECT_EQ(big.errorOf(), fpu::Overflow) << "no infinity leaves the routine";
    CompilerHarness extended("%1*%1/%1", {1e200});
    EXPECT_DOUBLE_EQ(extended.calc(), 1e200) << "intermediates have the extended range";
}

TEST_F(Compiler, FailedGenerationIsRepeatedAtEveryCalculation) {
    CompilerHarness h("%1 + 1 2", {1});
    h.compiler.setDefault(3);
    EXPECT_EQ(h.errorOf(), error::Syntax);
    TData r;
    h.compiler.Result(r);
    EXPECT_TRUE(isNull(r)) << "Result reads empty after any failed calculation";
    const std::size_t lines = h.listing.values.size();
    EXPECT_EQ(lines, 12u) << "the listing is complete before the leftover text is found";
    EXPECT_EQ(h.errorOf(), error::Syntax);
    EXPECT_EQ(h.listing.values.size(), 2 * lines);
    EXPECT_TRUE(h.results.values.empty());
}

TEST_F(Compiler, UnconnectedInputReadsTheCalculationData) {
    THIFastMathParse compiler(2);
    Recorder rec, listing;
    compiler.onResult = rec.point();
    compiler.onListing = listing.point();
    compiler.setFormula("%1*7 + %1");
    TData data = makeString("3");
    compiler.doCalc(data);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"24"}));
    EXPECT_EQ(listing.texts().at(5), "DD06    \tfld     [esi+8*0]\tfrom input Data");

    THIFastMathParse two(2);
    two.setFormula("%1+%2");
    EXPECT_THROW(two.doCalc(data), ElementError);
    try {
        two.doCalc(data);
    } catch (const ElementError& e) {
        EXPECT_EQ(e.code(), error::NoData);
    }
}

TEST_F(Compiler, ConnectedInputDeliveringNothingIsMissingData) {
    THIFastMathParse compiler(1);
    Source empty{TData{}};
    compiler.X[0] = empty.point();
    compiler.setFormula("%1 + 1");
    TData none;
    try {
        compiler.doCalc(none);
        ADD_FAILURE() << "no error";
    } catch (const ElementError& e) {
        EXPECT_EQ(e.code(), error::NoData);
    }
    TData r;
    compiler.Result(r);
    EXPECT_TRUE(isNull(r));
}

TEST_F(Compiler, PreviousResultCountsFromDefault) {
    THIFastMathParse compiler(1);
    Recorder rec;
    compiler.onResult = rec.point();
    compiler.setDefault(5);
    TData r;
    compiler.Result(r);
    EXPECT_EQ(toInteger(r), 5) << "Default makes the result valid before any calculation";
    compiler.setFormula("%0 + 1");
    TData none;
    for (int i = 0; i < 3; ++i)
        compiler.doCalc(none);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"6", "7", "8"}));
}

TEST_F(Compiler, DeepStacksSpillAndReload) {
    std::string nested = "%1*%2";
    for (int i = 0; i < 8; ++i)
        nested = "%1*%2+(" + nested + ")";
    CompilerHarness h(nested, {2, 3});
    EXPECT_DOUBLE_EQ(h.calc(), 54);
    const std::vector<std::string> lines = body(h.listing);
    const auto count = [&](const std::string& needle) {
        return std::count_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return l.find(needle) != std::string::npos; });
    };
    EXPECT_EQ(count("fdecstp"), 1);
    EXPECT_EQ(count("\tPush FPU"), 1);
    EXPECT_EQ(count("\tPop FPU"), 1);

    std::string divisions = "%1";
    for (int i = 0; i < 20; ++i)
        divisions = (i % 2 ? "%2-%1/(" : "%1-%2*(") + divisions + "+%1*%2)";
    CompilerHarness d(divisions, {1.5, 2.25});
    FormulaHarness reference({1.5, 2.25});
    EXPECT_NEAR(d.calc(), reference.run(divisions).value, 1e-9);
}

TEST_F(Compiler, DeepNestingIsASyntaxError) {
    CompilerHarness h(std::string(100000, '(') + "1" + std::string(100000, ')'), {});
    EXPECT_EQ(h.errorOf(), error::Syntax);
}

namespace {

// Random formulas of the compiler's language (which the interpreter also reads).
class FormulaMaker {
  public:
    explicit FormulaMaker(std::uint32_t seed) : random_(seed) {}
    std::string expression(int depth) {
        std::string s = pick(4) == 0 ? "-" : "";
        s += term(depth);
        for (int n = pick(3); n > 0; --n)
            s += (pick(2) ? " + " : " - ") + term(depth);
        return s;
    }

  private:
    std::string term(int depth) {
        std::string s = primary(depth);
        for (int n = pick(3); n > 0; --n)
            s += (pick(2) ? "*" : "/") + primary(depth);
        return s;
    }
    std::string primary(int depth) {
        switch (pick(depth > 0 ? 6 : 4)) {
            case 0:
                return std::to_string(1 + pick(9));
            case 1:
                return "%" + std::to_string(1 + pick(3));
            case 2:
                return pick(2) ? "pi" : "0.5";
            case 3:
                return "%" + std::to_string(pick(4));
            default:
                return "(" + expression(depth - 1) + ")";
        }
    }
    int pick(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }
    std::mt19937 random_;
};

}  // namespace

TEST_F(Compiler, AgreesWithTheInterpreter) {
    FormulaMaker maker(20240601);
    int compared = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::string formula = maker.expression(6);
        CompilerHarness compiled(formula, {1.25, -3, 7});
        compiled.compiler.setDefault(2);
        FormulaHarness interpreted({1.25, -3, 7});
        interpreted.parse.setDefault(2);
        const Outcome expected = interpreted.run(formula);
        const int code = compiled.errorOf();
        // The compiler may do without a failing division: x/(y/0) runs as x*0/y.
        if (!expected.ok) continue;
        ASSERT_EQ(code, 0) << formula;
        const double got = toReal(compiled.results.values.at(0));
        const double scale = std::max({1.0, std::fabs(got), std::fabs(expected.value)});
        ASSERT_NEAR(got, expected.value, 1e-9 * scale) << formula;
        ++compared;
    }
    EXPECT_GT(compared, 2000);
}
