#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/counters.h"
#include "values.h"

using namespace lr;

namespace {

std::vector<std::int32_t> intsOf(const Recorder& rec) {
    std::vector<std::int32_t> out;
    for (const TData& v : rec.values)
        out.push_back(toInteger(v));
    return out;
}

}  // namespace

class Counters : public HeadlessTest {};

TEST_F(Counters, CounterStepsAndWraps) {
    struct Case {
        std::int32_t type, min, max, step;
        std::vector<std::int32_t> expected;  // five steps from the start value 0
    };
    const Case cases[] = {
        {0, 0, 2, 1, {1, 2, 0, 1, 2}}, {1, 0, 2, 1, {2, 1, 0, 2, 1}},   {0, 0, 4, 2, {2, 4, 0, 2, 4}},
        {0, 0, 4, 3, {3, 0, 3, 0, 3}}, {0, 0, 359, 1, {1, 2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        THICounter counter;
        counter.Type = c.type;
        counter.Min = c.min;
        counter.Max = c.max;
        counter.Step = c.step;
        Recorder rec;
        counter.onCounter = rec.point();
        for (int i = 0; i < 5; ++i)
            fireAt<&THICounter::doNext>(counter);
        EXPECT_EQ(intsOf(rec), c.expected) << "type " << c.type << " step " << c.step;
    }
}

TEST_F(Counters, CounterResetGoesToTheStartingEnd) {
    THICounter counter;
    counter.Min = 3;
    counter.Max = 9;
    TData d;
    counter.doReset(d);
    counter.Count(d);
    EXPECT_EQ(d.intValue, 3);
    counter.Type = 1;
    counter.doReset(d);
    counter.Count(d);
    EXPECT_EQ(d.intValue, 9);
}

TEST_F(Counters, CounterAtTheEdgeOfTheIntegerRangeWraps) {
    THICounter counter;
    counter.Min = INT_MAX - 1;
    counter.Max = INT_MAX;
    TData d;
    counter.doReset(d);
    Recorder rec;
    counter.onCounter = rec.point();
    fireAt<&THICounter::doNext>(counter);
    fireAt<&THICounter::doNext>(counter);
    EXPECT_EQ(intsOf(rec), (std::vector<std::int32_t>{INT_MAX, INT_MAX - 1}));
}

TEST_F(Counters, CounterExReportsTheWrapBeforeTheNewValue) {
    THICounterEx counter;
    counter.Min = 0;
    counter.Max = 100;
    Recorder next, max;
    counter.onNext = next.point();
    counter.onMax = max.point();
    std::vector<std::int32_t> seenAtMax;
    for (int i = 0; i < 102; ++i) {
        fireAt<&THICounterEx::doNext>(counter);
        if (max.values.size() == 1 && seenAtMax.empty()) seenAtMax = intsOf(next);
    }
    std::vector<std::int32_t> expected;
    for (int i = 1; i <= 100; ++i)
        expected.push_back(i);
    expected.push_back(0);
    expected.push_back(1);
    EXPECT_EQ(intsOf(next), expected);
    ASSERT_EQ(max.values.size(), 1u);
    EXPECT_TRUE(isNull(max.values[0]));
    EXPECT_EQ(seenAtMax.back(), 0) << "onMax fires once the new value is known, before onNext";
}

TEST_F(Counters, CounterExDownStartsAtItsStartValue) {
    THICounterEx counter;
    counter.Min = 0;
    counter.Max = 3;
    counter.Start = 1;
    counter.Direction = 1;
    Recorder rec;
    counter.onNext = rec.point(0);
    counter.onMin = rec.point(1);
    TData d;
    counter.Count(d);
    EXPECT_EQ(d.intValue, 1);
    for (int i = 0; i < 3; ++i)
        fireAt<&THICounterEx::doNext>(counter);
    EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{0, 1, 0, 0}));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"0", "", "3", "2"}));
}

class ForLoop : public HeadlessTest {
  protected:
    void SetUp() override {
        forLoop.onEvent = events.point();
        forLoop.onStop = stop.point();
        forLoop.onBreak = broke.point();
    }
    THIFor forLoop;
    Recorder events, stop, broke;
};

TEST_F(ForLoop, StepsFromStartToEnd) {
    struct Case {
        std::int32_t start, end, step;
        bool includeEnd;
        std::vector<std::int32_t> expected;
        std::int32_t last;
    };
    const Case cases[] = {
        {0, 3, 1, false, {0, 1, 2}, 3},
        {0, 3, 1, true, {0, 1, 2, 3}, 4},
        {3, 0, -1, false, {3, 2, 1}, 0},
        {3, 0, -1, true, {3, 2, 1, 0}, -1},
        {0, 10, 3, false, {0, 3, 6, 9}, 12},
        {0, 3, 0, true, {}, 0},
        {5, 3, 1, true, {}, 5},
        {INT_MAX - 2, INT_MAX, 1, true, {INT_MAX - 2, INT_MAX - 1, INT_MAX}, INT_MIN},
    };
    for (const Case& c : cases) {
        events.values.clear();
        stop.values.clear();
        forLoop.Start_ = c.start;
        forLoop.End_ = c.end;
        forLoop.Step = c.step;
        forLoop.IncludeEnd = c.includeEnd;
        fireAt<&THIFor::doFor>(forLoop, makeInteger(99));
        EXPECT_EQ(intsOf(events), c.expected) << c.start << ".." << c.end << " step " << c.step;
        EXPECT_EQ(intsOf(stop), std::vector<std::int32_t>{c.last});
        TData position;
        forLoop.Position(position);
        EXPECT_EQ(position.intValue, c.last);
    }
    EXPECT_TRUE(broke.values.empty());
}

TEST_F(ForLoop, BoundsComeFromTheEventOnlyWhenKept) {
    forLoop.Step = 1;
    TData bounds = makeInteger(2);
    append(bounds, makeInteger(5));
    fireAt<&THIFor::doFor>(forLoop, bounds);
    EXPECT_TRUE(events.values.empty()) << "the event is cleared first: both bounds are 0";
    forLoop.KeepData = true;
    fireAt<&THIFor::doFor>(forLoop, bounds);
    EXPECT_EQ(intsOf(events), (std::vector<std::int32_t>{2, 3, 4}));
    Source end(makeInteger(3));
    forLoop.End = end.point();
    events.values.clear();
    fireAt<&THIFor::doFor>(forLoop, bounds);
    EXPECT_EQ(intsOf(events), (std::vector<std::int32_t>{2})) << "a connected End wins over the event";
}

TEST_F(ForLoop, StopFromInsideEndsTheLoop) {
    struct Stopper : Element {
        THIFor* target = nullptr;
        std::int32_t stopAt = 2;
        std::vector<std::int32_t> positions;
        void take(TData& d) {
            TData p;
            target->Position(p);
            positions.push_back(p.intValue);
            if (d.intValue == stopAt) target->doStop(d);
        }
    } stopper;
    stopper.target = &forLoop;
    forLoop.onEvent = bind<&Stopper::take>(stopper);
    forLoop.End_ = 10;
    fireAt<&THIFor::doFor>(forLoop);
    EXPECT_EQ(stopper.positions, (std::vector<std::int32_t>{0, 1, 2}));
    EXPECT_EQ(intsOf(stop), std::vector<std::int32_t>{2});
    forLoop.BreakEvent = true;
    fireAt<&THIFor::doFor>(forLoop);
    EXPECT_EQ(stop.values.size(), 1u);
    ASSERT_EQ(broke.values.size(), 1u);
    EXPECT_TRUE(isNull(broke.values[0]));
    stopper.stopAt = -1;
    fireAt<&THIFor::doFor>(forLoop);
    EXPECT_EQ(stopper.positions.size(), 16u) << "the stop flag does not outlive its run";
}
