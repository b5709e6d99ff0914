// Visual schemes as a user meets them: the list, choosing, Run and Stop, Save and what it writes, and
// scheme files that are broken in every way a hand or a disk can break them.
#include <gtest/gtest.h>

#include "runtime/globals.h"
#include "visual_fixture.h"

using namespace lr;
using namespace visual_page;
using ui::headless::HeadlessControl;

namespace {

constexpr const char* kTwoCirclesOneLadder =
    "[circle_color]\n0=120:340:A:B:C:~:255:0:0\n1=300:80:D:~:F:G:170:1:1\n[led_ledder]\n0=500:200:J:50:0:0\n";

class Schemes : public VisualPageTest {
  protected:
    std::vector<std::string> listed() { return schemeList().items(); }
    std::vector<std::int32_t> states() {
        std::vector<std::int32_t> out;
        for (const TData& v : page->running.values)
            out.push_back(toInteger(v));
        return out;
    }
    std::string currentName() { return settings::iniReadString(kIni, "scheme", "visualization", ""); }
};

TEST_F(Schemes, StartListsTheSchemesAndSelectsTheSavedOneWithoutLoadingIt) {
    scheme("Lamps", kTwoCirclesOneLadder);
    scheme("Ladders", "[led_ledder]\n0=10:10:A:255:0:0\n");
    sys.putFile(std::string(kFolder) + "notes.txt", "x");
    sys.putFile(std::string(kFolder) + ".vsc", "");
    sys.putFile(kIni, crlf("[scheme]\nvisualization=Lamps\n"));
    build();
    EXPECT_EQ(listed(), (std::vector<std::string>{"Lamps", "Ladders"}));
    EXPECT_EQ(schemeList().text(), "Lamps");
    EXPECT_EQ(toString(globalVar("v_scheme_dir")), "C:\\Prog\\visualization\\Lamps.vsc");
    EXPECT_TRUE(shapes(kCircle).empty()) << "stopped at start";
    EXPECT_TRUE(byHint("Run").enabled());
    ASSERT_TRUE(run());
    EXPECT_EQ(shapes(kCircle).size(), 2u);
    EXPECT_EQ(shapes(kLadder).size(), 1u);
    EXPECT_FALSE(byHint("Run").enabled()) << "disabled while running";
    ASSERT_TRUE(stop());
    EXPECT_TRUE(shapes(kCircle).empty());
    EXPECT_TRUE(byHint("Run").enabled());
    EXPECT_EQ(states(), (std::vector<std::int32_t>{1, 0}));
}

TEST_F(Schemes, ChoosingWhileStoppedOnlyRecordsTheName) {
    scheme("Lamps", kTwoCirclesOneLadder);
    build();
    ASSERT_TRUE(ui::headless::pick(schemeList(), "Lamps"));
    EXPECT_EQ(currentName(), "Lamps");
    EXPECT_TRUE(shapes(kCircle).empty());
    page->input(3, makeInteger(1));
    EXPECT_EQ(shapes(kCircle).size(), 2u) << "Run (input 3) loads it";
    page->input(3, makeInteger(0));
    EXPECT_TRUE(shapes(kCircle).empty());
    EXPECT_EQ(states(), (std::vector<std::int32_t>{1, 0}));
}

TEST_F(Schemes, ChoosingWhileRunningReplacesTheShapes) {
    scheme("Lamps", kTwoCirclesOneLadder);
    scheme("Ladders", "[led_ledder]\n0=10:10:A:255:0:0\n1=100:10:B:255:0:0\n");
    build();
    ASSERT_TRUE(run());
    ASSERT_TRUE(ui::headless::pick(schemeList(), "Lamps"));
    ASSERT_EQ(shapes(kCircle).size(), 2u);
    ASSERT_TRUE(ui::headless::pick(schemeList(), "Ladders"));
    EXPECT_TRUE(shapes(kCircle).empty());
    EXPECT_EQ(shapes(kLadder).size(), 2u);
}

TEST_F(Schemes, SaveStopRunRecreatesEveryShapeAsItWas) {
    scheme("Lamps", kTwoCirclesOneLadder);
    sys.putFile(kIni, crlf("[scheme]\nvisualization=Lamps\n"));
    build();
    ASSERT_TRUE(run());
    ASSERT_TRUE(save());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Saved!");
    EXPECT_EQ(boxes.shown()[0].caption, "Scheme settings");
    EXPECT_EQ(schemeFile("Lamps"), crlf(kTwoCirclesOneLadder));
    ASSERT_TRUE(stop());
    ASSERT_TRUE(run());
    const auto circles = shapes(kCircle);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[1]->bounds(), (ui::Rect{300, 80, 80, 100}));
    EXPECT_EQ(circles[1]->alpha(), 170);
    EXPECT_TRUE(circles[1]->topmost());
    EXPECT_EQ(letters(*circles[1]), "D~FG");
    EXPECT_EQ(shape(kLadder).alpha(), 50);
    page->input(4);
    EXPECT_EQ(schemeFile("Lamps"), crlf(kTwoCirclesOneLadder)) << "the tray's save (input 4) writes the same";
}

TEST_F(Schemes, AGapInTheKeysEndsTheKind) {
    scheme("Gap",
           "[rectangle]\n0=10:10:80:100:A:B:C:255:0:0\n1=200:10:80:100:A:B:C:255:0:0\n"
           "3=400:10:80:100:A:B:C:255:0:0\n[circle_color]\n0=\n1=10:10:A:B:C:~:255:0:0\n");
    sys.putFile(kIni, crlf("[scheme]\nvisualization=Gap\n"));
    build();
    ASSERT_TRUE(run());
    EXPECT_EQ(shapes(kRectangle).size(), 2u);
    EXPECT_TRUE(shapes(kCircle).empty()) << "an empty key 0 ends the kind at once";
}

TEST_F(Schemes, AFailedSaveKeepsTheOldFileAndSaysSo) {
    scheme("Lamps", kTwoCirclesOneLadder);
    sys.putFile(kIni, crlf("[scheme]\nvisualization=Lamps\n"));
    build();
    ASSERT_TRUE(run());
    ASSERT_TRUE(press("Add Led Ladder"));
    sys.setReadOnly("C:\\Prog\\visualization");
    ASSERT_TRUE(save());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_NE(boxes.shown()[0].text, "Saved!");
    EXPECT_NE(boxes.shown()[0].text.find("C:\\Prog\\visualization\\Lamps.vsc"), std::string::npos);
    EXPECT_EQ(schemeFile("Lamps"), crlf(kTwoCirclesOneLadder));
}

TEST_F(Schemes, AMissingFolderListsNothingAndLoadsNothing) {
    sys.putFile(kIni, crlf("[scheme]\nvisualization=Gone\n"));
    page = std::make_unique<Harness>(window.get());
    lr::start();
    page->input(2);
    EXPECT_TRUE(listed().empty());
    page->input(3, makeInteger(1));
    EXPECT_TRUE(shapes(kCircle).empty());
    EXPECT_EQ(states(), std::vector<std::int32_t>{1});
}

// Each broken file loads without a crash, and every shape it does make sits on the screen.
TEST_F(Schemes, BrokenSchemeFilesLoadWhatTheyCanOnScreen) {
    std::string many = "[circle_color]\n";
    for (int k = 0; k < 10000; ++k)
        many += std::to_string(k) + "=" + std::to_string(k % 1800) + ":100:A:B:C:~:255:0:0\n";
    std::string binary = "[led_ledder]\n0=";
    for (int k = 0; k < 256; ++k)
        binary += static_cast<char>(k == '\n' || k == '\r' ? 'x' : k);
    binary += "\n1=\x01\x02:\xFF\n";
    struct Case {
        const char* name;
        std::string text;
        std::size_t circles, rectangles, ladders;
    };
    const Case cases[] = {
        {"many", many, 255, 0, 0},
        {"words", "[circle_color]\n0=left:top:A:B:C:~:half:yes:no\n", 1, 0, 0},
        {"far", "[rectangle]\n0=-99999:99999999999:-5:1000000:A:B:C:255:0:0\n", 0, 1, 0},
        {"short", "[rectangle]\n0=400\n[led_ledder]\n0=300:300\n", 0, 1, 1},
        {"binary", binary, 0, 0, 2},
        {"letters", "[circle_color]\n0=100:100:AB:z:\xE0:L:0:7:0\n", 1, 0, 0},
    };
    build();
    ASSERT_TRUE(run());
    const ui::Rect desktop{0, 0, 1920, 1080};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        scheme(c.name, c.text);
        ASSERT_TRUE(ui::headless::click(byHint("Refresh Schemes List")));
        ASSERT_TRUE(ui::headless::pick(schemeList(), c.name));
        EXPECT_EQ(shapes(kCircle).size(), c.circles);
        EXPECT_EQ(shapes(kRectangle).size(), c.rectangles);
        EXPECT_EQ(shapes(kLadder).size(), c.ladders);
        for (const char* kind : {kCircle, kRectangle, kLadder})
            for (HeadlessControl* s : shapes(kind)) {
                const ui::Rect r = s->bounds();
                EXPECT_TRUE(r.left < desktop.right() && r.right() > 0 && r.top < desktop.bottom() &&
                            r.bottom() > 0)
                    << kind << " at " << r.left << "," << r.top;
                EXPECT_GE(r.width, 10);
                EXPECT_LE(r.width, 4000);
                EXPECT_GE(s->alpha(), 50) << "never invisible";
            }
    }
    EXPECT_TRUE(boxes.shown().empty()) << "no message for a bad file";
}

TEST_F(Schemes, BadFieldsKeepTheirDefaults) {
    scheme("Words", "[circle_color]\n0=left:300:AB:z:~:L:half:yes:1\n");
    sys.putFile(kIni, crlf("[scheme]\nvisualization=Words\n"));
    build();
    ASSERT_TRUE(run());
    HeadlessControl& circle = shape(kCircle);
    EXPECT_EQ(circle.bounds(), (ui::Rect{80, 300, 80, 100})) << "a word keeps the place at 80";
    EXPECT_EQ(letters(circle), "~~~L");
    EXPECT_EQ(circle.alpha(), 255);
    EXPECT_TRUE(circle.topmost());
}

TEST_F(Schemes, AShapeOffEveryScreenComesBackOntoThePrimary) {
    scheme("Away", "[circle_color]\n0=5000:-3000:A:B:C:~:255:0:0\n1=1900:500:A:B:C:~:255:0:0\n");
    sys.putFile(kIni, crlf("[scheme]\nvisualization=Away\n"));
    build();
    ASSERT_TRUE(run());
    EXPECT_EQ(shape(kCircle, 0).bounds(), (ui::Rect{1840, 0, 80, 100}));
    EXPECT_EQ(shape(kCircle, 1).bounds(), (ui::Rect{1900, 500, 80, 100})) << "partly on screen stays";
}

// A shape that just touches the screen must not be snapped off it: what is saved loads back the same.
TEST_F(Schemes, AShapeAtTheScreensEdgeSavesAndLoadsToTheSamePlace) {
    scheme("Edge", "[circle_color]\n0=80:-99:A:B:C:~:255:0:0\n");
    sys.putFile(kIni, crlf("[scheme]\nvisualization=Edge\n"));
    build();
    ASSERT_TRUE(run());
    const ui::Rect first = shape(kCircle).bounds();
    EXPECT_EQ(first.top % 10, 0);
    EXPECT_GT(first.bottom(), 0) << "still on the screen";
    ASSERT_TRUE(save());
    const std::string saved = schemeFile("Edge");
    ASSERT_TRUE(stop());
    ASSERT_TRUE(run());
    EXPECT_EQ(shape(kCircle).bounds(), first);
    ASSERT_TRUE(save());
    EXPECT_EQ(schemeFile("Edge"), saved);
}

}  // namespace
