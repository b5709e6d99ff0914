#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "organ/channel_monitor.h"

using namespace lr;

namespace {

class ChannelMonitor : public HeadlessTest {
  protected:
    ChannelMonitor() { window->setVisible(true); }
    void show(const char* text) {
        TData d = makeString(text);
        monitor.doText(d);
    }
    ui::Color colorOf(char channel) {
        return monitor.label(static_cast<std::size_t>(channel - 'A')).control().color();
    }

    std::unique_ptr<ui::Window> window = toolkit().createWindow({"Organ", {0, 0, 525, 520}});
    TClassChildPanelEx_2A5FF40 monitor{window.get(), nullptr};
};

}  // namespace

TEST(LevelColor, RedGrowsWithTheLevel) {
    EXPECT_EQ(levelColor(0), ui::rgb(0, 0, 0));
    EXPECT_EQ(levelColor(1), ui::rgb(31, 0, 0));
    EXPECT_EQ(levelColor(8), ui::rgb(248, 0, 0));
}

TEST_F(ChannelMonitor, TwelveLabelsSideBySide) {
    for (std::size_t i = 0; i < 12; ++i) {
        const ui::Control& c = monitor.label(i).control();
        EXPECT_EQ(c.text(), std::string(1, static_cast<char>('A' + i)));
        EXPECT_EQ(c.bounds(), (ui::Rect{static_cast<int>(i) * 35, 0, 35, 20}));
    }
}

TEST_F(ChannelMonitor, ATextRecoloursTheChannelItNames) {
    const ui::Color before = colorOf('C');
    show("B8");
    EXPECT_EQ(colorOf('B'), ui::rgb(248, 0, 0));
    show("C9");  // selects C, but 9 is no level
    EXPECT_EQ(colorOf('C'), before);
    show("3");  // a digit alone recolours the label selected last
    EXPECT_EQ(colorOf('C'), ui::rgb(93, 0, 0));
    show("A0L5Z7");  // several pairs in one text; Z is ignored and 7 goes to L
    EXPECT_EQ(colorOf('A'), ui::rgb(0, 0, 0));
    EXPECT_EQ(colorOf('L'), ui::rgb(217, 0, 0));
}

TEST_F(ChannelMonitor, ADigitBeforeAnyLetterGoesToA) {
    show("4");
    EXPECT_EQ(colorOf('A'), ui::rgb(124, 0, 0));
}
