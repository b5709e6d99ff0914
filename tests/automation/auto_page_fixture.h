#pragma once
// The Auto page in a small mode-pages stand-in: its commands go through a device link to COM 5, an
// in-memory line; its other outputs are recorded. The current folder is C:\Prog in memory; the local
// time is a test clock that follows the virtual loop.
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "../device/device_fixture.h"
#include "automation/auto_page.h"
#include "device/device_link.h"
#include "recorder.h"
#include "runtime/multi_element.h"
#include "settings/memory_system.h"
#include "test_clock.h"
#include "ui/headless/user.h"

namespace auto_page {

inline constexpr const char* kActions = "C:\\Prog\\actions.ini";
inline constexpr const char* kHeader = "Time=50>List of Actions=340>Description=100\r\n";
inline constexpr std::size_t kAutoProducer = 4;

// A command as it left the page, with the wall time it left at.
struct Sent {
    std::string at;
    std::string command;
    bool operator==(const Sent&) const = default;
    friend void PrintTo(const Sent& s, std::ostream* os) { *os << s.at << " '" << s.command << "'"; }
};

class Harness : public lr::TClassMultiBase {
    const TestClock& clock_;

  public:
    Harness(ui::Control* parent, const TestClock& clock)
        : lr::TClassMultiBase(parent, nullptr),
          clock_(clock),
          link(own<lr::DeviceLink>(this)),
          outer(make<lr::THIMultiElement>(parent, this, 3, 0)) {
        outer.outputs[0] = lr::bind<&Harness::command>(*this);
        outer.outputs[1] = started.point();
        outer.outputs[2] = running.point();
        outer.setCreate([this](ui::Control* p, lr::TClassMultiBase* o) {
            return std::make_unique<lr::TClassChildPanel_2D0DED0>(p, o, outer, clock_.clock());
        });
        lr::fireString(link.open(), "COM5");
    }
    void input(std::uint16_t index, lr::TData data = {}) { outer.doWork(data, index); }

    std::vector<Sent> sent;
    Recorder started, running;
    lr::DeviceLink& link;
    lr::THIMultiElement& outer;

  private:
    void command(lr::TData& data) {
        sent.push_back({lr::clockText(clock_.now()), lr::toString(data)});
        lr::fire(link.command(kAutoProducer), data);
    }
};

class AutoPageTest : public DeviceTest {
  protected:
    AutoPageTest() {
        sys.addFolder("C:\\Prog");
        window->setVisible(true);
    }
    ~AutoPageTest() override { page.reset(); }

    // The page shown, its start input fired, the local time at `start`.
    void build(WallTime start) {
        page.reset();
        clock = std::make_unique<TestClock>(loop, start);
        page = std::make_unique<Harness>(window.get(), *clock);
        page->input(0, lr::makeInteger(1));
        page->input(1);
    }
    void addRow(const std::string& row) { page->input(3, lr::makeString(row)); }
    // Lets the loop run for whole minutes, second by second as the clock ticks.
    void minutes(int count) { loop.advance(static_cast<std::uint64_t>(count) * 60000); }

    ui::headless::HeadlessControl& control(const ui::headless::Match& match) {
        auto* found = ui::headless::findAnywhere(toolkit(), match);
        if (!found) throw std::runtime_error("no such control");
        return *found;
    }
    bool press(const char* caption) { return ui::headless::click(control(ui::headless::byCaption(caption))); }
    ui::headless::HeadlessControl& table() { return control(ui::headless::byName("actions")); }
    std::vector<std::string> commandsSent() const {
        std::vector<std::string> out;
        for (const Sent& s : page->sent)
            out.push_back(s.command);
        return out;
    }
    std::string written() { return com5.line->takeWritten(); }

    settings::MemorySystem sys;
    settings::ScopedSystem sysScope{sys};
    BoundLine com5{5};
    std::unique_ptr<ui::Window> window = toolkit().createWindow({"Lumenrig", {0, 0, 541, 520}});
    std::unique_ptr<TestClock> clock;
    std::unique_ptr<Harness> page;
};

}  // namespace auto_page
