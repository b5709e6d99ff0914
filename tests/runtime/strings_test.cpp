#include <gtest/gtest.h>

#include "runtime/strings.h"

using namespace lr;

TEST(StringHelpers, TakeToken) {
    std::string s = "a,b";
    EXPECT_EQ(takeToken(s, ','), "a");
    EXPECT_EQ(s, "b");
    EXPECT_EQ(takeToken(s, ','), "b");
    EXPECT_EQ(s, "b");
    std::string last = "x,";
    EXPECT_EQ(takeToken(last, ','), "x");
    EXPECT_EQ(last, "");
}

TEST(StringHelpers, FindFrom) {
    EXPECT_EQ(findFrom("b", "abcb", 1), 2u);
    EXPECT_EQ(findFrom("b", "abcb", 3), 4u);
    EXPECT_EQ(findFrom("z", "abcb", 1), 0u);
    EXPECT_EQ(findFrom("", "abcb", 1), 0u);
    EXPECT_EQ(findFrom("b", "abcb", 9), 0u);
}

TEST(StringHelpers, ReplaceAllResumesAfterTheInsertedText) {
    EXPECT_EQ(replaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(replaceAll("x%1y%1", "%1", "Q"), "xQyQ");
    const auto notBeforeDigit = [](std::string_view s, std::size_t pos) {
        return pos + 2 >= s.size() || !(s[pos + 2] >= '0' && s[pos + 2] <= '9');
    };
    EXPECT_EQ(replaceAll("%1 %10", "%1", "A", notBeforeDigit), "A %10");
}

TEST(StringHelpers, CompareIgnoringCaseFoldsOnlyAsciiLetters) {
    EXPECT_EQ(compareIgnoringCase("Init", "INIT"), 0);
    EXPECT_LT(compareIgnoringCase("a", "b"), 0);
    EXPECT_NE(compareIgnoringCase("\xE0", "\xC0"), 0);
    EXPECT_EQ(lowerAscii("AbC\xC0"), "abc\xC0");
}

TEST(StringHelpers, ParseIndexList) {
    std::vector<int> values(4, 7);
    std::string s = "  <1, 2,,4>Open";
    parseIndexList(s, values, true);
    EXPECT_EQ(s, "Open");
    EXPECT_EQ(values, (std::vector<int>{1, 2, -2, 4}));
    std::string plain = "Close";
    parseIndexList(plain, values, false);
    EXPECT_EQ(plain, "Close");
    EXPECT_EQ(values, (std::vector<int>{1, 2, -2, 4}));
}
