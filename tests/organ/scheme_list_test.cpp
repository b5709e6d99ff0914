// The scheme list of the colour organ page: what it lists, what a pick loads and stores, the stored
// scheme at start, the random change, and folders and names that are not what they should be.
#include <gtest/gtest.h>

#include "organ_page_fixture.h"
#include "runtime/random.h"

using namespace lr;
using namespace organ_page;
using Names = std::vector<std::string>;

namespace {
constexpr const char* kAllOff = "B0C0D0E0F0G0H0I0J0K0L0";
}

class SchemeList : public OrganPageTest {
  protected:
    // Runs the organ one tick and takes what reached the port.
    std::string sentAtRun() {
        page->input(3, makeInteger(1));
        play(50);
        page->input(3, makeInteger(0));
        return written();
    }
};

TEST_F(SchemeList, ListsEverySchemeUnderTheFolderByNameInTheOrderFound) {
    scheme("Alpha", levelScheme(1));
    sys.putFile(std::string(kSchemes) + "sub\\Deep.lsc", crlf(levelScheme(5)));
    sys.putFile(std::string(kSchemes) + "sub\\deeper\\Low.LSC", "");
    sys.putFile(std::string(kSchemes) + "BETA.Lsc", "");
    for (const char* other : {"notes.txt", "Alpha.lsc.bak", "lsc", "Gamma.lsc\\inside.txt"})
        sys.putFile(std::string(kSchemes) + other, "");
    sys.putFile("C:\\Prog\\Outside.lsc", "");
    build();
    start();
    EXPECT_EQ(schemeList().items(), (Names{"Alpha", "Deep", "Low", "BETA"}));
}

TEST_F(SchemeList, RefreshListsTheFolderAgain) {
    scheme("Alpha", levelScheme(1));
    build();
    start();
    scheme("Zeta", levelScheme(2));
    EXPECT_EQ(schemeList().items(), Names{"Alpha"});
    ASSERT_TRUE(click(byHint("Refresh Schemes List")));
    EXPECT_EQ(schemeList().items(), (Names{"Alpha", "Zeta"}));
}

TEST_F(SchemeList, APickLoadsTheSchemeAndStoresItsName) {
    scheme("Alpha", levelScheme(1));
    scheme("Beta", levelScheme(2));
    build();
    start();
    EXPECT_EQ(setting("scheme"), "<none>") << "no scheme stored: none is loaded";
    ASSERT_TRUE(pick(schemeList(), "Beta"));
    EXPECT_EQ(setting("scheme"), "Beta");
    EXPECT_EQ(sentAtRun(), std::string("A2") + kAllOff);
    ASSERT_TRUE(pick(schemeList(), "Alpha"));
    EXPECT_EQ(setting("scheme"), "Alpha");
    EXPECT_EQ(sentAtRun(), "A1");
}

TEST_F(SchemeList, TheStartLoadsTheStoredSchemeAndTheRandomChangeSetting) {
    scheme("Alpha", levelScheme(1));
    scheme("Beta", levelScheme(2));
    settingsIni("[scheme]\nscheme=Beta\nrnd_change=1\n");
    build();
    start();
    EXPECT_EQ(schemeList().text(), "Beta");
    EXPECT_TRUE(randomBox().checked());
    EXPECT_EQ(sentAtRun(), std::string("A2") + kAllOff);
    ASSERT_TRUE(click(randomBox()));
    EXPECT_EQ(setting("rnd_change"), "0");
}

// A scheme found in a subfolder loads from the schemes folder itself: there it is missing, and a
// missing scheme is the empty one (no formulas, bars at 0 and hidden).
TEST_F(SchemeList, ASubfolderSchemeLoadsFromTheSchemesFolderItself) {
    struct Case {
        const char* what;
        bool alsoAtTop;
        std::string sent;
        bool barsShown;
    };
    const Case cases[] = {
        {"only in the subfolder", false, std::string("A0") + kAllOff, false},
        {"also in the schemes folder", true, std::string("A6") + kAllOff, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sys.putFile(std::string(kSchemes) + "sub\\Deep.lsc",
                    crlf("[init]\nbar_1_name=Sub\n[calculation]\nA=5\n"));
        if (c.alsoAtTop) scheme("Deep", "[init]\nbar_1_name=Top\n[calculation]\nA=6\n");
        build();
        start();
        written();
        ASSERT_TRUE(pick(schemeList(), "Deep"));
        EXPECT_EQ(bar("bar_1").visible(), c.barsShown);
        EXPECT_EQ(sentAtRun(), c.sent);
        EXPECT_EQ(setting("scheme"), "Deep");
    }
}

TEST_F(SchemeList, AStoredSchemeThatIsNoFileLoadsEmpty) {
    scheme("Alpha", "[description]\ntext=Alpha\n[init]\nbar_1_name=One\n[calculation]\nA=1\n");
    settingsIni("[scheme]\nscheme=Ghost\n");
    build();
    start();
    EXPECT_EQ(schemeList().selected(), -1);
    EXPECT_FALSE(bar("bar_1").visible());
    EXPECT_FALSE(bar("bar_act").visible());
    EXPECT_EQ(byHint("Scheme info").text(), "");
    EXPECT_EQ(setting("scheme"), "") << "the list's text, with nothing selected";
    EXPECT_EQ(sentAtRun(), std::string("A0") + kAllOff);
    EXPECT_TRUE(boxes.shown().empty()) << "nothing to report";
}

// With no scheme at all, a load or a random change would hide every bar and forget the stored name.
TEST_F(SchemeList, WithoutSchemesNothingIsLoadedNorForgotten) {
    settingsIni("[scheme]\nscheme=Alpha\nrnd_change=1\n");
    listIni("[Party]\nscheme0=Alpha\n");
    build();
    start();
    page->input(4);
    loop.advance(40000);
    EXPECT_TRUE(schemeList().items().empty());
    EXPECT_TRUE(bar("bar_1").visible());
    EXPECT_EQ(bar("bar_1").position(), 4);
    EXPECT_EQ(setting("scheme"), "Alpha");
    EXPECT_EQ(sentAtRun(), "") << "no scheme, no formulas";
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SchemeList, TheRandomChangeLoadsARandomSchemeEveryTwentySecondsWhileItsBoxIsChecked) {
    const Names names = {"Alpha", "Beta", "Gamma"};
    for (std::size_t i = 0; i < names.size(); ++i)
        scheme(names[i], levelScheme(static_cast<int>(i) + 1));
    settingsIni("[scheme]\nscheme=Alpha\nrnd_change=1\n");
    setRandomSeed(7);
    build();
    start();
    // Each change rewrites the stored name; a marker shows whether one happened.
    const auto mark = [&] { settings::iniWriteString(kIni, "scheme", "scheme", "marker"); };
    mark();
    loop.advance(19999);
    EXPECT_EQ(setting("scheme"), "marker");
    Names picked;
    for (int change = 0; change < 30; ++change) {
        loop.advance(change == 0 ? 1 : 20000);
        const std::string now = setting("scheme");
        ASSERT_NE(std::find(names.begin(), names.end(), now), names.end())
            << "\"" << now << "\" at change " << change;
        EXPECT_EQ(schemeList().text(), now);
        picked.push_back(now);
        mark();
    }
    for (const std::string& name : names)
        EXPECT_NE(std::find(picked.begin(), picked.end(), name), picked.end()) << name << " never drawn";

    ASSERT_TRUE(click(randomBox()));
    loop.advance(60000);
    EXPECT_EQ(setting("scheme"), "marker") << "a clear box changes nothing";
    page->input(4);
    EXPECT_NE(setting("scheme"), "marker") << "the hotkey changes at once, box or not";
}

TEST_F(SchemeList, AFolderOfThousandsOfOddFilesIsListedWithoutAHang) {
    for (int i = 0; i < 2000; ++i)
        sys.putFile(std::string(kSchemes) + "many\\s" + std::to_string(i) + ".lsc", "");
    std::string deep = kSchemes;
    for (int level = 0; level < 40; ++level) {
        deep += "d\\";
        sys.putFile(deep + "level" + std::to_string(level) + ".lsc", "");
    }
    scheme("\xC7\xE8\xEC\xE0", levelScheme(4));  // "Winter" in code page 1251
    scheme("Locked", levelScheme(5));
    sys.setUnreadable(std::string(kSchemes) + "Locked.lsc");
    build();
    start();
    const Names items = schemeList().items();
    EXPECT_EQ(std::count_if(items.begin(), items.end(), [](const std::string& n) { return n[0] == 's'; }),
              2000);
    EXPECT_NE(std::find(items.begin(), items.end(), "level31"), items.end());
    EXPECT_EQ(std::find(items.begin(), items.end(), "level33"), items.end()) << "a link loop, not schemes";
    ASSERT_TRUE(pick(schemeList(), "\xC7\xE8\xEC\xE0"));
    EXPECT_EQ(setting("scheme"), "\xC7\xE8\xEC\xE0");
    EXPECT_EQ(sentAtRun(), std::string("A4") + kAllOff);
    ASSERT_TRUE(pick(schemeList(), "Locked"));
    EXPECT_FALSE(bar("bar_1").visible()) << "an unreadable scheme loads empty";
    EXPECT_EQ(sentAtRun(), "") << "its empty formulas keep the levels";
    EXPECT_TRUE(boxes.shown().empty());
}
