#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/str_enum.h"
#include "runtime/elements/str_split.h"

using namespace lr;

namespace {
std::vector<std::string> partsOf(THIMultiStrPart& part, std::size_t count) {
    std::vector<std::string> out;
    for (std::uint16_t i = 0; i < count; ++i) {
        TData d;
        part.Part(d, i);
        out.push_back(d.text);
    }
    return out;
}
}  // namespace

class StrSplit : public HeadlessTest {
  protected:
    Recorder rec;
};

TEST_F(StrSplit, MultiStrPartFillsItsPartsAndForwardsTheRest) {
    THIMultiStrPart part(2);
    part.Delimiter = ';';
    part.Skip = 1;
    Recorder notFound;
    part.onSplit = rec.point();
    part.onNotFound = notFound.point();
    TData row = makeString("skip;a;b;c;d");
    fire(bind<&THIMultiStrPart::doSplit>(part), row);
    EXPECT_EQ(partsOf(part, 2), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(rec.texts(), std::vector<std::string>{"c;d"});

    TData plain = makeString("nodelimiter");
    fire(bind<&THIMultiStrPart::doSplit>(part), plain);
    EXPECT_EQ(notFound.texts(), std::vector<std::string>{"nodelimiter"});
    EXPECT_EQ(partsOf(part, 2), (std::vector<std::string>{"a", "b"})) << "parts keep their values";

    TData shortRow = makeString("skip;x");
    fire(bind<&THIMultiStrPart::doSplit>(part), shortRow);
    EXPECT_EQ(partsOf(part, 2), (std::vector<std::string>{"x", ""})) << "the last token is not repeated";
    EXPECT_EQ(rec.texts().back(), "");
}

TEST_F(StrSplit, MultiStrDataFiresOneOutputPerToken) {
    THIMultiStrData data(3);
    data.Delimiter = ',';
    for (std::uint16_t i = 0; i < 3; ++i)
        data.outputs[i] = rec.point(i);
    TData row = makeString("1,2");
    fire(bind<&THIMultiStrData::doSplit>(data), row);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{0, 1}));
    TData none = makeString("12");
    fire(bind<&THIMultiStrData::doSplit>(data), none);
    EXPECT_EQ(rec.values.size(), 2u);
}

struct Stopper : Element {
    THIStr_Enum* target = nullptr;
    std::string at;
    std::vector<std::string> seen;
    void take(TData& d) {
        seen.push_back(d.text);
        TData none;
        if (d.text == at) target->doStop(none);
    }
};

TEST_F(StrSplit, StrEnumPieces) {
    const struct {
        char delimiter;
        std::int32_t start, end, width;
        bool exact;
        const char* text;
        std::vector<std::string> pieces;
    } cases[] = {
        {',', 1, -1, 1, false, "a,b,,c", {"a", "b", "", "c"}},
        {',', 2, 3, 1, false, "a,b,c,d", {"b", "c"}},
        {',', 0, 0, 1, false, "a,", {"a", ""}},
        {',', 1, -1, 1, false, "", {}},
        {'\0', 2, 3, 1, false, "abcd", {"b", "c"}},
        {'\0', 1, 0, 3, false, "abcdefgh", {"abc", "def", "gh"}},
        {'\0', 1, 0, 3, true, "abcdefgh", {"abc", "def"}},
        {'\0', 2, 9, 2, false, "abcde", {"cd", "e"}},
        {'\0', 1, 0, 0, false, "ab", {"a", "b"}},  // no width is one character
    };
    for (const auto& c : cases) {
        THIStr_Enum e;
        e.Delimiter = c.delimiter;
        e.Start = c.start;
        e.End = c.end;
        e.Width = c.width;
        e.Exact = c.exact;
        Recorder pieces, end;
        e.onEnum = pieces.point();
        e.onEnd = end.point();
        TData text = makeString(c.text);
        fire(bind<&THIStr_Enum::doEnum>(e), text);
        EXPECT_EQ(pieces.texts(), c.pieces) << c.text;
        EXPECT_EQ(end.values.size(), 1u);
    }
}

TEST_F(StrSplit, StrEnumStopsWithOrWithoutBreak) {
    THIStr_Enum e;
    e.Delimiter = ' ';
    Stopper stopper;
    stopper.target = &e;
    stopper.at = "two";
    Recorder broke, ended;
    e.onEnum = bind<&Stopper::take>(stopper);
    e.onBreak = broke.point();
    e.onEnd = ended.point();
    TData text = makeString("one two three");
    fire(bind<&THIStr_Enum::doEnum>(e), text);
    EXPECT_EQ(stopper.seen, (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(ended.values.size(), 1u);
    TData position;
    e.Position(position);
    EXPECT_EQ(position.intValue, 2);
    e.BreakEvent = true;
    TData again = makeString("one two three");
    fire(bind<&THIStr_Enum::doEnum>(e), again);
    EXPECT_EQ(broke.texts(), std::vector<std::string>{"two"});
    EXPECT_EQ(ended.values.size(), 1u);
}
