// The playlists on the colour organ page: the two lists and their boxes, their settings, and a music
// playlist changing the show on the port while the music plays.
#include <gtest/gtest.h>

#include "organ_page_fixture.h"

using namespace lr;
using namespace organ_page;
using Names = std::vector<std::string>;

class Playlists : public OrganPageTest {};

// Alpha holds channel A at 1, Beta at 2; Alpha at once, Beta 30 s later, Alpha again 60 s after that.
// The organ runs from 0 ms and the page starts 20 ms later, so each change shows at the next tick.
TEST_F(Playlists, AMusicPlaylistChangesTheSchemesOnThePortWhileMusicPlays) {
    scheme("Alpha", levelScheme(1));
    scheme("Beta", levelScheme(2));
    listIni("[Party]\nscheme0=Alpha\ntime0=30\nscheme1=Beta\n");
    settingsIni("[scheme]\nlist_change=1\nlist_name=Party\n");
    build();
    page->input(3, makeInteger(1));
    loop.advance(20);
    start();
    EXPECT_TRUE(musicBox().checked());
    EXPECT_EQ(musicList().text(), "Party");
    play(150000);
    EXPECT_EQ(sentOn('A'), (std::vector<Sent>{{50, "A1"}, {30050, "A2"}, {90050, "A1"}, {120050, "A2"}}));
    EXPECT_EQ(setting("scheme"), "Beta");
    EXPECT_EQ(written().substr(0, 2), "A1") << "the port saw them too";
}

TEST_F(Playlists, BothListsOfferEveryPlaylistButSupport) {
    listIni("[support]\nscheme0=Alpha\n[Party]\nscheme0=Alpha\n[SUPPORT]\n[Calm]\nscheme0=Beta\n[Support]\n");
    build();
    start();
    EXPECT_EQ(musicList().items(), (Names{"Party", "Calm"}));
    EXPECT_EQ(silenceList().items(), (Names{"Party", "Calm"}));
}

TEST_F(Playlists, ThePicksAndTheBoxesAreKept) {
    listIni("[Party]\n[Calm]\n");
    build();
    start();
    struct Case {
        const char* action;
        std::function<bool()> act;
        const char* key;
        std::string value;
    };
    const Case cases[] = {
        {"music pick", [&] { return pick(musicList(), "Calm"); }, "list_name", "Calm"},
        {"silence pick", [&] { return pick(silenceList(), "Party"); }, "pause_list_name", "Party"},
        {"music box on", [&] { return check(musicBox(), true); }, "list_change", "1"},
        {"music box off", [&] { return check(musicBox(), false); }, "list_change", "0"},
        {"silence box on", [&] { return check(silenceBox(), true); }, "pause_list_change", "1"},
        {"random box on", [&] { return check(randomBox(), true); }, "rnd_change", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        ASSERT_TRUE(c.act());
        EXPECT_EQ(setting(c.key), c.value);
    }
    EXPECT_EQ(setting("list_name"), "Calm") << "each key on its own";

    Harness again(window.get(), loop);
    page.reset();
    again.input(0, makeInteger(1));
    again.input(1);
    EXPECT_EQ(musicList().text(), "Calm");
    EXPECT_EQ(silenceList().text(), "Party");
    EXPECT_FALSE(musicBox().checked());
    EXPECT_TRUE(silenceBox().checked());
    EXPECT_TRUE(randomBox().checked());
}

TEST_F(Playlists, RefreshListsReadsTheFileAndTheStoredChoiceAgain) {
    listIni("[Party]\n");
    settingsIni("[scheme]\nlist_name=Calm\n");
    build();
    start();
    EXPECT_EQ(musicList().selected(), -1) << "a stored playlist that is not there";
    listIni("[Party]\n[Calm]\n");
    ASSERT_TRUE(click(byName("list_name refresh")));
    EXPECT_EQ(musicList().items(), (Names{"Party", "Calm"}));
    EXPECT_EQ(musicList().text(), "Calm");
    EXPECT_TRUE(silenceList().items().size() == 1) << "each list has its own button";
    ASSERT_TRUE(click(byName("pause_list_name refresh")));
    EXPECT_EQ(silenceList().items().size(), 2u);
}

// Input 5 comes from the tray and Ctrl+Shift+F7.
TEST_F(Playlists, InputFiveFlipsTheMusicBoxWhichStartsAndStopsThePlaylist) {
    scheme("Alpha", levelScheme(1));
    scheme("Beta", levelScheme(2));
    listIni("[Party]\nscheme0=Alpha\ntime0=5\nscheme1=Beta\ntime1=5\n");
    settingsIni("[scheme]\nscheme=Beta\nlist_name=Party\n");
    build();
    start();
    EXPECT_EQ(schemeList().text(), "Beta");
    page->input(5);
    EXPECT_TRUE(musicBox().checked());
    EXPECT_EQ(setting("list_change"), "1");
    EXPECT_EQ(schemeList().text(), "Alpha") << "from its first entry at once";
    loop.advance(5000);
    EXPECT_EQ(schemeList().text(), "Beta");
    page->input(5);
    EXPECT_FALSE(musicBox().checked());
    EXPECT_EQ(setting("list_change"), "0");
    loop.advance(8000);
    EXPECT_EQ(schemeList().text(), "Beta") << "stopped";
}

TEST_F(Playlists, AMissingSchemeInAPlaylistLoadsEmptyAndThePlaylistGoesOn) {
    scheme("Alpha", "[init]\nbar_1_name=One\n[calculation]\nA=1\n");
    listIni("[Party]\nscheme0=Ghost\ntime0=2\nscheme1=Alpha\ntime1=2\n");
    settingsIni("[scheme]\nlist_change=1\nlist_name=Party\n");
    build();
    start();
    EXPECT_FALSE(bar("bar_1").visible()) << "Ghost: the empty scheme";
    EXPECT_EQ(schemeList().selected(), -1);
    loop.advance(2000);
    EXPECT_TRUE(bar("bar_1").visible());
    EXPECT_EQ(schemeList().text(), "Alpha");
}
