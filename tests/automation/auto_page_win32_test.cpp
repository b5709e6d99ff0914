// The Auto page as Win32 draws it under Wine, with rows loaded from "actions.ini"; the picture is the
// one to compare with the page's places and texts.
#include <gtest/gtest.h>

#include <set>

#include "automation/auto_page.h"
#include "runtime/lifecycle.h"
#include "runtime/multi_element.h"
#include "runtime/point.h"
#include "settings/memory_system.h"
#include "ui/png.h"
#include "ui/win32/win32_platform.h"
#include "win32_capture.h"

namespace {

class Holder : public lr::TClassMultiBase {
  public:
    explicit Holder(ui::Control* parent)
        : lr::TClassMultiBase(parent, nullptr), outer(make<lr::THIMultiElement>(parent, this, 3, 0)) {
        outer.setCreate([this](ui::Control* p, lr::TClassMultiBase* o) {
            return std::make_unique<lr::TClassChildPanel_2D0DED0>(p, o, outer, [] {
                std::tm t{};
                t.tm_hour = 21;
                t.tm_min = 31;
                return t;
            });
        });
    }
    void input(std::uint16_t index, lr::TData data = {}) { outer.doWork(data, index); }
    lr::THIMultiElement& outer;
};

TEST(AutoPageWin32, Screenshot) {
    settings::MemorySystem sys;
    const settings::ScopedSystem sysScope{sys};
    sys.putFile("C:\\Prog\\actions.ini",
                "Time=50>List of Actions=340>Description=100\r\n"
                "21:31> P1 A5>evening\r\n5> S9\r\n9:05> Z0\r\n");
    const auto platform = ui::win32::Win32Platform::create();
    const ui::ScopedPlatform scope(*platform);
    lr::installDispatch();
    {
        auto window = platform->toolkit().createWindow({"Lumenrig", {0, 0, 541, 520}});
        window->setVisible(true);
        Holder holder(window.get());
        holder.input(0, lr::makeInteger(1));
        holder.input(1);
        holder.input(4, lr::makeInteger(1));
        for (int i = 0; i < 150; ++i) {  // the clock's first tick
            platform->loop().pump();
            Sleep(10);
        }
        const ui::Image shot = capture(reinterpret_cast<HWND>(window->handle()));
        EXPECT_TRUE(ui::savePng(shot, "auto_page_win32.png"));
        EXPECT_GT(std::set<ui::Color>(shot.pixels().begin(), shot.pixels().end()).size(), 4u);
    }
    lr::resetLifecycle();
}

// A table loaded from a file replaces its columns; the widths read back are the user's to save.
TEST(AutoPageWin32, ListViewColumnsAreReplacedAndReadBack) {
    const auto platform = ui::win32::Win32Platform::create();
    const ui::ScopedPlatform scope(*platform);
    auto window = platform->toolkit().createWindow({"Lumenrig", {0, 0, 400, 300}});
    auto list =
        platform->toolkit().createControl(window.get(), {ui::ControlKind::ListView, {0, 0, 300, 200}});
    list->setColumns({{"Time", 50}, {"List of Actions", 340}, {"Description", 100}});
    list->setColumns({{"T", 70}, {"L", 30}});
    EXPECT_EQ(list->columnWidths(), (std::vector<int>{70, 30}));
    list->addItem("9:05\t Z0");
    EXPECT_EQ(list->items(), std::vector<std::string>{"9:05\t Z0"});
}

}  // namespace
