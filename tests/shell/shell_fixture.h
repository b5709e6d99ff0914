#pragma once
// The whole main container on the headless backend, on a system in memory, with COM 5 as an in-memory
// line. Pages can be probes that log what reaches their inputs and send what a test asks of them.
#include <memory>
#include <string>
#include <vector>

#include "../device/device_fixture.h"
#include "device/serial_port.h"
#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/lifecycle.h"
#include "settings/memory_system.h"
#include "settings/window_positions.h"
#include "shell/main_form.h"
#include "ui/headless/user.h"

// What reached the probe pages' inputs, as "page.input=value" lines, in order.
struct PageLog {
    std::vector<std::string> lines;
    std::vector<std::string> take() { return std::exchange(lines, {}); }
};

class ProbePage : public lr::TClassMultiBase {
  public:
    ProbePage(ui::Control* parent, lr::TClassMultiBase* owner, lr::THIMultiElement& outer, std::size_t mode,
              PageLog& log);
    void send(std::uint16_t output, lr::TData data);

  private:
    void input(lr::TData& data, std::uint16_t index);
    lr::THIEditMulti& edge_;
    std::size_t mode_;
    PageLog& log_;
};

// The program's pages with each one replaced by a probe that logs into `log` and is listed in `probes`.
lr::PageFactories probePages(PageLog& log, std::vector<ProbePage*>& probes);

class ShellTest : public HeadlessTest {
  protected:
    ShellTest();
    ~ShellTest() override;

    // Builds the tree (probe pages unless the program's are asked for) and starts it.
    void build(bool programPages = false);
    // Closes the main window as the window commands do.
    void close();
    lr::TClassMainForm_1E8A0D0& root() { return *root_; }
    ProbePage& page(std::size_t mode) { return *probes_.at(mode); }
    ui::headless::HeadlessControl& window() { return ui::headless::asHeadless(root_->mainForm().window()); }
    ui::headless::HeadlessTray& tray() { return *toolkit().trayIcons().at(0); }
    // Clicks the control with that caption or hint; fails the test when there is none.
    void clickOn(std::string_view captionOrHint);
    // Opens COM 5 through the Connect page's open output.
    void openPort();
    std::string written() { return port.line->takeWritten(); }
    std::string ini() { return sys.file("C:\\Prog\\lumenrig.ini").value_or(""); }

    settings::MemorySystem sys;
    settings::ScopedSystem sysScope{sys};
    settings::ScopedWindowPositions positions;
    BoundLine port{5};
    PageLog log;

  private:
    std::vector<ProbePage*> probes_;
    std::unique_ptr<lr::TClassMainForm_1E8A0D0> root_;
};
