#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../organ/temp_folder.h"
#include "settings/cp1251.h"
#include "settings/memory_system.h"
#include "settings/translation.h"

using namespace settings;

namespace {

class Translation : public testing::Test {
  protected:
    ~Translation() override { clearTranslation(); }
    MemorySystem sys;
    ScopedSystem scope{sys};
};

struct Lookup {
    std::string lng;
    std::string text;
    std::string expected;
};

// A literal with its NUL bytes.
template <std::size_t N>
std::string bytes(const char (&s)[N]) {
    return std::string(s, N - 1);
}

}  // namespace

TEST_F(Translation, LooksUpWholeTextsAsTheFileSaysThem) {
    const std::string longLine = "Exit|" + std::string(kLngLineLimit, 'x');
    const std::string longestLine = "Exit|" + std::string(kLngLineLimit - 5, 'y');
    const Lookup cases[] = {
        {"Connect|Verbinden", "Connect", "Verbinden"},
        {"connect|Verbinden", "Connect", "Connect"},
        {"Connect|Verbinden", "connect", "connect"},
        {"a|b|c", "a", "b|c"},
        {"Open Port", "Open Port", "Open Port"},
        {"Open Port\r\nOpen Port|Открыть", "Open Port", "Open Port"},
        {"Exit|\xC2\xFB\xF5\xEE\xE4", "Exit", "\xC2\xFB\xF5\xEE\xE4"},
        {"Lights (F9) |Light ", "Lights (F9) ", "Light "},
        {"Lights (F9) |Light ", "Lights (F9)", "Lights (F9)"},
        {"Port|Porta", "Open Port", "Open Port"},
        {"A|1\r\nB|2\nC|3\rD|4", "A", "1"},
        {"A|1\r\nB|2\nC|3\rD|4", "B", "2"},
        {"A|1\r\nB|2\nC|3\rD|4", "C", "3"},
        {"A|1\r\nB|2\nC|3\rD|4", "D", "4"},
        {"A|1\r\n\r\nB|2\r\n", "B", "2"},
        {"|empty source", "", "empty source"},
        {longLine + "\r\nOpen|Auf", "Exit", "Exit"},
        {longLine + "\r\nOpen|Auf", "Open", "Auf"},
        {longestLine, "Exit", std::string(kLngLineLimit - 5, 'y')},
        {bytes("\0|nul\r\n\x01\x1F|ctl"), bytes("\0"), "nul"},
        {bytes("\0|nul\r\n\x01\x1F|ctl"), "\x01\x1F", "ctl"},
        {"", "Connect", "Connect"},
    };
    for (const Lookup& c : cases) {
        setTranslation(c.lng);
        EXPECT_TRUE(hasTranslation());
        EXPECT_EQ(translate(c.text), c.expected) << c.lng.substr(0, 60) << " / " << c.text;
    }
}

TEST_F(Translation, WithoutATableEveryTextStays) {
    EXPECT_FALSE(hasTranslation());
    EXPECT_EQ(translate("Connect"), "Connect");
    setTranslation("Connect|Verbinden");
    clearTranslation();
    EXPECT_FALSE(hasTranslation());
    EXPECT_EQ(translate("Connect"), "Connect");
    setTranslation("Connect|Verbinden\r\n" + std::string(kLngFileLimit, ';'));
    EXPECT_FALSE(hasTranslation()) << "a file that large is no translation";
    EXPECT_EQ(translate("Connect"), "Connect");
}

TEST_F(Translation, EveryByteValueIsKeptAndNothingBreaks) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    setTranslation("x|" + all);
    EXPECT_EQ(translate("x"), all.substr(0, all.find_first_of("\r\n")));
    setTranslation(all + all + "|" + all);
    EXPECT_EQ(translate("x"), "x");
}

TEST_F(Translation, LoadsTheConfiguredLanguageFromTheProgramFolder) {
    struct Case {
        const char* what;
        std::optional<std::string> ini;
        std::vector<std::string> files;  // under C:\Prog\localization, each holding "Connect|" + its name
        const char* folder;
        const char* expected;  // the translation of "Connect"; null when no table loads
    };
    const std::string german = "[localization]\r\nlanguage=German\r\n";
    const Case cases[] = {
        {"no ini", std::nullopt, {"German.lng"}, "C:\\Prog\\", nullptr},
        {"no language key", "[init]\r\npage=1\r\n", {"German.lng"}, "C:\\Prog\\", nullptr},
        {"empty language", "[localization]\r\nlanguage=\r\n", {".lng"}, "C:\\Prog\\", nullptr},
        {"no folder", german, {}, "C:\\Prog\\", nullptr},
        {"the name differs in case", german, {"german.lng", "GERMAN.lng"}, "C:\\Prog\\", nullptr},
        {"extension in capitals", german, {"German.LNG"}, "C:\\Prog\\", "German.LNG"},
        {"another extension", german, {"German.lng.bak", "German.txt"}, "C:\\Prog\\", nullptr},
        {"only in a subfolder", german, {"old\\German.lng"}, "C:\\Prog\\", nullptr},
        {"first match", german, {"Germanic.lng", "German.lng", "German.Lng"}, "C:\\Prog\\", "German.lng"},
        {"folder without separator", german, {"German.lng"}, "C:\\Prog", "German.lng"},
        {"section and key in any case",
         "[LOCALIZATION]\r\nLanguage=German\r\n",
         {"German.lng"},
         "C:\\Prog\\",
         "German.lng"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemorySystem fresh;
        ScopedSystem use(fresh);
        if (c.ini) fresh.putFile("C:\\Prog\\lumenrig.ini", *c.ini);
        for (const std::string& f : c.files)
            fresh.putFile("C:\\Prog\\localization\\" + f, "Connect|" + f);
        setTranslation("Connect|stale");
        EXPECT_EQ(loadTranslation(c.folder), c.expected != nullptr);
        EXPECT_EQ(hasTranslation(), c.expected != nullptr) << "an earlier table never survives a load";
        EXPECT_EQ(translate("Connect"), c.expected ? c.expected : "Connect");
    }
}

TEST_F(Translation, UnusableLanguageFilesLoadNothing) {
    sys.putFile("C:\\Prog\\lumenrig.ini", "[localization]\r\nlanguage=German\r\n");
    sys.addFolder("C:\\Prog\\localization\\German.lng");
    EXPECT_FALSE(loadTranslation("C:\\Prog\\")) << "a folder of that name";

    MemorySystem locked;
    ScopedSystem useLocked(locked);
    locked.putFile("C:\\Prog\\lumenrig.ini", "[localization]\r\nlanguage=German\r\n");
    locked.putFile("C:\\Prog\\localization\\German.lng", "Connect|Verbinden");
    locked.setUnreadable("C:\\Prog\\localization\\German.lng");
    EXPECT_FALSE(loadTranslation("C:\\Prog\\"));

    MemorySystem huge;
    ScopedSystem useHuge(huge);
    huge.putFile("C:\\Prog\\lumenrig.ini", "[localization]\r\nlanguage=German\r\n");
    huge.putFile("C:\\Prog\\localization\\German.lng",
                 "Connect|Verbinden\r\n" + std::string(kLngFileLimit, ';'));
    EXPECT_FALSE(loadTranslation("C:\\Prog\\"));
    EXPECT_EQ(translate("Connect"), "Connect");
}

TEST_F(Translation, LoadsFromTheDisk) {
    ScopedSystem native(nativeSystem());
    const TempFolder folder("lumenrig-lng");
    std::filesystem::create_directories(folder.path() / "localization");
    std::ofstream(folder.file("lumenrig.ini"), std::ios::binary)
        << "[localization]\r\nlanguage=Ukrainian\r\n";
    std::ofstream(folder.path() / "localization" / "Ukrainian.lng", std::ios::binary)
        << "Exit|\xC2\xE8\xF5\xB3\xE4\r\n";
    EXPECT_TRUE(loadTranslation(utf8ToCp1251(folder.path().string()) + "\\"));
    EXPECT_EQ(translate("Exit"), "\xC2\xE8\xF5\xB3\xE4");
}

TEST_F(Translation, AWatchListsEveryTextAskedForOnceInOrder) {
    translate("before");
    std::vector<std::string> outer;
    std::vector<std::string> inner;
    {
        TranslationWatch watchAll;
        translate("Connect");
        {
            TranslationWatch watchSome;
            setTranslation("Exit|Выход");
            translate("Exit");
            translate("Connect");
            translate("Exit");
            inner = watchSome.texts();
        }
        translate("Auto");
        outer = watchAll.texts();
    }
    translate("after");
    EXPECT_EQ(inner, (std::vector<std::string>{"Exit", "Connect"}));
    EXPECT_EQ(outer, (std::vector<std::string>{"Connect", "Exit", "Auto"})) << "sources, not translations";
}
