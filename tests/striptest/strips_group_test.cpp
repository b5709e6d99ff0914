// The "Strip" group: its boxes open and close the windows and are remembered; the windows keep their place.
#include "strip_fixture.h"

using namespace lr;

namespace {
const char* const kStripKey = "\xE0uto_visual_strip";
const char* const kSmoothKey = "\xE0uto_visual_smooth_strip";
}  // namespace

TEST_F(StripTest, BoxesOpenAndCloseTheWindowsAndAreStoredUnderCyrillicKeys) {
    startProgram();
    EXPECT_FALSE(shown(strip()));
    EXPECT_FALSE(shown(smooth()));
    ASSERT_TRUE(ui::headless::check(box("Smooth Strip"), true));
    EXPECT_TRUE(shown(smooth()));
    EXPECT_FALSE(shown(strip()));
    EXPECT_EQ(setting("init", kSmoothKey), "1");
    ASSERT_TRUE(ui::headless::check(box("Strip"), true));
    EXPECT_TRUE(shown(strip()));
    const std::string file = sys.file(kIni).value_or("");
    EXPECT_NE(file.find("\xE0uto_visual_strip=1"), std::string::npos) << file;
    EXPECT_EQ(file.find("auto_visual"), std::string::npos) << "a Latin a in " << file;

    ui::headless::check(box("Strip"), false);
    EXPECT_FALSE(shown(strip()));
    EXPECT_EQ(setting("init", kStripKey), "0");
    send("A8");
    EXPECT_EQ(lampColor('A'), 0u) << "a closed window does not decode";
}

TEST_F(StripTest, StartReopensTheWindowsThatWereOpen) {
    struct Case {
        const char* strip;
        const char* smooth;
        bool stripShown;
        bool smoothShown;
    };
    for (const Case& c : {Case{"1", "0", true, false}, Case{"0", "1", false, true},
                          Case{"2", "x", false, false}, Case{"1", "1", true, true}}) {
        setSetting("init", kStripKey, c.strip);
        setSetting("init", kSmoothKey, c.smooth);
        page.reset();
        lr::resetLifecycle();
        startProgram();
        SCOPED_TRACE(std::string(c.strip) + "/" + c.smooth);
        EXPECT_EQ(shown(strip()), c.stripShown);
        EXPECT_EQ(shown(smooth()), c.smoothShown);
        EXPECT_EQ(box("Strip").checked(), c.stripShown);
        EXPECT_EQ(box("Smooth Strip").checked(), c.smoothShown);
        send("A8");
        EXPECT_EQ(lampColor('A'), c.stripShown ? 248u : 0u);
    }
}

TEST_F(StripTest, WindowsComeBackWhereTheyWere) {
    startProgram();
    ui::headless::check(box("Strip"), true);
    ui::headless::check(box("Smooth Strip"), true);
    EXPECT_EQ(strip().form().window().bounds(), (ui::Rect{100, 100, 492, 42}));
    EXPECT_EQ(smooth().form().window().bounds(), (ui::Rect{100, 160, 492, 42}));
    strip().form().window().setBounds({300, 400, 492, 42});
    smooth().form().window().setBounds({310, 450, 492, 42});
    closeProgram();
    EXPECT_EQ(setting("strip_position", "Left"), "300");
    EXPECT_EQ(setting("smooth_strip_position", "Top"), "450");

    page.reset();
    lr::resetLifecycle();
    startProgram();
    EXPECT_EQ(strip().form().window().bounds(), (ui::Rect{300, 400, 492, 42}));
    EXPECT_EQ(smooth().form().window().bounds(), (ui::Rect{310, 450, 492, 42}));
}

// A stored place off every screen, or a size that is not the window's, is not taken as it is.
TEST_F(StripTest, StoredPlacesOffTheScreenAreBroughtBack) {
    struct Case {
        const char* left;
        const char* top;
        const char* width;
        ui::Rect expected;
    };
    for (const Case& c :
         {Case{"-5000", "20", "492", {100, 100, 492, 42}}, Case{"40", "99999", "492", {100, 100, 492, 42}},
          Case{"1900", "1000", "0", {1900, 1000, 492, 42}}, Case{"x", "", "-7", {0, 100, 492, 42}},
          Case{"-400", "-30", "2147483647", {-400, -30, 492, 42}},
          Case{"2147483647", "2147483647", "492", {100, 100, 492, 42}}}) {
        setSetting("strip_position", "Left", c.left);
        setSetting("strip_position", "Top", c.top);
        setSetting("strip_position", "Width", c.width);
        setSetting("init", kStripKey, "1");
        page.reset();
        lr::resetLifecycle();
        startProgram();
        EXPECT_EQ(strip().form().window().bounds(), c.expected) << c.left << "," << c.top << " " << c.width;
    }
}
