// The terminal's picture of the lights reads the stream as the controller does.
#include <gtest/gtest.h>

#include <sstream>

#include "app/terminal_view.h"
#include "device/protocol.h"
#include "headless_fixture.h"

using TerminalViewTest = HeadlessTest;

TEST_F(TerminalViewTest, ChannelCommandsSetLevelsAndOtherCommandsLeaveThemAlone) {
    std::ostringstream out;
    app::TerminalView view(loop, out);
    const struct {
        std::string sent;
        std::string levels;
    } cases[] = {
        {"A5B3", "A5 B3 C0 D0 E0 F0 G0 H0 I0 J0 K0 L0 "},
        {"P2 S5", "A5 B3 C0 D0 E0 F0 G0 H0 I0 J0 K0 L0 "},  // a program and a speed are no levels
        {"L8A9", "A5 B3 C0 D0 E0 F0 G0 H0 I0 J0 K0 L8 "},   // 9 is no level
        {std::string(lr::device::kAllOff), "A0 B0 C0 D0 E0 F0 G0 H0 I0 J0 K0 L0 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sent);
        lr::fireString(view.input(), c.sent);
        const std::string line = view.plainLine();
        EXPECT_EQ(line.substr(0, line.find('|')), c.levels);
        EXPECT_TRUE(line.ends_with(c.sent.substr(c.sent.size() > 48 ? c.sent.size() - 48 : 0)));
    }
    const std::size_t before = out.str().size();
    loop.advance(app::TerminalView::kRedrawMs);
    EXPECT_GT(out.str().size(), before) << "redrawn once after what was sent";
    const std::size_t after = out.str().size();
    loop.advance(10 * app::TerminalView::kRedrawMs);
    EXPECT_EQ(out.str().size(), after) << "nothing sent, nothing drawn";
}
