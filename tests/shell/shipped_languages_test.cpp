// The translations shipped in data/localization: code page 1251, one entry for each interface text
// that goes through the table, and none twice.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "runtime/strings.h"
#include "settings/cp1251.h"
#include "settings/memory_system.h"
#include "settings/translation.h"

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const fs::path kLanguages = fs::path(LUMENRIG_DATA_DIR) / "localization";

// The texts the interface puts through the table, one a line (ASCII, trailing blanks kept).
std::vector<std::string> translatedTexts() {
    return lr::splitLines(
        contents(fs::path(LUMENRIG_DATA_DIR).parent_path() / "tests" / "settings" / "translated_texts.txt"));
}

// A printable character of the code page, or a line end.
bool decodes(unsigned char byte) {
    if (byte == '\r' || byte == '\n') return true;
    const char32_t cp = settings::cp1251ToCodePoint(byte);
    const bool control = cp < 0x20 || (cp >= 0x7F && cp < 0xA0);
    return !control && static_cast<unsigned char>(settings::codePointToCp1251(cp)) == byte;
}

struct Language {
    const char* file;
    const char* exitUtf8;  // what "Exit" reads in it
};

const Language kShipped[] = {{"Russian.lng", "Выход"}, {"Ukrainian.lng", "Вихід"}};

}  // namespace

TEST(ShippedLanguages, TheListOfTextsIsThere) {
    const std::vector<std::string> texts = translatedTexts();
    EXPECT_GT(texts.size(), 100u);
    EXPECT_EQ(std::set<std::string>(texts.begin(), texts.end()).size(), texts.size());
}

TEST(ShippedLanguages, EachIsCodePage1251WithOneEntryPerInterfaceText) {
    const std::vector<std::string> texts = translatedTexts();
    for (const Language& language : kShipped) {
        SCOPED_TRACE(language.file);
        const std::string bytes = contents(kLanguages / language.file);
        ASSERT_FALSE(bytes.empty());
        EXPECT_LT(bytes.size(), settings::kLngFileLimit);
        const auto bad = std::find_if_not(bytes.begin(), bytes.end(),
                                          [](char c) { return decodes(static_cast<unsigned char>(c)); });
        EXPECT_EQ(bad, bytes.end()) << "byte " << (bad - bytes.begin())
                                    << " is no character of the code page";

        std::vector<std::string> sources;
        for (const std::string& line : lr::splitLines(bytes)) {
            const std::size_t bar = line.find('|');
            EXPECT_NE(bar, std::string::npos) << line;
            EXPECT_LT(bar + 1, line.size()) << "no translation: " << line;
            EXPECT_LE(line.size(), settings::kLngLineLimit);
            sources.push_back(line.substr(0, bar));
        }
        std::set<std::string> unique;
        for (const std::string& s : sources)
            EXPECT_TRUE(unique.insert(s).second) << "twice: \"" << s << "\"";
        for (const std::string& text : texts)
            EXPECT_TRUE(unique.count(text)) << "no entry for \"" << text << "\"";
        const std::set<std::string> listed(texts.begin(), texts.end());
        for (const std::string& s : sources)
            EXPECT_TRUE(listed.count(s)) << "\"" << s << "\" is no interface text of the list";
    }
}

TEST(ShippedLanguages, TheLoaderPicksEachByItsName) {
    for (const Language& language : kShipped) {
        SCOPED_TRACE(language.file);
        settings::MemorySystem sys;
        settings::ScopedSystem scope(sys);
        for (const Language& other : kShipped)
            sys.putFile(std::string("C:\\Prog\\localization\\") + other.file,
                        contents(kLanguages / other.file));
        const std::string name = fs::path(language.file).stem().string();
        sys.putFile("C:\\Prog\\lumenrig.ini", "[localization]\r\nlanguage=" + name + "\r\n");
        EXPECT_TRUE(settings::loadTranslation("C:\\Prog\\"));
        EXPECT_EQ(settings::translate("Exit"), settings::utf8ToCp1251(language.exitUtf8));
        EXPECT_EQ(settings::translate("Lights On/Off (Cntr+Shift+F9)"), "Lights On/Off (Cntr+Shift+F9)")
            << "the tray item's text ends with a blank; without it it is another text";
        settings::clearTranslation();
    }
}
