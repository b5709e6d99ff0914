#include <gtest/gtest.h>

#include <cmath>

#include "runtime/tdata.h"

using namespace lr;

TEST(ParseInteger, FollowsTheRuntimeRules) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"", 0},    {" 12", 0}, {"12abc", 12}, {"1.9", 1},        {"abc", 0},
        {"-7", -7}, {"+7", 7},  {"-", 0},      {"4294967297", 1}, {"2147483648", INT32_MIN},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseInteger(text), expected) << text;
}

TEST(ParseReal, FollowsTheRuntimeRules) {
    const std::pair<const char*, double> cases[] = {
        {"", 0.0},      {"1,5", 15.0},    {"12abc3", 123.0}, {"abc", 0.0},   {"2.5e3", 2500.0}, {"+4", 4.0},
        {"1.2.3", 1.2}, {"-0.25", -0.25}, {"0.3", 0.3},      {"1e-2", 0.01}, {"1e999", 0.0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(parseReal(text), expected) << text;
}

TEST(FormatReal, GivesFifteenSignificantDigitsAsSpecified) {
    const std::pair<double, const char*> cases[] = {
        {0.0, "0"},
        {1.0, "1"},
        {0.5, "0.5"},
        {123.25, "123.25"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.00001, "0.00001"},
        {1e20, "100000000000000000000"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {0.3, "0.3"},
        {1e15, "1000000000000000"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.9, "1000000000000000"},
        {3.0, "3"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(formatReal(value), expected) << value;
}

TEST(FormatReal, NeverFailsOnValuesThatAreNotFinite) {
    EXPECT_FALSE(formatReal(INFINITY).empty());
    EXPECT_FALSE(formatReal(NAN).empty());
    EXPECT_FALSE(formatReal(1.7976931348623157e308).empty());
    EXPECT_FALSE(formatReal(4.9e-324).empty());
}

TEST(Conversions, BetweenKinds) {
    EXPECT_EQ(toString(makeReal(3.0)), "3");
    EXPECT_EQ(toInteger(makeString("12.7")), 12);
    EXPECT_EQ(toInteger(makeReal(12.5)), 12);
    EXPECT_EQ(toInteger(makeReal(13.5)), 14);
    EXPECT_EQ(toInteger(makeReal(-2.5)), -2);
    EXPECT_EQ(toInteger(makeStream(nullptr)), 0);
    EXPECT_EQ(toString(makeInteger(-42)), "-42");
    EXPECT_EQ(toString(makeBitmap(nullptr)), "");
    EXPECT_DOUBLE_EQ(toReal(makeString("2.5")), 2.5);
    EXPECT_DOUBLE_EQ(toReal(makeInteger(7)), 7.0);
}

TEST(Conversions, ToIndexRejectsTextThatIsNotANumber) {
    EXPECT_EQ(toIndex(makeString("0")), 0);
    EXPECT_EQ(toIndex(makeString("x")), -1);
    EXPECT_EQ(toIndex(makeString("")), -1);
    EXPECT_EQ(toIndex(makeString("3")), 3);
    EXPECT_EQ(toIndex(makeNull()), -1);
    EXPECT_EQ(toIndex(makeReal(2.5)), 2);
}

TEST(Conversions, IsTrueIsFalseOnlyForIntegerZero) {
    EXPECT_TRUE(isTrue(makeString("0")));
    EXPECT_FALSE(isTrue(makeInteger(0)));
    EXPECT_TRUE(isTrue(makeNull()));
    EXPECT_TRUE(isTrue(makeReal(0.0)));
    EXPECT_TRUE(isTrue(makeInteger(-1)));
}

namespace {
TData listOf(std::initializer_list<int> values) {
    TData list;
    for (int v : values)
        append(list, makeInteger(v));
    return list;
}
std::vector<int> itemsOf(const TData& list) {
    std::vector<int> out;
    for (const TData* i = &list; i && !isNull(*i); i = i->next.get())
        out.push_back(i->intValue);
    return out;
}
}  // namespace

TEST(Lists, AppendCopiesUpToTheFirstNullItem) {
    TData list;
    append(list, listOf({1, 2}));
    TData withNull = listOf({3});
    withNull.next = std::make_unique<TData>();
    withNull.next->next = std::make_unique<TData>(makeInteger(9));
    TData& last = append(list, withNull);
    EXPECT_EQ(itemsOf(list), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(last.intValue, 3);
}

TEST(Lists, DeepCopyIsIndependentOfItsSource) {
    TData src = listOf({1, 2, 3});
    TData dst;
    deepCopy(dst, src);
    src.next->intValue = 20;
    EXPECT_EQ(itemsOf(dst), (std::vector<int>{1, 2, 3}));
}

TEST(Lists, TakeFirstAndFreeTail) {
    TData list = listOf({1, 2, 3});
    const TData first = takeFirst(list);
    EXPECT_EQ(first.intValue, 1);
    EXPECT_EQ(first.next, nullptr);
    EXPECT_EQ(itemsOf(list), (std::vector<int>{2, 3}));
    freeTail(list);
    EXPECT_EQ(itemsOf(list), (std::vector<int>{2}));
    TData single = makeInteger(5);
    takeFirst(single);
    EXPECT_TRUE(isNull(single));
}

TEST(Lists, AMillionItemsAreFreedWithoutRecursion) {
    TData list = makeInteger(0);
    TData* last = &list;
    for (int i = 1; i < 1'000'000; ++i) {
        last->next = std::make_unique<TData>(makeInteger(i));
        last = last->next.get();
    }
    EXPECT_EQ(listLength(list), 1'000'000u);
}
