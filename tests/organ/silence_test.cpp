// Music and silence: ten seconds without music start the silence playlist, the first music brings the
// scheme of before back, and the music playlist waits while it is silent.
#include <gtest/gtest.h>

#include "organ_page_fixture.h"

using namespace lr;
using namespace organ_page;

namespace {
constexpr const char* kAllOff = "B0C0D0E0F0G0H0I0J0K0L0";
}

class Silence : public OrganPageTest {
  protected:
    // Alpha (level 1) is the stored scheme; the silence playlist Calm plays Quiet (level 3).
    void prepare(bool silenceBox) {
        scheme("Alpha", levelScheme(1));
        scheme("Quiet", levelScheme(3));
        listIni("[Calm]\nscheme0=Quiet\ntime0=5\n");
        settingsIni("[scheme]\nscheme=Alpha\npause_list_name=Calm\npause_list_change=" +
                    std::string(silenceBox ? "1" : "0") + "\n");
        build();
        start();
    }
    // The recording input's own box: the user switches the sound off and on.
    void sound(bool on) {
        ui::headless::HeadlessControl& row = *byName("recording inputs").children().at(0);
        ASSERT_TRUE(check(*ui::headless::childAt(row, 1), on));
    }
};

TEST_F(Silence, TheSilencePlaylistStartsAtSecondTenOfSilenceOnlyWhenItsBoxIsChecked) {
    struct Case {
        const char* what;
        bool silenceBox;
        std::uint32_t silentMs;
        std::string shownAfter;
    };
    const Case cases[] = {
        {"eight seconds", true, 8000, "Alpha"},       {"just under ten", true, 9999, "Alpha"},
        {"ten seconds", true, 10000, "Quiet"},        {"eleven seconds", true, 11000, "Quiet"},
        {"eleven, box clear", false, 11000, "Alpha"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prepare(c.silenceBox);
        loop.advance(c.silentMs);
        EXPECT_EQ(schemeList().text(), c.shownAfter);
    }
}

// The first tick with music ends the silence before the channels are evaluated: Quiet never reaches
// the port, and Alpha (stored at second 9) is back.
TEST_F(Silence, MusicEndsTheSilenceAndBringsTheSchemeOfBeforeBack) {
    prepare(true);
    loop.advance(11000);
    ASSERT_EQ(schemeList().text(), "Quiet");
    EXPECT_EQ(setting("scheme"), "Quiet");
    page->input(3, makeInteger(1));
    play(50);
    EXPECT_EQ(written(), std::string("A1") + kAllOff);
    EXPECT_EQ(schemeList().text(), "Alpha");
    play(60000);
    EXPECT_EQ(written(), "") << "the silence playlist stopped and the music goes on";
}

TEST_F(Silence, EightSecondsOfSilenceThenMusicNeverStartTheSilencePlaylist) {
    prepare(true);
    loop.advance(8000);
    page->input(3, makeInteger(1));
    play(20000);
    EXPECT_EQ(written(), std::string("A1") + kAllOff);
    EXPECT_EQ(schemeList().text(), "Alpha");
}

// The organ ticks 20 ms after each second of the silence counter, so each step has one order.
TEST_F(Silence, TheSoundSwitchedOffWhileRunningTurnsToTheSilencePlaylistAndBack) {
    prepare(true);
    loop.advance(20);
    page->input(3, makeInteger(1));
    play(1000);
    EXPECT_EQ(written(), std::string("A1") + kAllOff);
    sound(false);
    play(9950);
    EXPECT_EQ(written(), "");
    play(100);
    EXPECT_EQ(written(), "A3") << "ten seconds after the sound went off";
    play(5000);
    EXPECT_EQ(written(), "") << "the silence playlist plays Quiet again";
    sound(true);
    play(50);
    EXPECT_EQ(written(), "A1");
}

// The music playlist steps at 0.5, 5.5, 10.5 and 15.5 s; from second 10 its schemes are dropped.
TEST_F(Silence, TheMusicPlaylistIsNotHeardWhileItIsSilent) {
    scheme("Alpha", levelScheme(1));
    scheme("Beta", levelScheme(2));
    listIni("[Party]\nscheme0=Alpha\ntime0=5\nscheme1=Beta\ntime1=5\n");
    settingsIni("[scheme]\nlist_change=1\nlist_name=Party\n");
    build();
    loop.advance(500);
    start();
    EXPECT_EQ(schemeList().text(), "Alpha");
    loop.advance(5000);
    EXPECT_EQ(schemeList().text(), "Beta");
    loop.advance(12000);
    EXPECT_EQ(schemeList().text(), "Beta") << "Alpha at 10.5 s and Beta at 15.5 s were dropped";
    page->input(3, makeInteger(1));
    play(50);
    EXPECT_EQ(written(), std::string("A2") + kAllOff);
    play(3000);
    EXPECT_EQ(written(), "A1") << "the playlist is heard again";
}
