#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/hub.h"
#include "runtime/point.h"

using namespace lr;

namespace {

struct Relay : Element {
    Point next;
    void forwardOn(TData& d) { forward(d, next); }
};

struct StackProbe : Element {
    std::uintptr_t depth = 0;
    void take(TData&) {
        int local = 0;
        depth = reinterpret_cast<std::uintptr_t>(&local);
    }
};

std::uintptr_t probeDepthThroughChain(std::size_t length) {
    std::vector<Relay> relays(length);
    StackProbe probe;
    for (std::size_t i = 0; i + 1 < length; ++i)
        relays[i].next = bind<&Relay::forwardOn>(relays[i + 1]);
    relays.back().next = bind<&StackProbe::take>(probe);
    TData d = makeInteger(1);
    fire(bind<&Relay::forwardOn>(relays.front()), d);
    return probe.depth;
}

// Changes the value it receives, as a careless receiver might.
struct Spoiler : Element {
    void take(TData& d) { d = makeString("spoiled"); }
};

// Reads two inputs the way an element reads its data inputs.
struct TwoInputs : Element {
    Point a, b;
    std::int32_t defA = 0, defB = 0;
    std::vector<std::int32_t> seen;
    void doWork(TData& d) {
        seen.push_back(readInteger(d, a, defA));
        seen.push_back(readInteger(d, b, defB));
    }
};

}  // namespace

class Dispatch : public HeadlessTest {};

TEST_F(Dispatch, ForwardingKeepsTheStackFlatOverAMillionHops) {
    const std::uintptr_t shortChain = probeDepthThroughChain(10);
    const std::uintptr_t longChain = probeDepthThroughChain(1'000'000);
    EXPECT_EQ(shortChain, longChain);
}

TEST_F(Dispatch, ForwardToAnUnconnectedPointEndsQuietly) {
    Relay relay;
    TData d = makeInteger(3);
    fire(bind<&Relay::forwardOn>(relay), d);
    EXPECT_EQ(d.kind, kind::Integer);
    EXPECT_EQ(d.intValue, 3);
}

TEST_F(Dispatch, NothingTravelsBeforeTheDispatchersAreInstalled) {
    uninstallDispatch();
    Recorder rec;
    fireInteger(rec.point(), 1);
    TData d;
    read(Source(makeInteger(4)).point(), d);
    EXPECT_TRUE(rec.values.empty());
    EXPECT_EQ(d.kind, kind::NoValue);
}

TEST_F(Dispatch, HubGivesEveryOutputItsOwnCopy) {
    THIHub hub(3);
    Spoiler spoiler;
    Recorder second, third;
    hub.outputs = {bind<&Spoiler::take>(spoiler), second.point(), third.point()};
    TData d = makeInteger(7);
    fire(bind<&THIHub::doEvent>(hub), d);
    ASSERT_EQ(second.values.size(), 1u);
    EXPECT_EQ(second.values[0].intValue, 7);
    EXPECT_EQ(third.values[0].intValue, 7);
    EXPECT_EQ(d.intValue, 7);
}

TEST_F(Dispatch, ReadWithDefault) {
    Source connected(makeInteger(9));
    TwoInputs e;
    TData one = makeInteger(4);
    e.doWork(one);  // both unconnected, defaults 0: the first takes the event value, the second nothing
    e.defA = 5;
    TData two = makeInteger(4);
    e.doWork(two);  // a non-zero default wins over the event
    e.a = connected.point();
    TData three = makeInteger(4);
    e.doWork(three);  // a connected input wins; the event value goes to the second input
    EXPECT_EQ(e.seen, (std::vector<std::int32_t>{4, 0, 5, 4, 9, 4}));
}

TEST_F(Dispatch, UnconnectedInputsConsumeTheEventListInOrder) {
    TwoInputs e;
    TData list = makeInteger(1);
    append(list, makeInteger(2));
    e.doWork(list);
    EXPECT_EQ(e.seen, (std::vector<std::int32_t>{1, 2}));
    EXPECT_TRUE(isNull(list));
}

TEST_F(Dispatch, ReadWholeAndReadFirst) {
    TData list = makeInteger(1);
    append(list, makeInteger(2));
    TData event(list);
    TData whole;
    readWhole(event, Point{}, nullptr, whole);
    EXPECT_EQ(listLength(whole), 2u);
    EXPECT_TRUE(isNull(event));

    TData event2(list);
    TData first;
    readFirst(event2, Point{}, nullptr, first);
    EXPECT_EQ(first.intValue, 1);
    EXPECT_EQ(first.next, nullptr);
    EXPECT_EQ(event2.intValue, 2);

    const TData fallback = makeString("d");
    TData event3(list);
    readWhole(event3, Point{}, &fallback, whole);
    EXPECT_EQ(whole.text, "d");
    EXPECT_EQ(listLength(event3), 2u);
}
