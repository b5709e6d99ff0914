#include <gtest/gtest.h>

#include <vector>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/branches.h"
#include "values.h"

using namespace lr;

namespace {

constexpr std::uint16_t kFalse = 0;
constexpr std::uint16_t kTrue = 1;

}  // namespace

class Branches : public HeadlessTest {};

TEST_F(Branches, IfElseComparesAsTheKindOfTheFirstOperand) {
    using namespace compare;
    struct Case {
        TData op1, op2;
        std::int32_t type;
        bool expected;
    };
    const Case cases[] = {
        {makeInteger(1), makeString("1"), Equal, true},
        {makeString("01"), makeInteger(1), Equal, false},
        {makeInteger(2), makeReal(2.4), Equal, true},  // the real is rounded to the first operand's kind
        {makeInteger(2), makeReal(2.5), Equal, true},  // halves to even
        {makeInteger(3), makeReal(2.5), Greater, true},
        {makeReal(2.4), makeInteger(2), Greater, true},
        {makeReal(1.5), makeString("1.5"), Equal, true},
        {makeString("b"), makeString("a"), Greater, true},
        {makeString("B"), makeString("a"), Less, true},        // case-sensitive byte order
        {makeString("\xE0"), makeString("z"), Greater, true},  // bytes above 127 sort last
        {makeString("10"), makeInteger(9), Less, true},        // text order, not number order
        {makeInteger(5), makeInteger(5), LessOrEqual, true},
        {makeInteger(5), makeInteger(5), GreaterOrEqual, true},
        {makeInteger(5), makeInteger(5), NotEqual, false},
        {makeInteger(4), makeInteger(5), NotEqual, true},
        {makeInteger(4), makeInteger(5), GreaterOrEqual, false},
        {makeNull(), makeNull(), Equal, true},
        {makeNull(), makeNull(), NotEqual, true},  // Null only asks whether the other is Null too
        {makeNull(), makeNull(), Less, true},
        {makeNull(), makeInteger(0), Equal, false},
        {makeNull(), makeInteger(0), NotEqual, false},
        {makeInteger(0), makeNull(), Equal, true},
    };
    THIIf_else branch;
    Recorder rec;
    branch.onTrue = rec.point(kTrue);
    branch.onFalse = rec.point(kFalse);
    for (const Case& c : cases) {
        Source op1(c.op1), op2(c.op2);
        branch.Op1 = op1.point();
        branch.Op2 = op2.point();
        branch.Type = c.type;
        fireAt<&THIIf_else::doCompare>(branch, makeString("payload"));
        EXPECT_EQ(rec.indexes.back(), c.expected ? kTrue : kFalse)
            << toString(c.op1) << " type " << c.type << " " << toString(c.op2);
        EXPECT_EQ(toString(rec.values.back()), "payload");
    }
}

TEST_F(Branches, IfElseTakesMissingOperandsFromTheEventAndForwardsItUntouched) {
    THIIf_else branch;
    branch.Type = compare::Less;
    Recorder rec;
    branch.onTrue = rec.point(kTrue);
    branch.onFalse = rec.point(kFalse);
    fireAt<&THIIf_else::doCompare>(branch, listOf({makeInteger(3), makeInteger(4)}));
    branch.Op2_ = makeInteger(2);
    fireAt<&THIIf_else::doCompare>(branch, listOf({makeInteger(3), makeInteger(4)}));
    EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{kTrue, kFalse}));
    EXPECT_EQ(textsOf(rec.values[0]), (std::vector<std::string>{"3", "4"}));
    EXPECT_EQ(textsOf(rec.values[1]), (std::vector<std::string>{"3", "4"}));
}

TEST_F(Branches, BetweenOpensTheEndsItsTypeNames) {
    struct Case {
        std::int32_t type;
        std::vector<bool> inside;  // for 0, 5 and 10 between 0 and 10
    };
    const Case cases[] = {
        {0, {true, true, true}},
        {1, {false, true, true}},
        {2, {true, true, false}},
        {3, {false, true, false}},
    };
    THIBetween between;
    between.Min_ = makeInteger(0);
    between.Max_ = makeInteger(10);
    Recorder rec;
    between.onTrue = rec.point(kTrue);
    between.onFalse = rec.point(kFalse);
    for (const Case& c : cases) {
        between.Type = c.type;
        std::vector<bool> inside;
        for (std::int32_t v : {0, 5, 10}) {
            fireAt<&THIBetween::doCompare>(between, makeInteger(v));
            inside.push_back(rec.indexes.back() == kTrue);
            EXPECT_EQ(rec.values.back().intValue, v) << "the value travels on";
        }
        EXPECT_EQ(inside, c.inside) << "type " << c.type;
    }
}

TEST_F(Branches, BetweenReadsItsValueInput) {
    THIBetween between;
    between.Type = 2;
    between.Min_ = makeReal(0.5);
    between.Max_ = makeReal(1.5);
    Source value(makeString("1.5"));
    between.Value = value.point();
    Recorder rec;
    between.onFalse = rec.point();
    fireAt<&THIBetween::doCompare>(between, makeInteger(1));
    EXPECT_EQ(rec.texts(), std::vector<std::string>{"1.5"});
}

class SwitchTest : public HeadlessTest {
  protected:
    void SetUp() override {
        sw.onSwitch = switched.point();
        sw.onOn = rec.point(kTrue);
        sw.onOff = rec.point(kFalse);
    }
    std::string state() {
        TData d;
        sw.State(d);
        return toString(d);
    }
    THISwitch sw;
    Recorder switched, rec;
};

TEST_F(SwitchTest, StartsOnUnlessDefaultIsSet) {
    EXPECT_EQ(state(), "1");
    fireAt<&THISwitch::doOn>(sw);
    EXPECT_TRUE(rec.values.empty()) << "already on";
    fireAt<&THISwitch::doSwitch>(sw);
    fireAt<&THISwitch::doOff>(sw);
    fireAt<&THISwitch::doSwitch>(sw);
    EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{kFalse, kTrue}));
    EXPECT_EQ(switched.texts(), (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(state(), "1");
}

TEST_F(SwitchTest, DefaultStartsOffWithDataOff) {
    sw.Default = true;
    sw.DataOn_ = makeString("lit");
    sw.DataOff_ = makeString("dark");
    EXPECT_EQ(state(), "dark");
    fireAt<&THISwitch::doOff>(sw);
    EXPECT_TRUE(rec.values.empty()) << "already off";
    fireAt<&THISwitch::doOn>(sw, makeInteger(42));
    EXPECT_EQ(rec.indexes, std::vector<std::uint16_t>{kTrue});
    EXPECT_EQ(rec.texts(), std::vector<std::string>{"lit"}) << "the event value is not used";
    EXPECT_EQ(state(), "lit");
}

TEST_F(SwitchTest, ConnectedDataInputsWin) {
    Source on(listOf({makeInteger(7), makeInteger(8)}));
    sw.DataOn = on.point();
    fireAt<&THISwitch::doSwitch>(sw);
    fireAt<&THISwitch::doSwitch>(sw);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"0", "7"}));
    EXPECT_EQ(listLength(rec.values[1]), 1u);
    EXPECT_EQ(state(), "7");
}
