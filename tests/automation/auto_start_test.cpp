// The Auto page inside the program's main container: "Auto start Automation" starts the scheduler after
// its delay, a row due at the coming minute reaches the port, and the table is saved at exit.
#include <gtest/gtest.h>

#include "../device/device_fixture.h"
#include "automation/auto_page.h"
#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "settings/window_positions.h"
#include "shell/main_form.h"
#include "test_clock.h"

using namespace lr;

namespace {

class AutoStart : public DeviceTest {
  protected:
    AutoStart() {
        resetLifecycle();  // the tree is built while points still carry nothing
        sys.addFolder("C:\\Prog");
    }
    ~AutoStart() override { root.reset(); }

    void build() {
        PageFactories pages = programPages();
        pages[mode::Auto] = [this](ui::Control* p, TClassMultiBase* o, THIMultiElement& outer) {
            return std::make_unique<TClassChildPanel_2D0DED0>(p, o, outer, clock.clock());
        };
        root = std::make_unique<TClassMainForm_1E8A0D0>(pages);
        start();
    }

    settings::MemorySystem sys;
    settings::ScopedSystem sysScope{sys};
    settings::ScopedWindowPositions positions;
    BoundLine port{5};
    TestClock clock{loop, {10, 0, 30}};
    std::unique_ptr<TClassMainForm_1E8A0D0> root;
};

TEST_F(AutoStart, TheStoredSchedulerRunsTheRowDueAtTheComingMinute) {
    sys.putFile("C:\\Prog\\lumenrig.ini", "[init]\r\n\xE0uto_com=1\r\ncur_com=5\r\n\xE0uto_automat=1\r\n");
    const std::string table = "Time=50>List of Actions=340>Description=100\r\n10:01> P1 A5>morning\r\n";
    sys.putFile("C:\\Prog\\actions.ini", table);
    build();
    loop.advance(2500);  // the port is open, the scheduler started
    port.line->takeWritten();
    loop.advance(27000);  // 10:00:59
    EXPECT_EQ(port.line->takeWritten().find(" P1 A5"), std::string::npos);
    loop.advance(1000);
    EXPECT_NE(port.line->takeWritten().find(" P1 A5"), std::string::npos);
    TData none;
    root->mainForm().doClose(none);
    loop.advance(0);
    EXPECT_EQ(sys.file("C:\\Prog\\actions.ini"), table);
}

}  // namespace
