// The "Smooth Strip" window: thirteen gradient lamps, each from the previous channel's colour to its own.
#include <array>

#include "strip_fixture.h"

using namespace lr;
using ui::MouseButton;
using ui::headless::click;

class SmoothWindow : public StripTest {
  protected:
    SmoothWindow() {
        startProgram();
        ui::headless::check(box("Smooth Strip"), true);
    }
    // The red of lamp k at its top and bottom rows, inside the frame.
    std::pair<int, int> reds(int k) {
        const ui::Image shot = smoothLamp(k).render();
        const int x = shot.width() / 2;
        return {static_cast<int>(shot.pixel(x, 3) & 0xFF),
                static_cast<int>(shot.pixel(x, shot.height() - 3) & 0xFF)};
    }
};

TEST_F(SmoothWindow, EachLampRunsFromThePreviousChannelToItsOwn) {
    send("A8");
    EXPECT_LT(reds(1).first, 40);
    EXPECT_GT(reds(1).second, 210);
    EXPECT_GT(reds(2).first, 210) << "the change ripples into lamp 2";
    EXPECT_LT(reds(2).second, 40);
    send("B8A0");
    EXPECT_LT(reds(1).second, 40);
    EXPECT_LT(reds(2).first, 40);
    EXPECT_GT(reds(2).second, 210);
    EXPECT_GT(reds(3).first, 210);
}

TEST_F(SmoothWindow, LampThirteenFadesChannelLToBlack) {
    send("K4L8");
    EXPECT_LT(reds(12).first, 140);
    EXPECT_GT(reds(12).first, 100);
    EXPECT_GT(reds(12).second, 210);
    EXPECT_GT(reds(13).first, 210);
    EXPECT_LT(reds(13).second, 40);
    send("L0");
    EXPECT_LT(reds(13).first, 40);
}

TEST_F(SmoothWindow, LampsTwelveAndThirteenBothChooseChannelL) {
    dialogs().answerColor(ui::rgb(0, 0, 255));
    click(smoothLamp(13), MouseButton::Right);
    dialogs().answerColor(ui::rgb(0, 255, 0));
    click(smoothLamp(11), MouseButton::Right);
    EXPECT_EQ(smooth().baseColor(11), 16711680);
    EXPECT_EQ(smooth().baseColor(10), 65280);
    EXPECT_EQ(strip().baseColor(11), 255) << "each window has its own colours";
    click(smoothLamp(12), MouseButton::Middle);
    EXPECT_TRUE(in(smooth(), "reset strip colors").visible());
    click(in(smooth(), "reset strip colors"));
    EXPECT_EQ(smooth().baseColor(11), 255);
}

TEST_F(SmoothWindow, ColoursAreStoredUnderTheirOwnKey) {
    setSetting("init", "smooth_strip_colors", "1,2,3");
    TData none;
    smooth().doLoadColors(none);
    EXPECT_EQ(smooth().baseColor(2), 3);
    closeProgram();
    EXPECT_EQ(setting("init", "smooth_strip_colors"), "1,2,3,255,255,255,255,255,255,255,255,255");
    EXPECT_FALSE(shown(smooth()));
}

TEST_F(SmoothWindow, OnlyLampsWhoseColoursChangedAreRepainted) {
    ui::headless::check(box("Strip"), true);
    auto repaints = [this] {
        std::vector<int> counts;
        for (int k = 1; k <= 13; ++k)
            counts.push_back(smoothLamp(k).invalidations());
        for (char letter = 'A'; letter <= 'L'; ++letter)
            counts.push_back(lamp(letter).invalidations());
        return counts;
    };
    auto changedSince = [&](const std::vector<int>& before) {
        const std::vector<int> now = repaints();
        std::string seen;
        for (std::size_t i = 0; i < now.size(); ++i)
            seen += now[i] != before[i] ? 'x' : '.';
        return seen;
    };
    std::vector<int> before = repaints();
    send("A8");
    EXPECT_EQ(changedSince(before),
              "xx..........."
              "x...........");
    before = repaints();
    send("A8A8");
    EXPECT_EQ(changedSince(before),
              "............."
              "............");
    send("F4");
    before = repaints();
    send("F5L8");
    EXPECT_EQ(changedSince(before),
              ".....xx....xx"
              ".....x.....x");
}

// The colour organ's output for ten seconds at 20 ticks a second: a command only for a channel whose level
// changed. Each change repaints one flat lamp and two gradient lamps (its own and the next), no more.
TEST_F(SmoothWindow, FollowingTheColourOrganRepaintsTwoLampsPerChange) {
    ui::headless::check(box("Strip"), true);
    auto total = [this](bool smoothWindow) {
        int n = 0;
        for (int k = 1; k <= 13; ++k)
            n += smoothWindow ? smoothLamp(k).invalidations()
                              : (k <= 12 ? lamp(static_cast<char>('A' + k - 1)).invalidations() : 0);
        return n;
    };
    const int flatBefore = total(false);
    const int smoothBefore = total(true);
    std::array<int, 12> levels{};
    std::uint32_t seed = 12345;
    int changes = 0;
    for (int tick = 0; tick < 200; ++tick) {
        for (std::size_t k = 0; k < 12; ++k) {
            seed = seed * 134775813u + 1u;
            const int level = static_cast<int>((seed >> 16) % 9);
            if (level == levels[k]) continue;
            levels[k] = level;
            ++changes;
            send(std::string{static_cast<char>('A' + k), static_cast<char>('0' + level)});
        }
        loop.advance(50);
    }
    ASSERT_GT(changes, 1000);
    EXPECT_EQ(total(false) - flatBefore, changes);
    EXPECT_EQ(total(true) - smoothBefore, 2 * changes);
    RecordProperty("commands_per_second", changes / 10);
    RecordProperty("repaints_per_second", (total(false) - flatBefore + total(true) - smoothBefore) / 10);
}
