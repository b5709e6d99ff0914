#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/list_elements.h"
#include "values.h"

using namespace lr;

class ListElements : public HeadlessTest {};

TEST_F(ListElements, AddAppendsOrPrependsTheValue) {
    THIMT_Add add;
    Recorder rec;
    add.onAdd = rec.point();
    add.Data_ = makeString("v");
    TData in = listOf({makeInteger(1), makeInteger(2)});
    add.doAdd(in);
    add.doAddFirst(in);
    EXPECT_EQ(textsOf(rec.values.at(0)), (std::vector<std::string>{"1", "2", "v"}));
    EXPECT_EQ(textsOf(rec.values.at(1)), (std::vector<std::string>{"v", "1", "2"}));
    EXPECT_EQ(textsOf(in), (std::vector<std::string>{"1", "2"}));
}

TEST_F(ListElements, GetSendsTheFirstItemThenForwardsTheRest) {
    THIMT_Get get;
    Recorder data, next;
    get.onData = data.point();
    get.onNext = next.point();
    TData in = listOf({makeInteger(1), makeInteger(2), makeInteger(3)});
    fire(bind<&THIMT_Get::doGet>(get), in);
    EXPECT_EQ(data.texts(), (std::vector<std::string>{"1"}));
    EXPECT_EQ(textsOf(next.values.at(0)), (std::vector<std::string>{"2", "3"}));
}

TEST_F(ListElements, AddDataJoinsItsInputs) {
    ThiMT_AddData add(3);
    Recorder rec;
    add.onAdd = rec.point();
    Source connected(listOf({makeInteger(1), makeInteger(2)}));
    add.Data[0] = connected.point();
    TData in = listOf({makeString("a"), makeString("b")});
    add.doAdd(in);
    EXPECT_EQ(textsOf(rec.values.at(0)), (std::vector<std::string>{"1", "2"}));
    add.doAddItems(in);  // first item of the connected input, then the event's items in order
    EXPECT_EQ(textsOf(rec.values.at(1)), (std::vector<std::string>{"1", "a", "b"}));
    add.Default = makeInteger(0);
    add.doAdd(in);
    EXPECT_EQ(textsOf(rec.values.at(2)), (std::vector<std::string>{"1", "2", "0", "0"}));
}

TEST_F(ListElements, StringJoinsWithRealsMarked) {
    THIMT_String str(";");
    Recorder rec;
    str.onResult = rec.point();
    TData in = listOf({makeReal(3.0), makeInteger(2), makeString("x"), makeReal(0.5)});
    fire(bind<&THIMT_String::doString>(str), in);
    TData empty;
    fire(bind<&THIMT_String::doString>(str), empty);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"3.0;2;x;0.5", ""}));
}

TEST_F(ListElements, StringSplitsIntoTypedItems) {
    THIMT_String str(";");
    Recorder rec;
    str.onResult = rec.point();
    TData in = makeString("1;2.5;a; -3 ;.;-;;1.2.3");
    str.doList(in);
    const TData& list = rec.values.at(0);
    std::vector<std::uint8_t> kinds;
    for (const TData* i = &list; i; i = i->next.get())
        kinds.push_back(i->kind);
    EXPECT_EQ(kinds, (std::vector<std::uint8_t>{kind::Integer, kind::Real, kind::String, kind::String,
                                                kind::Real, kind::String, kind::String, kind::String}));
    EXPECT_EQ(textsOf(list).at(3), " -3 ") << "a leading blank hides the sign: kept as text";
    EXPECT_EQ(typedToken(" 7 ").intValue, 7);
    EXPECT_EQ(typedToken("-7").intValue, -7);
}

TEST_F(ListElements, MultiDataSpreadsItemsOverItsOutputs) {
    THIMT_MultiData multi(3);
    Recorder rec;
    for (std::uint16_t i = 0; i < 3; ++i)
        multi.onData[i] = rec.point(i);
    TData two = listOf({makeInteger(1), makeInteger(2)});
    multi.doData(two);
    EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{0, 1}));
    rec.values.clear();
    multi.From = 1;
    TData five = listOf({makeInteger(1), makeInteger(2), makeInteger(3), makeInteger(4), makeInteger(5)});
    multi.doData(five);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"2", "3", "4"}));
    EXPECT_EQ(textsOf(multi.remainder()), (std::vector<std::string>{"5"}));
}
