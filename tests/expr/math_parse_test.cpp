#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "expr/math_parse.h"
#include "expr/matrix_accessor.h"
#include "formula_harness.h"
#include "headless_fixture.h"
#include "recorder.h"

using namespace lr;

namespace {

struct ValueCase {
    const char* formula;
    std::vector<double> inputs;
    double expected;
};

struct ErrorCase {
    std::string formula;
    int index;
    int line;
    int column;
};

}  // namespace

class MathParse : public HeadlessTest {};

TEST_F(MathParse, EvaluatesTheLanguage) {
    const std::vector<ValueCase> cases = {
        {"(%1 > 255)*255 +  (%1 < 256)*%1", {300}, 255},
        {"(%1 > 255)*255 +  (%1 < 256)*%1", {200}, 200},
        {"(%1=1)*1 + (%1=2)*2 + (%1=4)*3 + (%1=8)*4 + (%1=16)*5 + (%1=32)*6 + (%1=64)*7 + (%1=128)*8",
         {64},
         7},
        {"(%1=1)*1 + (%1=2)*2 + (%1=4)*3 + (%1=8)*4 + (%1=16)*5 + (%1=32)*6 + (%1=64)*7 + (%1=128)*8",
         {3},
         0},
        {"(%1=128) + (%1>128)*2", {127}, 0},
        {"(%1=128) + (%1>128)*2", {128}, 1},
        {"(%1=128) + (%1>128)*2", {200}, 2},
        {"(8-%1)", {3}, 5},
        {"300 + %1*23", {2}, 346},
        {"1 < 2 < 3", {}, 1},
        {"3 > 2 > 1", {}, 1},
        {"1 < 3 < 2", {}, 0},
        {"not 0", {}, 1},
        {"not 1 < 2", {}, 0},
        {"7 div 2", {}, 3},
        {"7.5 div 2", {}, 4},
        {"-7 mod 3", {}, -1},
        {"$FF & 15", {}, 15},
        {"0xff & 15", {}, 15},
        {"$FFFFFFFFFFFFFFFF", {}, -1},
        {"1 << 4", {}, 16},
        {"(-1) >> 60", {}, 15},
        {"1 << 64", {}, 0},
        {"6 | 9 ! 3", {}, 12},
        {"~0", {}, -1},
        {"round(2.5)", {}, 2},
        {"round (%1,%2)  ", {7, 5}, 5},
        {"floor(-0.5)", {}, -1},
        {"ceil(2.1)", {}, 3},
        {"frac(7, 5)", {}, 2},
        {"trunc(7, 0)", {}, 7},
        {"frac(7, 0)", {}, 0},
        {"2*(-3)", {}, -6},
        {"-2^2", {}, -4},
        {"2^3^2", {}, 64},
        {"2^63 & 1", {}, 2},
        {"2^(-2)", {}, 0.25},
        {"2^(-5000)", {}, 0},
        {"0^0", {}, 1},
        {"0^0.5", {}, 0},
        {"4^0.5", {}, 2},
        {"-2+3", {}, 1},
        {"1 and 2", {}, 1},
        {"0 or 0", {}, 0},
        {"1 xor 1", {}, 0},
        {"2 = 2 and 3", {}, 1},
        {"1.5e3 + .5", {}, 1500.5},
        {"PI - pi + E - e", {}, 0},
        {"min(3, 1, 2) + max(3, 7, 2)", {}, 8},
        {"log(2, 8)", {}, 3},
        {"lg(1000) + ln(1) + exp(0)", {}, 4},
        {"sqr(3) + sqrt(16) + abs(-2)", {}, 15},
        {"sign(-3) + sign(0) + sign(5)", {}, 0},
        {"odd(3) + odd(-3) + even(2) + even(3)", {}, 3},
        {"ch(0) + sh(0) + th(0)", {}, 1},
        {"arcsh(0) + arcch(1) + arcth(0)", {}, 0},
        {"1e-400 + 0", {}, 0},
        {"1\t+\r\n2", {}, 3},
    };
    for (const auto& c : cases) {
        FormulaHarness h(c.inputs);
        const Outcome o = h.run(c.formula);
        ASSERT_TRUE(o.ok) << c.formula << " failed with index " << o.errorIndex;
        EXPECT_DOUBLE_EQ(o.value, c.expected) << c.formula;
    }
}

TEST_F(MathParse, TrigonometryFollowsTheAngleMode) {
    FormulaHarness h({});
    h.parse.AngleMode = 1;
    EXPECT_DOUBLE_EQ(h.run("sin(90)").value, 1.0);
    EXPECT_NEAR(h.run("arctg(1)").value, 45.0, 1e-12);
    EXPECT_NEAR(h.run("atan(1, 0)").value, 90.0, 1e-12);
    EXPECT_NEAR(h.run("tg(45) + ctg(45)").value, 2.0, 1e-12);
    h.parse.AngleMode = 0;
    EXPECT_NEAR(h.run("arccos(0)").value, std::acos(0.0), 1e-15);
    EXPECT_NEAR(h.run("arcsin(1) + arcctg(1)").value, 3 * std::atan(1.0), 1e-15);
    EXPECT_NEAR(h.run("cos(pi)").value, -1.0, 1e-15);
    EXPECT_NEAR(h.run("arccth(2) + cth(1)").value, std::atanh(0.5) + 1 / std::tanh(1.0), 1e-15);
}

TEST_F(MathParse, ReportsErrorsWithTheirPlace) {
    const std::vector<ErrorCase> cases = {
        {"2*-3", 0, 1, 3},        {"", 0, 1, 1},
        {"1 +", 0, 1, 4},         {"(1", 0, 1, 3},
        {"1 # 2", 0, 1, 3},       {"foo(1)", 0, 1, 1},
        {"1 + bar", 0, 1, 5},     {"%2", 0, 1, 1},
        {"%", 0, 1, 1},           {"%-1", 0, 1, 1},
        {"sin 1", 0, 1, 5},       {"sin()", 0, 1, 5},
        {"sin(1, 2)", 0, 1, 9},   {"log(2)", 0, 1, 6},
        {"max(2)", 0, 1, 6},      {"mod(1, 2)", 0, 1, 1},
        {"not not 1", 0, 1, 5},   {"~~1", 0, 1, 2},
        {".", 0, 1, 1},           {"2e", 0, 1, 2},
        {"1\x01", 0, 1, 2},       {"1/0", 1, 1, 4},
        {"0/0", 1, 1, 4},         {"1e308 * 10", 1, 1, 11},
        {"sqrt(-1)", 1, 1, 9},    {"ln(0)", 1, 1, 6},
        {"2^5000", 1, 1, 7},      {"(-8)^(1/3)", 1, 1, 11},
        {"0^(-1)", 1, 1, 7},      {"5 mod 0", 1, 1, 8},
        {"1e400", 1, 1, 1},       {"$10000000000000000", 1, 1, 1},
        {"(2^63) & 1", 1, 1, 11}, {"1 +\r\n\r\n  2/0", 1, 3, 6},
        {"1 +\n2/0", 1, 1, 8},
    };
    for (const auto& c : cases) {
        FormulaHarness h({1});
        const Outcome o = h.run(c.formula);
        EXPECT_FALSE(o.ok) << c.formula;
        EXPECT_EQ(o.errorIndex, c.index) << c.formula;
        EXPECT_EQ(o.line, c.line) << c.formula;
        EXPECT_EQ(o.column, c.column) << c.formula;
    }
}

TEST_F(MathParse, DeepNestingIsASyntaxErrorNotACrash) {
    FormulaHarness h({});
    EXPECT_EQ(h.run(std::string(100000, '(')).errorIndex, 0);
    EXPECT_EQ(h.run(std::string(100000, '(') + "1" + std::string(100000, ')')).errorIndex, 0);
    EXPECT_EQ(h.run("sin" + std::string(5000, '(') + "0").errorIndex, 0);
    const std::string deepest =
        std::string(kMaxFormulaNesting, '(') + "1" + std::string(kMaxFormulaNesting, ')');
    EXPECT_TRUE(h.run(deepest).ok);
    EXPECT_EQ(h.run("(" + deepest + ")").errorIndex, 0);
}

TEST_F(MathParse, LongFormulasAndHugeExponents) {
    FormulaHarness h({1});
    std::string sum = "0";
    for (int i = 0; i < 20000; ++i)
        sum += "+%1";
    EXPECT_DOUBLE_EQ(h.run(sum).value, 20000);
    EXPECT_DOUBLE_EQ(h.run("1^1e308 + (-1)^1e308").value, 2);
    EXPECT_DOUBLE_EQ(h.run("0.5^1e308").value, 0);
    EXPECT_EQ(h.run("2^1e308").errorIndex, 1);
    EXPECT_EQ(h.run("1e99999999999 * 0").errorIndex, 1) << "a literal too large is an overflow, not 0";
    EXPECT_DOUBLE_EQ(h.run("1e-99999999999 + 1").value, 1);
}

TEST_F(MathParse, ReadsEachInputOncePerCalculation) {
    int reads = 0;
    struct Counting : Element {
        int* reads;
        void get(TData& d) {
            ++*reads;
            d = makeInteger(300);
        }
    } counting;
    counting.reads = &reads;
    THIMathParse parse(1);
    parse.X[0] = bind<&Counting::get>(counting);
    Recorder rec;
    parse.onResult = rec.point();
    parse.setFormula("(%1 > 255)*255 +  (%1 < 256)*%1");
    TData none;
    parse.doCalc(none);
    parse.doCalc(none);
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"255", "255"}));
}

TEST_F(MathParse, UnconnectedInputsTakeTheItemsOfTheData) {
    THIMathParse parse(3);
    Source second(makeInteger(100));
    parse.X[1] = second.point();
    Recorder rec;
    parse.onResult = rec.point();
    TData data = makeInteger(5);
    append(data, makeString("7"));
    parse.setFormula("%3*10 + %1 + %2 + %3");  // %3 is read first: it takes the first item
    parse.doCalc(data);
    parse.setFormula("%1 + %3");  // one item only: the second unconnected input reads empty, 0
    TData one = makeInteger(4);
    parse.doCalc(one);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"162", "4"}));
    EXPECT_EQ(toInteger(data), 5) << "the caller's data is left as it was";
}

TEST_F(MathParse, PreviousResultAndDefault) {
    FormulaHarness h({});
    h.parse.setDefault(10);
    EXPECT_DOUBLE_EQ(h.run("%0 + 1").value, 11);
    EXPECT_DOUBLE_EQ(h.run("%0 + 1").value, 12);
    EXPECT_FALSE(h.run("%0 + 1/0").ok);
    TData r;
    h.parse.Result(r);
    EXPECT_TRUE(isNull(r));
    EXPECT_EQ(r.intValue, 1);
    EXPECT_EQ(r.text, "MathParse Exception");
    EXPECT_DOUBLE_EQ(h.run("%0 + 1").value, 11) << "the calculation after a failure starts from Default";
}

TEST_F(MathParse, ResultTypeRoundsHalvesToEven) {
    FormulaHarness h({});
    h.parse.ResultType = 0;
    h.run("2.5");
    EXPECT_EQ(h.results.values.at(0).kind, kind::Integer);
    EXPECT_EQ(h.results.values.at(0).intValue, 2);
    h.run("3.5");
    EXPECT_EQ(h.results.values.at(0).intValue, 4);
}

TEST_F(MathParse, AFailedInterpreterAsInputPassesItsFailureOn) {
    FormulaHarness first({});
    THIMathParse second(1);
    second.X[0] = bind<&THIMathParse::Result>(first.parse);
    Recorder errors;
    second.onError = errors.point();
    second.setFormula("%1 + 1");
    TData none;
    first.run("1 +");  // syntax: index 0 -> code 34
    second.doCalc(none);
    first.run("1/0");  // calculation: index 1 -> code 10
    second.doCalc(none);
    EXPECT_EQ(errors.texts(), (std::vector<std::string>{"0", "1"}));
}

TEST_F(MathParse, ArraysMatricesAndCalls) {
    struct Items : Element {
        static bool get(void*, TData& index, TData& value) {
            if (toInteger(index) > 2) return false;
            value = makeInteger(toInteger(index) * 10);
            return true;
        }
        static bool cell(void*, std::int32_t row, std::int32_t column, TData& value) {
            value = makeInteger(row * 100 + column);
            return true;
        }
        void sum(TData& d) {
            double s = 0;
            for (const TData* i = &d; i && !isNull(*i); i = i->next.get())
                s += toReal(*i);
            d = makeReal(s);
        }
    } items;
    ArrayAccessor array;
    array.getItem = &Items::get;
    MatrixAccessor matrix;
    matrix.getItem = &Items::cell;
    THIMathParse parse(3);
    Source a(makeArray(&array));
    Source m(makeMatrix(&matrix));
    parse.X[0] = a.point();
    parse.X[1] = m.point();
    parse.X[2] = bind<&Items::sum>(items);
    Recorder rec, errors;
    parse.onResult = rec.point();
    parse.onError = errors.point();
    TData none;
    for (const char* f :
         {"%1[2] + %2[3, 4]", "%3(1, 2, 3)", "%1[1+1]*%1[1]", "%1[3]", "%2[1]", "%1[1, 1]", "%1[1"}) {
        parse.setFormula(f);
        parse.doCalc(none);
    }
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"324", "6", "200"}));
    EXPECT_EQ(errors.texts(), (std::vector<std::string>{"1", "1", "1", "0"}));
}

TEST_F(MathParse, FunctionInputResolvesOtherNames) {
    struct Functions : Element {
        void answer(TData& d) {
            std::string call = d.text;
            for (const TData* i = d.next.get(); i; i = i->next.get()) {
                call += ',';
                call += toString(*i);
            }
            calls.push_back(call);
            d = d.text == "Nothing" ? makeNull() : makeInteger(static_cast<std::int32_t>(call.size()));
        }
        std::vector<std::string> calls;
    } functions;
    THIMathParse parse(2);
    parse.FunctionInput = 2;
    parse.X[1] = bind<&Functions::answer>(functions);
    Recorder rec, errors;
    parse.onResult = rec.point();
    parse.onError = errors.point();
    TData none;
    for (const char* f : {"Foo(1, 2.5)", "bar", "1 + Nothing", "%2", "and(1)"}) {
        parse.setFormula(f);
        parse.doCalc(none);
    }
    EXPECT_EQ(functions.calls, (std::vector<std::string>{"Foo,1,2.5", "bar", "Nothing"}));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"9", "3"}));
    EXPECT_EQ(errors.texts(), (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_EQ(parse.errorPosition().column, 1);
}

TEST_F(MathParse, FormulaCanBeReplacedAtRunTime) {
    FormulaHarness h({});
    h.parse.setFormula("1");
    TData text = makeString("2+2");
    h.parse.doFormula(text);
    TData null;
    h.parse.doFormula(null);
    TData none;
    h.parse.doCalc(none);
    EXPECT_EQ(h.results.texts(), (std::vector<std::string>{"4"}));
}

TEST_F(MathParse, WithoutAnErrorOutputTheErrorIsShownInABox) {
    THIMathParse parse(1);
    parse.setFormula("2*-3");
    TData none;
    parse.doCalc(none);
    ASSERT_EQ(boxes.shown().size(), 1u);
    const ui::MessageBoxSpec& box = boxes.shown()[0];
    EXPECT_EQ(box.caption, "String-Debug");
    EXPECT_EQ(box.buttons, ui::Buttons::Ok);
    EXPECT_EQ(box.icon, ui::Icon::None);
    // "Ошибка синтаксиса в элементе MathParser\r\nОбнаружена в строке:позиции - 1:3" in code page 1251
    const std::string expected =
        "\xCE\xF8\xE8\xE1\xEA\xE0 \xF1\xE8\xED\xF2\xE0\xEA\xF1\xE8\xF1\xE0 \xE2 "
        "\xFD\xEB\xE5\xEC\xE5\xED\xF2\xE5 MathParser\r\n"
        "\xCE\xE1\xED\xE0\xF0\xF3\xE6\xE5\xED\xE0 \xE2 \xF1\xF2\xF0\xEE\xEA\xE5:"
        "\xEF\xEE\xE7\xE8\xF6\xE8\xE8 - 1:3";
    EXPECT_EQ(box.text, expected);
    parse.setFormula("1/0");
    parse.doCalc(none);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].text.substr(0, 17),
              "\xCE\xF8\xE8\xE1\xEA\xE0 \xE2\xFB\xF7\xE8\xF1\xEB\xE5\xED\xE8\xFF");
    EXPECT_EQ(boxes.shown()[1].text.substr(boxes.shown()[1].text.size() - 3), "1:4");
}

TEST_F(MathParse, ReportsDoNotPileUpWhileOneIsOpen) {
    THIMathParse parse(1);
    parse.setFormula("1/0");
    TData none;
    // The box is modal but timers go on: the formula fails again on every tick while it is open.
    loop.startTimer(50, [&] { parse.doCalc(none); });
    int policyRuns = 0;
    boxes.setPolicy([&](const ui::MessageBoxSpec&) {
        ++policyRuns;
        loop.advance(500);
        return ui::Answer::Ok;
    });
    parse.doCalc(none);
    EXPECT_EQ(policyRuns, 1);
    EXPECT_EQ(boxes.shown().size(), 1u);
    boxes.setPolicy({});
    loop.advance(50);
    EXPECT_EQ(boxes.shown().size(), 2u) << "once closed, the next error is shown again";
}
