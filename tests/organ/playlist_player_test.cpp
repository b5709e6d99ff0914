// The playlist player on the virtual clock: which scheme it hands out when, read from list.ini afresh at
// every step, and what it makes of lists that are short, broken or absurd.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless_fixture.h"
#include "organ/playlist_player.h"
#include "recorder.h"
#include "settings/memory_system.h"

using namespace lr;

namespace {

constexpr const char* kList = "C:\\Prog\\list.ini";
constexpr std::uint64_t kHour = 3600 * 1000;

struct Played {
    std::uint64_t ms;
    std::string scheme;
    bool operator==(const Played&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Played& p) {
    return out << p.ms << " " << p.scheme;
}

class Log : public Element {
  public:
    explicit Log(const ui::Loop& loop) : loop_(loop) {}
    void take(TData& data) { played.push_back({loop_.nowMs(), toString(data)}); }
    std::vector<Played> played;

  private:
    const ui::Loop& loop_;
};

std::string entries(int count, int seconds) {
    std::string text = "[Long]\r\n";
    for (int n = 0; n < count; ++n)
        text += "scheme" + std::to_string(n) + "=S" + std::to_string(n) + "\r\ntime" + std::to_string(n) +
                "=" + std::to_string(seconds) + "\r\n";
    return text;
}

// Control bytes, a zero byte and bytes above 127 in and around the section.
std::string binary() {
    const std::string zero(1, '\0');
    return zero + "\xFF\x01garbage\r\n[Party]\r\n\x7F\x80=\x01\r\nscheme0=Alpha\r\ntime0=3" + zero + "x\r\n";
}

}  // namespace

class PlaylistPlayer : public HeadlessTest {
  protected:
    PlaylistPlayer() {
        player.PlaylistName = name.point();
        player.onScheme = bind<&Log::take>(log);
    }
    void list(const std::string& text) { sys.putFile(kList, text); }
    void startPlaying() {
        TData none;
        player.doStart(none);
    }

    settings::MemorySystem sys;
    settings::ScopedSystem scope{sys};
    Source name{makeString("Party")};
    Log log{loop};
    TClassMultiElementEx_2A5D6B0 player{nullptr};
};

TEST_F(PlaylistPlayer, EachEntryStaysItsTimeAndTheListRepeats) {
    struct Case {
        const char* what;
        std::string list;
        std::uint64_t playFor;
        std::vector<Played> played;
    };
    const Case cases[] = {
        {"time0 30, time1 missing",
         "[Party]\r\nscheme0=Alpha\r\ntime0=30\r\nscheme1=Beta\r\n",
         150000,
         {{0, "Alpha"}, {30000, "Beta"}, {90000, "Alpha"}, {120000, "Beta"}}},
        {"a time of 0 is a minute",
         "[Party]\r\nscheme0=Alpha\r\ntime0=0\r\nscheme1=Beta\r\ntime1=2\r\n",
         123000,
         {{0, "Alpha"}, {60000, "Beta"}, {62000, "Alpha"}, {122000, "Beta"}}},
        {"a negative time is a minute too",
         "[Party]\r\nscheme0=Alpha\r\ntime0=-5\r\nscheme1=Beta\r\ntime1=1\r\n",
         62000,
         {{0, "Alpha"}, {60000, "Beta"}, {61000, "Alpha"}}},
        {"a gap ends the list",
         "[Party]\r\nscheme0=Alpha\r\ntime0=5\r\nscheme2=Beta\r\ntime2=5\r\n",
         12000,
         {{0, "Alpha"}, {5000, "Alpha"}, {10000, "Alpha"}}},
        {"a huge time waits rather than wrapping round to a short one",
         "[Party]\r\nscheme0=Alpha\r\ntime0=4294968\r\nscheme1=Beta\r\n",
         kHour,
         {{0, "Alpha"}}},
        {"other playlists and keys are not this one's",
         "[Other]\r\nscheme0=Gamma\r\n[party]\r\nScheme0=Alpha\r\nTIME0=7\r\n",
         8000,
         {{0, "Alpha"}, {7000, "Alpha"}}},
        {"binary bytes around the entries", binary(), 7000, {{0, "Alpha"}, {3000, "Alpha"}, {6000, "Alpha"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        list(c.list);
        log.played.clear();
        const std::uint64_t from = loop.nowMs();
        startPlaying();
        loop.advance(static_cast<std::uint32_t>(c.playFor));
        std::vector<Played> played;
        for (const Played& p : log.played)
            played.push_back({p.ms - from, p.scheme});
        EXPECT_EQ(played, c.played);
        TData none;
        player.doStop(none);
    }
}

// Entry 0 without a scheme would start the list again at once, for ever.
TEST_F(PlaylistPlayer, AListWithoutAFirstSchemeStops) {
    const std::string lists[] = {"", "[Party]\r\n", "[Party]\r\ntime0=5\r\nscheme1=Beta\r\n",
                                 "[Other]\r\nscheme0=A\r\n"};
    for (const std::string& text : lists) {
        SCOPED_TRACE(text);
        list(text);
        startPlaying();
        loop.advance(kHour);
        EXPECT_TRUE(log.played.empty());
    }
    sys.deleteFile(kList);
    startPlaying();
    loop.advance(kHour);
    EXPECT_TRUE(log.played.empty()) << "no list.ini at all";
}

TEST_F(PlaylistPlayer, EveryStepReadsTheListAfresh) {
    list("[Party]\r\nscheme0=Alpha\r\ntime0=10\r\nscheme1=Beta\r\ntime1=10\r\n");
    startPlaying();
    loop.advance(5000);
    list("[Party]\r\nscheme0=Alpha\r\ntime0=10\r\nscheme1=Gamma\r\ntime1=2\r\n");
    loop.advance(5000);
    name.value = makeString("Calm");
    list("[Party]\r\nscheme0=Alpha\r\n[Calm]\r\nscheme0=Quiet\r\ntime0=1\r\n");
    loop.advance(2500);
    EXPECT_EQ(log.played, (std::vector<Played>{{0, "Alpha"}, {10000, "Gamma"}, {12000, "Quiet"}}));
}

TEST_F(PlaylistPlayer, AStartBeginsAtEntryZeroAndAStopEndsThePlay) {
    list("[Party]\r\nscheme0=Alpha\r\ntime0=1\r\nscheme1=Beta\r\ntime1=1\r\nscheme2=Gamma\r\ntime2=1\r\n");
    startPlaying();
    loop.advance(1500);
    startPlaying();
    loop.advance(1000);
    TData none;
    player.doStop(none);
    loop.advance(kHour);
    EXPECT_EQ(log.played,
              (std::vector<Played>{{0, "Alpha"}, {1000, "Beta"}, {1500, "Alpha"}, {2500, "Beta"}}));
}

// Entries 0..255 are played; stepping past 255 starts the list again, and entries above are never reached.
TEST_F(PlaylistPlayer, AtMostTwoHundredFiftySixEntriesArePlayed) {
    list(entries(300, 1));
    name.value = makeString("Long");
    startPlaying();
    loop.advance(256 * 1000 + 500);
    ASSERT_EQ(log.played.size(), 257u);
    EXPECT_EQ(log.played[255], (Played{255000, "S255"}));
    EXPECT_EQ(log.played[256], (Played{256000, "S0"}));
}
