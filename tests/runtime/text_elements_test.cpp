#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/text_elements.h"
#include "values.h"

using namespace lr;

class TextElements : public HeadlessTest {
  protected:
    Recorder rec;
};

TEST_F(TextElements, StrCatJoinsPropertiesAndEventItems) {
    THIStrCat cat;
    cat.onResult = rec.point();
    cat.Str1_ = "A";  // a channel letter before the incoming level
    TData level = makeInteger(5);
    fire(bind<&THIStrCat::doStrCat>(cat), level);
    TData two = listOf({makeString("x"), makeString("y")});
    cat.Str1_.clear();
    fire(bind<&THIStrCat::doStrCat>(cat), two);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"A5", "xy"}));
    TData result;
    cat.Result(result);
    EXPECT_EQ(result.text, "xy");

    THIStrCatDelim delim;
    delim.onResult = rec.point();
    delim.Delimiter = ", ";
    Source second(makeString("b"));
    delim.Str2 = second.point();
    TData first = makeString("a");
    fire(bind<&THIStrCatDelim::doStrCat>(delim), first);
    EXPECT_EQ(rec.texts().back(), "a, b");
}

TEST_F(TextElements, FormatMask) {
    const struct {
        const char* mask;
        std::vector<std::string> args;
        const char* expected;
    } cases[] = {
        {"%1%%%2", {"a", "b"}, "a%b"},
        {"%1manual\\%2.pdf", {"C:\\Prog\\", "Manual_English"}, "C:\\Prog\\manual\\Manual_English.pdf"},
        {"%1 %10", {"a"}, "a %10"},  // "%1" is not a prefix of "%10"
        {"%10|%1", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "ten"}, "ten|1"},
        {"%0 %01 %3 %", {"a", "b"}, "%0 %01 %3 %"},
        {"%%1", {"a"}, "%1"},
        {"%1%2", {"%2", "b"}, "%2b"},  // an argument is not read as a mask
        {"%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
         "1,2,3,4,5,6,7,8,9,10,11,12"},
        {"%99999999999999999999", {"a"}, "%99999999999999999999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatMask(c.mask, c.args), c.expected) << c.mask;
}

TEST_F(TextElements, FormatStrReadsEveryInputInOrder) {
    THIFormatStr format(2);
    format.Mask = "%2-%1";
    format.onResult = rec.point();
    TData in = listOf({makeString("first"), makeInteger(2)});
    fire(bind<&THIFormatStr::doFormat>(format), in);
    EXPECT_EQ(rec.texts(), std::vector<std::string>{"2-first"});
}

TEST_F(TextElements, StrPartCutsAtTheFirstDelimiter) {
    THIStrPart part;
    part.Delimiter = '=';
    Recorder left, right, notFound;
    part.onLeft = left.point();
    part.onRight = right.point();
    part.onNotFound = notFound.point();
    TData kv = makeString("key=value=x");
    fire(bind<&THIStrPart::doSplit>(part), kv);
    TData plain = makeString("plain");
    fire(bind<&THIStrPart::doSplit>(part), plain);
    EXPECT_EQ(left.texts(), std::vector<std::string>{"key"});
    EXPECT_EQ(right.texts(), std::vector<std::string>{"value=x"});
    EXPECT_EQ(notFound.texts(), std::vector<std::string>{"plain"});

    std::vector<std::string> order;
    struct Log : Element {
        std::vector<std::string>* order = nullptr;
        std::string name;
        void take(TData& d) { order->push_back(name + d.text); }
    } l, r;
    l.order = r.order = &order;
    l.name = "L:";
    r.name = "R:";
    part.onLeft = bind<&Log::take>(l);
    part.onRight = bind<&Log::take>(r);
    part.Mode = 1;
    TData again = makeString("a=b");
    fire(bind<&THIStrPart::doSplit>(part), again);
    EXPECT_EQ(order, (std::vector<std::string>{"R:b", "L:a"}));
}

TEST_F(TextElements, CopyAndDeleteShareThePositionRule) {
    const struct {
        std::int32_t position, count, direction;
        const char* copied;
        const char* remaining;
    } cases[] = {
        {1, 3, 0, "abc", "def"},  {0, 3, 0, "ab", "cdef"},
        {-5, 3, 0, "", "abcdef"}, {5, 9, 0, "ef", "abcd"},
        {7, 1, 0, "", "abcdef"},  {2, 0, 0, "", "abcdef"},
        {1, 3, 1, "def", "abc"},  {2, 2, 1, "de", "abcf"},
        {1, 9, 1, "abcdef", ""},  {2147483647, 2147483647, 1, "", "abcdef"},
    };
    for (const auto& c : cases) {
        THICopy copy;
        THIDelete del;
        copy.range = del.range = TextRange{c.position, c.count, c.direction};
        Recorder copied, remaining;
        copy.onResult = copied.point();
        del.onResult = remaining.point();
        TData a = makeString("abcdef");
        TData b = makeString("abcdef");
        fire(bind<&THICopy::doCopy>(copy), a);
        fire(bind<&THIDelete::doDelete>(del), b);
        EXPECT_EQ(copied.texts(), std::vector<std::string>{c.copied}) << c.position << "/" << c.count;
        EXPECT_EQ(remaining.texts(), std::vector<std::string>{c.remaining}) << c.position << "/" << c.count;
    }
}

TEST_F(TextElements, CopyOfNothingDoesNothingAndInputsOverrideProperties) {
    THICopy copy;
    copy.onResult = rec.point();
    copy.range.Count = 2;
    TData empty = makeString("");
    fire(bind<&THICopy::doCopy>(copy), empty);
    EXPECT_TRUE(rec.values.empty());
    Source position(makeInteger(3));
    copy.Position = position.point();
    TData text = makeString("abcdef");
    fire(bind<&THICopy::doCopy>(copy), text);
    EXPECT_EQ(rec.texts(), std::vector<std::string>{"cd"});
}
