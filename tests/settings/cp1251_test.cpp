#include <gtest/gtest.h>

#include "settings/cp1251.h"

using namespace settings;

namespace {
std::string allBytes() {
    std::string s;
    for (int b = 1; b < 256; ++b)
        s += static_cast<char>(b);
    return s;
}
}  // namespace

TEST(Cp1251, EveryByteRoundTripsThroughUtf8AndUtf16) {
    const std::string bytes = allBytes();
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(bytes)), bytes);
    EXPECT_EQ(utf16ToCp1251(cp1251ToUtf16(bytes)), bytes);
}

TEST(Cp1251, KnownCharacters) {
    EXPECT_EQ(cp1251ToUtf8("\xE0uto_com"), "\xD0\xB0uto_com");  // Cyrillic small a
    EXPECT_EQ(cp1251ToUtf8("\xC0\xFF\xA8\xB8"), "АяЁё");
    EXPECT_EQ(cp1251ToUtf8("\x88\xB9\x96"), "€№–");
    EXPECT_EQ(cp1251ToUtf16("\xE0"), u"\u0430");
    EXPECT_EQ(utf8ToCp1251("Действия (*.ini)"), "\xC4\xE5\xE9\xF1\xF2\xE2\xE8\xFF (*.ini)");
}

TEST(Cp1251, UnmappableAndMalformedInputBecomesQuestionMarks) {
    const struct {
        std::string utf8;
        std::string expected;
    } cases[] = {
        {"\xC3\xA9", "?"},            // e-acute: not in the code page
        {"\xF0\x9F\x98\x80x", "?x"},  // beyond the basic plane
        {"\xC0\x80", "??"},           // overlong NUL
        {"\xED\xA0\x80", "???"},      // encoded surrogate
        {"\x80"
         "a",
         "?a"},         // stray continuation byte
        {"\xD0", "?"},  // truncated sequence
        {"\xE2\x82", "??"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8ToCp1251(c.utf8), c.expected) << c.utf8;
    EXPECT_EQ(utf16ToCp1251(u"\U0001F600a"), "?a");
    EXPECT_EQ(utf16ToCp1251(std::u16string{char16_t(0xD800), u'b'}), "?b");
    EXPECT_EQ(utf16ToCp1251(std::u16string{char16_t(0xDC00)}), "?");
}
