#include <gtest/gtest.h>

#include "settings/ini_text.h"

using namespace settings;

namespace {

// As Windows and its users leave them: CRLF, comments, blank lines, spaces around "=", duplicates,
// quotes, a 0xE0 key beside its Latin twin, no final line break.
const std::string kWindowsFile =
    "; settings\r\n"
    "orphan=before any section\r\n"
    "\r\n"
    "[init]\r\n"
    "page = 3 \r\n"
    "\xE0uto_com=1\r\n"
    "auto_com=0\r\n"
    "cur_com=COM4\r\n"
    "page=5\r\n"
    "quoted=\"  spaced  \"\r\n"
    "single='x'\r\n"
    "half=\"open\r\n"
    "empty=\r\n"
    "\r\n"
    "  [ Scheme ]  \r\n"
    "scheme=Disco\r\n"
    "[INIT]\r\n"
    "late=hidden by the first [init]\r\n"
    "[localization]\r\n"
    "language=English";

}  // namespace

TEST(IniText, ReadsAsTheProfileFunctions) {
    const IniText ini(kWindowsFile);
    const struct {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"init", "page", "3"},         // trimmed, first of two
        {"INIT", "PAGE", "3"},         // ASCII case ignored
        {" init ", " page ", "3"},     // the asked names are trimmed
        {"init", "\xE0uto_com", "1"},  // 0xE0 is its own byte
        {"init", "auto_com", "0"},
        {"init", "quoted", "  spaced  "},  // quotes dropped, what they hold kept
        {"init", "single", "x"},
        {"init", "half", "\"open"},  // an unmatched quote stays
        {"init", "empty", ""},
        {"init", "late", "<default>"},  // only the first section of a name counts
        {"init", "orphan", "<default>"},
        {"init", "", "<default>"},
        {"scheme", "scheme", "<default>"},    // the section is named " Scheme "
        {" Scheme ", "scheme", "<default>"},  // and the asked name is trimmed
        {"localization", "language", "English"},
        {"missing", "page", "<default>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.readString(c.section, c.key, "<default>"), c.expected) << c.section << "/" << c.key;
    EXPECT_EQ(ini.readString("x", "y", "def  "), "def") << "trailing blanks of a default are dropped";
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"init", " Scheme ", "INIT", "localization"}));
}

TEST(IniText, ReadsIntegersAsLeadingDecimalDigits) {
    const struct {
        const char* stored;
        std::int32_t expected;
    } cases[] = {
        {"12abc", 12},  {"abc", 0},        {"-7", -7},  {"+4", 4}, {"1.9", 1},
        {"\"42\"", 42}, {"4294967297", 1}, {"0x10", 0}, {"-", 0},
    };
    for (const auto& c : cases) {
        const IniText ini("[s]\nk=" + std::string(c.stored) + "\n");
        EXPECT_EQ(ini.readInteger("s", "k", 99), c.expected) << c.stored;
    }
    EXPECT_EQ(IniText("[s]\nk=" + std::string(29, '0') + "9\n").readInteger("s", "k", 99), 0)
        << "digits beyond the 29 bytes read do not count";
    EXPECT_EQ(IniText("[s]\nk=\n").readInteger("s", "k", 99), 99);
    EXPECT_EQ(IniText("[s]\nk=\"\"\n").readInteger("s", "k", 99), 99);
    EXPECT_EQ(IniText("").readInteger("s", "k", -5), -5);
}

TEST(IniText, LongValuesAreCutToTheBuffer) {
    const IniText ini("[s]\nk=" + std::string(5000, 'v') + "\n");
    EXPECT_EQ(ini.readString("s", "k", "").size(), kIniValueLimit);
    EXPECT_EQ(ini.find("s", "k")->size(), 5000u);
}

TEST(IniText, WritingAKeyChangesOnlyItsLine) {
    IniText ini(kWindowsFile);
    ASSERT_TRUE(ini.set("Init", "PAGE", "6"));
    std::string expected = kWindowsFile;
    expected.replace(expected.find("page = 3 "), 9, "PAGE=6");
    EXPECT_EQ(ini.bytes(), expected);
    EXPECT_EQ(ini.readInteger("init", "page", 0), 6);

    ASSERT_TRUE(ini.set("init", "\xE0uto_com", "7"));
    EXPECT_EQ(ini.readString("init", "auto_com", ""), "0");
    EXPECT_EQ(ini.readString("init", "\xE0uto_com", ""), "7");
    ASSERT_TRUE(ini.set("localization", "language", "Deutsch"));
    EXPECT_EQ(ini.bytes().substr(ini.bytes().size() - 16), "language=Deutsch") << "no line break appears";
}

TEST(IniText, NewKeysGoAfterTheSectionsLastLine) {
    IniText ini("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n");
    ASSERT_TRUE(ini.set("a", "z", "3"));
    EXPECT_EQ(ini.bytes(), "[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n");
    ASSERT_TRUE(ini.set("c", "w", "4"));
    EXPECT_EQ(ini.bytes(), "[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n[c]\r\nw=4\r\n");
}

TEST(IniText, EditsFollowTheFilesLineBreaksAndEnds) {
    const struct {
        const char* before;
        const char* section;
        const char* after;
    } cases[] = {
        {"", "s", "[s]\r\nk=v\r\n"},
        {"[s]", "s", "[s]\r\nk=v"},          // section header without line break
        {"[s]\nx=1", "s", "[s]\nx=1\nk=v"},  // LF file, no final break
        {"[s]\nx=1\n", "t", "[s]\nx=1\n[t]\nk=v\n"},
        {"[s]\r\nx=1", "t", "[s]\r\nx=1\r\n[t]\r\nk=v\r\n"},
        {"x=1\r", "t", "x=1\r\r\n[t]\r\nk=v\r\n"},             // a lone CR does not end the last line
        {"\xEF\xBB\xBF[s]\n", "s", "\xEF\xBB\xBF[s]\nk=v\n"},  // an editor's byte order mark stays
    };
    for (const auto& c : cases) {
        IniText ini(c.before);
        ASSERT_TRUE(ini.set(c.section, "k", "v")) << c.before;
        EXPECT_EQ(ini.bytes(), c.after) << c.before;
        EXPECT_EQ(IniText(ini.bytes()).readString(c.section, "k", ""), "v") << c.before;
    }
}

TEST(IniText, WritesThatCouldNotReadBackAreRefusedOrCut) {
    IniText ini("[s]\r\nk=1\r\n");
    const std::string before = ini.bytes();
    EXPECT_FALSE(ini.set("", "k", "v"));
    EXPECT_FALSE(ini.set("s", " ", "v"));
    EXPECT_FALSE(ini.set("s", "a=b", "v"));
    EXPECT_FALSE(ini.set("s", "[x]", "v"));
    EXPECT_FALSE(ini.set("s\r\n[t", "k", "v"));
    EXPECT_FALSE(ini.set("s", "k\nj", "v"));
    EXPECT_EQ(ini.bytes(), before);
    ASSERT_TRUE(ini.set("s", "k", "line1\r\n[evil]\r\nk=2"));
    EXPECT_EQ(ini.bytes(), "[s]\r\nk=line1\r\n");
    EXPECT_EQ(ini.sectionNames(), std::vector<std::string>{"s"});
}

TEST(IniText, EraseRemovesTheFirstKeyLine) {
    IniText ini("[s]\r\nk=1\r\nk=2\r\n[t]\r\nk=3\r\n");
    EXPECT_TRUE(ini.erase("S", "K"));
    EXPECT_EQ(ini.bytes(), "[s]\r\nk=2\r\n[t]\r\nk=3\r\n");
    EXPECT_FALSE(ini.erase("s", "missing"));
    EXPECT_FALSE(ini.erase("u", "k"));
}

TEST(IniText, BinaryGarbageNeverBreaksReadingOrWriting) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    IniText ini(garbage);
    (void)ini.sectionNames();
    (void)ini.readString("a", "b", "");
    ASSERT_TRUE(ini.set("settings", "key", "value"));
    EXPECT_EQ(ini.bytes().substr(0, garbage.size()), garbage);
    EXPECT_EQ(IniText(ini.bytes()).readString("settings", "key", ""), "value");
}
