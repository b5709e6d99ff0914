// The "Strip" window as the command stream and the user meet it: decoding, colours, the buttons.
#include <vector>

#include "strip_fixture.h"

using namespace lr;
using ui::MouseButton;
using ui::headless::click;

namespace {

const std::string kAllRed = "255,255,255,255,255,255,255,255,255,255,255,255";

// Lamps A..L: "." dark, "r" red 248 (level 8), "h" red 155 (level 5), "c" red 124 (level 4).
ui::Color shownAs(char code) {
    switch (code) {
        case 'r':
            return 248;
        case 'h':
            return 155;
        case 'c':
            return 124;
        default:
            return 0;
    }
}

}  // namespace

class StripWindow : public StripTest {
  protected:
    StripWindow() {
        startProgram();
        ui::headless::check(box("Strip"), true);
    }
    std::string lamps() {
        std::string seen;
        for (char letter = 'A'; letter <= 'L'; ++letter) {
            const ui::Color c = lampColor(letter);
            char code = '?';
            for (const char candidate : {'.', 'r', 'h', 'c'})
                if (shownAs(candidate) == c) code = candidate;
            seen += code;
        }
        return seen;
    }
    ui::headless::HeadlessControl& closeButton() { return in(strip(), "close strip"); }
    ui::headless::HeadlessControl& resetButton() { return in(strip(), "reset strip colors"); }
};

TEST_F(StripWindow, DecodesLettersAndLevelDigitsAsTheControllerDoes) {
    struct Case {
        std::vector<std::string> texts;
        const char* lamps;
    };
    const std::vector<Case> cases = {
        {{"A8B0C4"}, "r.c........."},       {{"L8"}, "...........r"},
        {{"A8 B8"}, "rr.........."},        {{"A9"}, "............"},  // 9 is no level
        {{"C4", "8"}, "..r........."},   // a digit alone keeps the channel of the text before
        {{"A8", "M5"}, "h..........."},  // M picks no channel: the 5 still goes to A
        {{"L8", "Z", "Q"}, "...........r"}, {{"A8", "A0"}, "............"},
    };
    for (const Case& c : cases) {
        send("A0B0C0D0E0F0G0H0I0J0K0L0A");
        for (const std::string& text : c.texts)
            send(text);
        EXPECT_EQ(lamps(), c.lamps) << c.texts.front();
    }
}

TEST_F(StripWindow, DecodesOnlyInStateOne) {
    for (const std::int32_t state : {0, 2}) {
        TData value = makeInteger(state);
        strip().doState(value);
        send("A8B8");
        EXPECT_EQ(lamps(), "............") << state;
        EXPECT_EQ(shown(strip()), state != 0) << state;
    }
    TData on = makeInteger(1);
    strip().doState(on);
    send("A8B8");
    EXPECT_EQ(lamps(), "rr..........");
}

TEST_F(StripWindow, RightPressChoosesTheChannelColourForItsNextLevel) {
    dialogs().answerColor(ui::rgb(0, 255, 0));
    ASSERT_TRUE(click(lamp('B'), MouseButton::Right));
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].initialColor, 255u);
    EXPECT_EQ(lampColor('B'), 0u) << "re-shaded only by a level";
    send("B8");
    EXPECT_EQ(lampColor('B'), ui::rgb(0, 248, 0));
    send("B4");
    EXPECT_EQ(lampColor('B'), ui::rgb(0, 124, 0));

    click(lamp('B'), MouseButton::Right);  // cancelled: the colour stays
    EXPECT_EQ(dialogs().shown().back().initialColor, 65280u);
    send("B8");
    EXPECT_EQ(lampColor('B'), ui::rgb(0, 248, 0));
    EXPECT_EQ(strip().baseColor(0), 255);
}

TEST_F(StripWindow, LeftPressOnALampMovesTheWindow) {
    auto& window = ui::headless::asHeadless(strip().form().window());
    EXPECT_FALSE(window.moving());
    click(lamp('E'), MouseButton::Left);
    EXPECT_TRUE(window.moving());
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(StripWindow, ResetThenA8ShowsRed248) {
    dialogs().answerColor(ui::rgb(0, 0, 255));
    click(lamp('A'), MouseButton::Right);
    send("A8");
    EXPECT_EQ(lampColor('A'), ui::rgb(0, 0, 248));
    click(lamp('L'), MouseButton::Middle);
    ASSERT_TRUE(click(resetButton()));
    send("A8");
    EXPECT_EQ(lampColor('A'), 248u);
}

TEST_F(StripWindow, ButtonsShowForTwoSecondsAfterAPressOnLampL) {
    EXPECT_FALSE(closeButton().visible());
    click(lamp('K'), MouseButton::Middle);
    EXPECT_FALSE(closeButton().visible()) << "only lamp L shows them";
    click(lamp('L'), MouseButton::Middle);
    EXPECT_TRUE(closeButton().visible());
    EXPECT_TRUE(resetButton().visible());
    loop.advance(1999);
    EXPECT_TRUE(closeButton().visible());
    loop.advance(1);
    EXPECT_FALSE(closeButton().visible());
    EXPECT_FALSE(resetButton().visible());

    dialogs().answerColor(std::nullopt);
    click(lamp('L'), MouseButton::Right);
    EXPECT_TRUE(resetButton().visible()) << "the right button shows them too";
    click(lamp('L'), MouseButton::Left);
    EXPECT_FALSE(resetButton().visible()) << "the left one hides them at once";
}

// The window's own close button closes it for good: the box is cleared, so the choice is remembered.
TEST_F(StripWindow, CloseButtonClosesAndClearsTheBox) {
    dialogs().answerColor(ui::rgb(0, 255, 0));
    click(lamp('A'), MouseButton::Right);
    click(lamp('L'), MouseButton::Middle);
    ASSERT_TRUE(click(closeButton()));
    EXPECT_FALSE(shown(strip()));
    EXPECT_FALSE(box("Strip").checked());
    EXPECT_EQ(setting("init", "\xE0uto_visual_strip"), "0");
    EXPECT_EQ(setting("init", "strip_colors"), "<none>") << "the button does not store the colours";
}

TEST_F(StripWindow, ProgramCloseStoresTheColours) {
    dialogs().answerColor(ui::rgb(0, 255, 0));
    click(lamp('A'), MouseButton::Right);
    dialogs().answerColor(16711680);
    click(lamp('L'), MouseButton::Right);
    closeProgram();
    EXPECT_EQ(setting("init", "strip_colors"), "65280,255,255,255,255,255,255,255,255,255,255,16711680");
    EXPECT_EQ(setting("init", "smooth_strip_colors"), kAllRed);
    EXPECT_FALSE(shown(strip()));
}

class StripColors : public StripTest {};

TEST_F(StripColors, StoredListsGiveTheBaseColours) {
    struct Case {
        const char* stored;
        std::vector<std::int32_t> expected;  // A, B, C, ... the rest stay red
    };
    const std::vector<Case> cases = {
        {"65280,16711680,0,1,2,3,4,5,6,7,8,9", {65280, 16711680, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"65280,16711680", {65280, 16711680, 255}},  // short: the rest keep their colours
        {"abc,,-5,99999999,12x, 7 ,0x10,65280", {255, 255, 255, 255, 255, 7, 255, 65280, 255}},
        {"65280", {255}},  // one part and no comma: not a list
        {"\x01\x02\xFF,\xE0", {255, 255, 255}},
    };
    for (const Case& c : cases) {
        setSetting("init", "strip_colors", c.stored);
        page.reset();
        lr::resetLifecycle();
        startProgram();
        for (std::size_t k = 0; k < 12; ++k)
            EXPECT_EQ(strip().baseColor(k), k < c.expected.size() ? c.expected[k] : 255)
                << c.stored << " channel " << k;
    }
}

TEST_F(StripColors, ShortListLeavesTheOthersAsTheyWere) {
    setSetting("init", "strip_colors",
               "65280,65280,65280,65280,65280,65280,65280,65280,65280,65280,65280,65280");
    startProgram();
    setSetting("init", "strip_colors", "16711680,16711680");
    TData none;
    strip().doLoadColors(none);
    for (std::size_t k = 0; k < 12; ++k)
        EXPECT_EQ(strip().baseColor(k), k < 2 ? 16711680 : 65280) << k;
}
