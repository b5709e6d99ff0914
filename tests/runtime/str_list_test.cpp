#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/str_list.h"
#include "runtime/strings.h"

using namespace lr;

TEST(SplitLines, AnyLineBreak) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitLines("\n"), std::vector<std::string>{""});
    EXPECT_TRUE(splitLines("").empty());
}

class StrList : public HeadlessTest {
  protected:
    StrList() {
        list.Strings = splitLines("red\r\ngreen\r\nblue");
        list.onChange = changes.point();
        list.onFind = found.point();
        list.onGetString = got.point();
    }
    template <void (THIStrList::*M)(TData&)>
    void run(TData value) {
        fire(bind<M>(list), value);
    }
    std::string current() {
        TData d;
        list.String(d);
        return d.text;
    }
    THIStrList list;
    Recorder changes, found, got;
};

TEST_F(StrList, FindIsWholeLineAndCaseSensitive) {
    run<&THIStrList::doFind>(makeString("green"));
    EXPECT_EQ(current(), "green");
    run<&THIStrList::doFind>(makeString("Green"));
    run<&THIStrList::doFind>(makeString("gre"));
    EXPECT_EQ(found.texts(), (std::vector<std::string>{"1", "-1", "-1"}));
    EXPECT_EQ(current(), "");
}

TEST_F(StrList, GetStringByIndex) {
    Source index(makeInteger(2));
    list.Index = index.point();
    run<&THIStrList::doGetString>(TData{});
    index.value = makeInteger(3);
    run<&THIStrList::doGetString>(TData{});
    EXPECT_EQ(got.texts(), (std::vector<std::string>{"blue", ""}));
    list.Index = Point{};
    run<&THIStrList::doGetString>(makeInteger(0));  // unset: the event carries the index
    EXPECT_EQ(current(), "red");
}

TEST_F(StrList, ReplaceAddAndDeleteChangeTheLines) {
    Source text(makeString("black"));
    list.Text = text.point();
    run<&THIStrList::doReplace>(makeString("1"));
    run<&THIStrList::doReplace>(makeString("x"));  // not an index
    run<&THIStrList::doReplace>(makeInteger(3));
    run<&THIStrList::doAdd>(TData{});
    run<&THIStrList::doDelete>(makeInteger(0));
    EXPECT_EQ(list.Strings, (std::vector<std::string>{"black", "blue", "black"}));
    EXPECT_EQ(changes.values.size(), 3u);
    TData count;
    list.Count(count);
    EXPECT_EQ(count.intValue, 3);
    run<&THIStrList::doClear>(TData{});
    EXPECT_TRUE(list.Strings.empty());
}
