#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/array_elements.h"

using namespace lr;

namespace {

// An array of integers offered through an accessor, as an element offers its content.
struct IntArray {
    std::vector<std::int32_t> items;
    bool tellsCount = true;
    ArrayAccessor accessor() {
        ArrayAccessor a;
        a.target = this;
        a.setItem = [](void* t, TData& index, TData& value) {
            auto& items = static_cast<IntArray*>(t)->items;
            const auto i = static_cast<std::size_t>(toInteger(index));
            if (i < items.size()) items[i] = toInteger(value);
        };
        a.getItem = [](void* t, TData& index, TData& value) {
            const auto& items = static_cast<IntArray*>(t)->items;
            const std::int32_t i = toInteger(index);
            if (i < 0 || static_cast<std::size_t>(i) >= items.size()) return false;
            value = makeInteger(items[static_cast<std::size_t>(i)]);
            return true;
        };
        if (tellsCount) {
            a.count = [](void* t) {
                return static_cast<std::int32_t>(static_cast<IntArray*>(t)->items.size());
            };
        }
        return a;
    }
};

struct StopAt : Element {
    THIArrayEnum* target = nullptr;
    std::vector<std::int32_t> seen;
    void take(TData& d) {
        seen.push_back(d.intValue);
        TData none;
        if (d.intValue == 20) target->doStop(none);
    }
};

}  // namespace

class ArrayElements : public HeadlessTest {};

TEST_F(ArrayElements, ArrayRWWritesTheIndexedItem) {
    IntArray array{{1, 2, 3}};
    ArrayAccessor accessor = array.accessor();
    Source source(makeArray(&accessor));
    THIArrayRW rw;
    rw.Array = source.point();
    rw.Index_ = 1;
    TData value = makeInteger(9);
    rw.doWrite(value);
    TData outOfRange = makeInteger(7);
    rw.Index_ = 5;
    rw.doWrite(outOfRange);
    EXPECT_EQ(array.items, (std::vector<std::int32_t>{1, 9, 3}));
}

TEST_F(ArrayElements, ArrayEnumWalksBothWays) {
    IntArray array{{10, 20, 30}};
    ArrayAccessor accessor = array.accessor();
    Source source(makeArray(&accessor));
    THIArrayEnum e;
    e.Array = source.point();
    Recorder items, end;
    e.onItem = items.point();
    e.onEnd = end.point();
    TData none;
    fire(bind<&THIArrayEnum::doEnum>(e), none);
    e.Reverse = true;
    fire(bind<&THIArrayEnum::doEnum>(e), none);
    EXPECT_EQ(items.texts(), (std::vector<std::string>{"10", "20", "30", "30", "20", "10"}));
    EXPECT_EQ(end.values.size(), 2u);

    array.tellsCount = false;  // without a count the walk ends where get fails
    ArrayAccessor uncounted = array.accessor();
    source.value = makeArray(&uncounted);
    e.Reverse = false;
    fire(bind<&THIArrayEnum::doEnum>(e), none);
    EXPECT_EQ(items.values.size(), 9u);
    source.value = makeInteger(1);  // not an array
    fire(bind<&THIArrayEnum::doEnum>(e), none);
    EXPECT_EQ(end.values.size(), 4u);
}

TEST_F(ArrayElements, ArrayEnumStops) {
    IntArray array{{10, 20, 30}};
    ArrayAccessor accessor = array.accessor();
    Source source(makeArray(&accessor));
    THIArrayEnum e;
    e.Array = source.point();
    StopAt stop;
    stop.target = &e;
    Recorder broke, end;
    e.onItem = bind<&StopAt::take>(stop);
    e.onBreak = broke.point();
    e.onEnd = end.point();
    TData none;
    fire(bind<&THIArrayEnum::doEnum>(e), none);
    e.BreakEvent = true;
    fire(bind<&THIArrayEnum::doEnum>(e), none);
    EXPECT_EQ(stop.seen, (std::vector<std::int32_t>{10, 20, 10, 20}));
    EXPECT_EQ(end.values.size(), 1u);
    ASSERT_EQ(broke.values.size(), 1u);
    EXPECT_TRUE(isNull(broke.values[0]));
}

TEST_F(ArrayElements, AGetThatNeverFailsEndsAtTheCount) {
    ArrayAccessor endless;
    endless.getItem = [](void*, TData&, TData& value) {
        value = makeInteger(1);
        return true;
    };
    endless.count = [](void*) { return 4; };
    Source source(makeArray(&endless));
    THIArrayEnum e;
    e.Array = source.point();
    Recorder items;
    e.onItem = items.point();
    TData none;
    fire(bind<&THIArrayEnum::doEnum>(e), none);
    EXPECT_EQ(items.values.size(), 4u);
}
