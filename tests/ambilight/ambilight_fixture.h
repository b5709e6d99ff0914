#pragma once
// The Ambilight page in a small mode-pages stand-in, over a synthetic 1920 x 1080 screen: its commands
// are recorded and go through a device link to COM 5, an in-memory line; its other outputs are
// recorded. A pass is one tick of the virtual clock, then the wait for the worker and the loop's
// posted commands.
#include <memory>
#include <string>
#include <vector>

#include "../device/device_fixture.h"
#include "ambilight/ambilight_page.h"
#include "ambilight/synthetic_screen.h"
#include "device/device_link.h"
#include "recorder.h"
#include "runtime/multi_element.h"
#include "ui/headless/user.h"

namespace ambilight_page {

class Harness : public lr::TClassMultiBase {
  public:
    explicit Harness(ui::Control* parent)
        : lr::TClassMultiBase(parent, nullptr),
          link(own<lr::DeviceLink>(this)),
          outer(make<lr::THIMultiElement>(parent, this, 3, 0)) {
        outer.outputs[0] = lr::bind<&Harness::command>(*this);
        outer.outputs[1] = started.point();
        outer.outputs[2] = running.point();
        outer.setCreate([this](ui::Control* p, lr::TClassMultiBase* o) {
            return std::make_unique<lr::TClassChildPanel_2C2EA60>(p, o, outer);
        });
        lr::fireString(link.open(), "COM5");
    }
    void input(std::uint16_t index, lr::TData data = {}) { outer.doWork(data, index); }
    lr::TClassChildPanel_2C2EA60& page() {
        return static_cast<lr::TClassChildPanel_2C2EA60&>(*outer.instance());
    }

    std::vector<std::string> sent;
    Recorder started, running;
    lr::DeviceLink& link;
    lr::THIMultiElement& outer;

  private:
    void command(lr::TData& data) {
        sent.push_back(lr::toString(data));
        lr::fire(link.command(3), data);
    }
};

class AmbilightTest : public DeviceTest {
  protected:
    AmbilightTest() {
        window->setVisible(true);
        page = std::make_unique<Harness>(window.get());
        page->input(0, lr::makeInteger(1));
    }
    ~AmbilightTest() override { page.reset(); }

    ui::headless::HeadlessControl& byName(std::string_view name) {
        auto* c = ui::headless::findAnywhere(toolkit(), ui::headless::byName(name));
        if (!c) throw std::runtime_error("no control " + std::string(name));
        return *c;
    }
    bool clickOn(std::string_view name) { return ui::headless::click(byName(name)); }
    // One tick of the sampling timer and the pass it started, with its commands delivered.
    void pass() {
        loop.advance(100);
        page->page().waitForPasses();
        loop.pump();
    }
    // What the commands since the last call were.
    std::vector<std::string> takeSent() { return std::exchange(page->sent, {}); }

    BoundLine com5{5};
    lr::ambilight::SyntheticScreen screen{{1920, 1080}};
    lr::ambilight::ScopedScreenSource screenScope{screen};
    std::unique_ptr<ui::Window> window = toolkit().createWindow({"Lumenrig", {0, 0, 541, 480}});
    std::unique_ptr<Harness> page;
};

}  // namespace ambilight_page
