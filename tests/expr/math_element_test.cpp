#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expr/math_element.h"
#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/error.h"

using namespace lr;

class MathElement : public HeadlessTest {
  protected:
    MathElement() {
        math.onResult = results.point();
        math.onZeroDiv = zeroDivs.point();
    }
    void run(void (THIMath::*op)(TData&), TData data) { (math.*op)(data); }
    std::string result() {
        TData r;
        math.Result(r);
        return isNull(r) ? "empty" : toString(r);
    }

    THIMath math;
    Recorder results;
    Recorder zeroDivs;
};

TEST_F(MathElement, OperationsOnTheEventAndTheProperties) {
    struct Case {
        void (THIMath::*op)(TData&);
        double op1;
        double input;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {&THIMath::doAdd, 0, 2.5, "2.5"},  {&THIMath::doSub, 8, 3, "5"},
        {&THIMath::doMul, 0, 4, "0"},      {&THIMath::doDiv, 9, 2, "4.5"},
        {&THIMath::doXor, 6, 3, "5"},      {&THIMath::doXor, 6.5, 2.5, "4"},
        {&THIMath::doIntDiv, 80, 2, "40"}, {&THIMath::doIntDiv, 7.5, 2, "4"},
        {&THIMath::doIntDiv, -7, 2, "-3"},
    };
    for (const auto& c : cases) {
        math.Op1_ = c.op1;
        results.values.clear();
        run(c.op, makeReal(c.input));
        EXPECT_EQ(results.texts(), (std::vector<std::string>{c.expected})) << c.expected;
    }
}

TEST_F(MathElement, ConnectedInputsWinAndIntegerResultsRound) {
    Source a(makeInteger(7)), b(makeString("2"));
    math.Op1 = a.point();
    math.Op2 = b.point();
    math.ResultType = 0;
    run(&THIMath::doDiv, makeInteger(100));
    EXPECT_EQ(results.values.at(0).kind, kind::Integer);
    EXPECT_EQ(results.texts(), (std::vector<std::string>{"4"})) << "3.5 rounds to even";
}

TEST_F(MathElement, ZeroDivisorGivesDefaultAndAnEmptyResult) {
    math.setDefault(3);
    EXPECT_EQ(result(), "3");
    math.Op1_ = 1;
    run(&THIMath::doDiv, makeInteger(0));
    EXPECT_TRUE(results.values.empty());
    EXPECT_EQ(zeroDivs.values.size(), 1u);
    EXPECT_EQ(result(), "empty");
    run(&THIMath::doIntDiv, makeReal(0.4));
    EXPECT_EQ(zeroDivs.values.size(), 2u) << "0.4 rounds to a zero divisor";
    run(&THIMath::doAdd, makeInteger(1));
    EXPECT_EQ(result(), "2");
}

TEST_F(MathElement, FloatingPointFaultsRaiseErrors) {
    math.Op1_ = 1e308;
    EXPECT_THROW(run(&THIMath::doMul, makeInteger(10)), ElementError);
    EXPECT_THROW(run(&THIMath::doXor, makeReal(1e19)), ElementError);
    EXPECT_TRUE(results.values.empty());
}
