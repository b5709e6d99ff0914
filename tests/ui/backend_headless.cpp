#include "backend.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/recorded_message_boxes.h"
#include "ui/headless/user.h"
#include "ui/headless/virtual_loop.h"

namespace backend {

namespace {
using namespace ui::headless;

class Headless : public Backend {
  public:
    ui::Platform& platform() override { return platform_; }
    void click(ui::Control& c, ui::MouseButton button) override { ui::headless::click(c, button); }
    void type(ui::Control& c, const std::string& text) override { ui::headless::type(c, text); }
    void step(ui::Control& c, ui::ScrollCode code) override { scroll(c, code); }
    void pick(ui::Control& c, int index) override { ui::headless::pick(c, index); }
    // The press moves the window when it lands on the window or on a child that has no use for it.
    void drag(ui::Control& c, int dx, int dy) override {
        HeadlessControl* top = &asHeadless(c);
        while (top->parent())
            top = top->parent();
        const ui::ControlKind k = c.kind();
        if (k == ui::ControlKind::Window || k == ui::ControlKind::Panel || k == ui::ControlKind::Label ||
            k == ui::ControlKind::PaintBox || k == ui::ControlKind::ImageView)
            dragWindow(*top, dx, dy);
        else
            ui::headless::click(c);
    }
    ui::Image capture(ui::Control& c) override { return asHeadless(c).render(); }
    void runFor(std::uint32_t ms) override { loop_.advance(ms); }
    void duringModal(const std::function<void()>& open, const std::function<void()>& act) override {
        open();  // menus stay open without a loop of their own
        act();
    }
    bool chooseMenuItem(const std::string& text) override {
        return ui::headless::chooseMenuItem(platform_.headlessToolkit(), text);
    }
    bool answerModal() override { return false; }
    bool pressHotKey(int virtualKey, unsigned modifiers, bool) override {
        return platform_.headlessToolkit().pressHotKey(virtualKey, modifiers);
    }
    bool holdKey(int virtualKey, bool down) override {
        down ? platform_.headlessKeyboard().press(virtualKey)
             : platform_.headlessKeyboard().release(virtualKey);
        return true;
    }
    bool takeHotKeyElsewhere(int virtualKey, unsigned modifiers) override {
        platform_.headlessToolkit().takeHotKeyElsewhere(virtualKey, modifiers);
        return true;
    }
    std::string lacks(Feature f) const override {
        return f == Feature::NestedModalLoop ? "headless message boxes are answered at once, without a loop"
                                             : "";
    }
    std::string name() const override { return "headless"; }

  private:
    VirtualLoop loop_;
    RecordedMessageBoxes boxes_;
    HeadlessPlatform platform_{loop_, boxes_};
};
}  // namespace

std::unique_ptr<Backend> makeHeadless() {
    return std::make_unique<Headless>();
}

}  // namespace backend
