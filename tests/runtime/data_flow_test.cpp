#include <gtest/gtest.h>

#include <vector>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/data_flow.h"
#include "values.h"

using namespace lr;

class DataFlow : public HeadlessTest {};

TEST_F(DataFlow, DoDataSendsItsOwnValueWhateverItIsFiredWith) {
    THIDoData doData;
    doData.Data_ = makeString("P1");
    Recorder rec;
    doData.onData = rec.point();
    fireAt<&THIDoData::doData>(doData, makeInteger(7));
    fireAt<&THIDoData::doData>(doData, listOf({makeInteger(1), makeInteger(2)}));
    fireAt<&THIDoData::doData>(doData);
    Source input(listOf({makeReal(0.5), makeInteger(3)}));
    doData.Data = input.point();
    fireAt<&THIDoData::doData>(doData, makeInteger(7));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"P1", "P1", "P1", "0.5"}));
    EXPECT_EQ(listLength(rec.values[1]), 1u);
    EXPECT_EQ(listLength(rec.values[3]), 1u) << "only the first item of the input";
}

TEST_F(DataFlow, MemoryStoresPassesOnAndClearsToItsDefault) {
    THIMemory memory;
    memory.Default = makeInteger(5);
    Recorder rec;
    memory.onData = rec.point();
    TData value;
    memory.Value(value);
    EXPECT_EQ(toString(value), "5") << "the default until something is stored";
    fireAt<&THIMemory::doValue>(memory, listOf({makeString("a"), makeString("b")}));
    memory.Value(value);
    EXPECT_EQ(textsOf(value), std::vector<std::string>{"a"});
    fireAt<&THIMemory::doClear>(memory, makeInteger(9));
    memory.Value(value);
    EXPECT_EQ(toString(value), "5");
    Source input(makeString("in"));
    memory.Data = input.point();
    fireAt<&THIMemory::doValue>(memory, makeInteger(1));
    memory.Value(value);
    EXPECT_EQ(toString(value), "in");
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"a", "5", "in"}));
}

TEST_F(DataFlow, ChangeMonPassesOnlyChanges) {
    struct Step {
        TData value;
        bool changed;
    };
    const std::vector<Step> steps = {
        {makeNull(), false},  // the stored value starts as Null
        {makeInteger(1), true},  {makeInteger(1), false},     {makeReal(1.0), true},
        {makeReal(1.0), false},  {makeReal(1.0000001), true}, {makeString("a"), true},
        {makeString("A"), true}, {makeString("A"), false},    {makeString(""), true},
        {makeNull(), true},      {makeInteger(0), true},
    };
    THIChangeMon monitor;
    Recorder rec;
    monitor.onChange = rec.point(1);
    monitor.onSame = rec.point(0);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        fireAt<&THIChangeMon::doData>(monitor, steps[i].value);
        ASSERT_EQ(rec.indexes.size(), i + 1);
        EXPECT_EQ(rec.indexes.back(), steps[i].changed ? 1 : 0) << "step " << i;
        EXPECT_EQ(rec.values.back().kind, steps[i].value.kind);
    }
}

TEST_F(DataFlow, ChangeMonComparesTheFirstItem) {
    THIChangeMon monitor;
    Recorder rec;
    monitor.onChange = rec.point(1);
    monitor.onSame = rec.point(0);
    fireAt<&THIChangeMon::doData>(monitor, listOf({makeInteger(4), makeInteger(1)}));
    fireAt<&THIChangeMon::doData>(monitor, listOf({makeInteger(4), makeInteger(2)}));
    EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{1, 0}));
    EXPECT_EQ(textsOf(rec.values[0]), std::vector<std::string>{"4"});
}

TEST_F(DataFlow, EventFromDataKeepsItsOwnCopyAndAnnouncesReads) {
    THIEventFromData store;
    struct Reader : Element {
        std::vector<std::string> seen;
        void take(TData& d) {
            seen.push_back(toString(d));
            d = makeString("spoiled");
        }
    } reader;
    store.onRead = bind<&Reader::take>(reader);
    TData list = listOf({makeInteger(1), makeInteger(2)});
    store.doData(list);
    list.next->intValue = 20;
    TData read = makeString("reader's");
    store.Data(read);
    EXPECT_EQ(reader.seen, std::vector<std::string>{"reader's"});
    EXPECT_EQ(textsOf(read), (std::vector<std::string>{"1", "2"}));
}

TEST_F(DataFlow, GetDataPassesTheReadThrough) {
    THIGetData get;
    TData d;
    get.Data(d);
    EXPECT_EQ(d.kind, kind::NoValue) << "unconnected: the reader falls back on its default";
    Source input(makeString("x"));
    get.Data_ = input.point();
    get.Data(d);
    EXPECT_EQ(toString(d), "x");
}

TEST_F(DataFlow, GetIndexDataReadsTheSelectedInput) {
    THIGetIndexData get(2);
    Source a(makeString("a")), b(makeString("b"));
    get.Data_ = {a.point(), b.point()};
    Recorder index;
    get.onIndex = index.point();
    TData d = makeInteger(7);
    get.Data(d);
    EXPECT_TRUE(isNull(d)) << "nothing selected yet";
    struct Case {
        TData index;
        std::string read;
    };
    for (const Case& c : {Case{makeInteger(1), "b"}, Case{makeString("0"), "a"}, Case{makeInteger(2), ""},
                          Case{makeInteger(-1), ""}}) {
        fireAt<&THIGetIndexData::doIndex>(get, c.index);
        TData r = makeInteger(7);
        get.Data(r);
        EXPECT_EQ(toString(r), c.read) << toString(c.index);
        EXPECT_EQ(index.values.back().kind, kind::Integer);
        EXPECT_EQ(index.values.back().intValue, toInteger(c.index));
    }
}

TEST_F(DataFlow, IndexToChanelRoutesToTheNamedOutput) {
    THIIndexToChanel router(2);
    Recorder rec;
    router.outputs = {rec.point(0), rec.point(1)};
    fireAt<&THIIndexToChanel::doEvent>(router, makeInteger(5));
    fireAt<&THIIndexToChanel::doEvent>(router, makeInteger(-1));
    EXPECT_TRUE(rec.values.empty()) << "indexes outside 0..Count-1 go nowhere";
    fireAt<&THIIndexToChanel::doEvent>(router, listOf({makeInteger(1), makeString("x")}));
    router.Data_ = makeString("prop");
    fireAt<&THIIndexToChanel::doEvent>(router, makeInteger(0));
    Source index(makeInteger(1));
    router.Index = index.point();
    fireAt<&THIIndexToChanel::doEvent>(router, makeInteger(0));
    EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{1, 0, 1}));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"x", "prop", "prop"}));
}

TEST_F(DataFlow, ChanelToIndexTellsWhichInputWasReached) {
    THIChanelToIndex toIndex(3);
    Recorder rec;
    toIndex.onIndex = rec.point();
    for (std::uint16_t input : {2, 0, 3}) {
        TData d = makeString("click");
        fire(bind<&THIChanelToIndex::doEvent>(toIndex, input), d);
    }
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"2", "0"}));
}
