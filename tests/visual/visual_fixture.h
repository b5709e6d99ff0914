#pragma once
// The Visualization page in a small mode-pages stand-in, on the headless backend with the program's folder
// in memory (C:\Prog with its visualization folder). The program has started, so shapes made at run time
// are shown at once. Shapes are found as the user sees them: top-level windows by caption.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/lifecycle.h"
#include "runtime/multi_element.h"
#include "settings/ini_file.h"
#include "settings/memory_system.h"
#include "ui/headless/user.h"
#include "visual/visual_page.h"

namespace visual_page {

inline constexpr const char* kIni = "C:\\Prog\\lumenrig.ini";
inline constexpr const char* kFolder = "C:\\Prog\\visualization\\";
inline constexpr const char* kCircle = "Form0";
inline constexpr const char* kRectangle = "Form1";
inline constexpr const char* kLadder = "Form2";

// Ini lines written with "\n", stored with CR LF.
inline std::string crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

class Harness : public lr::TClassMultiBase {
  public:
    explicit Harness(ui::Control* parent)
        : lr::TClassMultiBase(parent, nullptr), outer(make<lr::THIMultiElement>(parent, this, 1, 0)) {
        outer.outputs[0] = running.point();
        outer.setCreate([this](ui::Control* p, lr::TClassMultiBase* o) {
            return std::make_unique<lr::TClassChildPanel_2DEABE0>(p, o, outer);
        });
    }
    void input(std::uint16_t index, lr::TData data = {}) { outer.doWork(data, index); }

    Recorder running;
    lr::THIMultiElement& outer;
};

class VisualPageTest : public HeadlessTest {
  protected:
    VisualPageTest() {
        sys.addFolder("C:\\Prog\\visualization");
        window->setVisible(true);
    }
    ~VisualPageTest() override { page.reset(); }

    // The page built, shown and started, as the program does at start.
    void build() {
        page = std::make_unique<Harness>(window.get());
        lr::start();
        page->input(0, lr::makeInteger(1));
        page->input(2);
    }
    void scheme(const std::string& name, const std::string& text) {
        sys.putFile(std::string(kFolder) + name + ".vsc", crlf(text));
    }
    std::string schemeFile(const std::string& name) {
        return sys.file(std::string(kFolder) + name + ".vsc").value_or("<missing>");
    }
    void command(const std::string& c) { page->input(1, lr::makeString(c)); }
    void commands(std::initializer_list<const char*> list) {
        for (const char* c : list)
            command(c);
    }

    ui::headless::HeadlessControl& control(const ui::headless::Match& match, const std::string& what) {
        auto* found = ui::headless::findAnywhere(toolkit(), match);
        if (!found) throw std::runtime_error("not on screen: " + what);
        return *found;
    }
    ui::headless::HeadlessControl& byHint(const std::string& hint) {
        return control(ui::headless::byHint(hint), hint);
    }
    ui::headless::HeadlessControl& byCaption(const std::string& caption) {
        return control(ui::headless::byCaption(caption), caption);
    }
    bool press(const std::string& caption) { return ui::headless::click(byCaption(caption)); }
    bool run() { return ui::headless::click(byHint("Run")); }
    bool stop() { return ui::headless::click(byHint("Stop")); }
    bool save() { return ui::headless::click(byHint("Save changes in current Scheme")); }
    ui::headless::HeadlessControl& schemeList() { return byHint("Choice of the Scheme"); }

    // The shape windows of a kind, in creation order.
    std::vector<ui::headless::HeadlessControl*> shapes(const std::string& caption) {
        std::vector<ui::headless::HeadlessControl*> out;
        for (auto* w : toolkit().windows())
            if (w->text() == caption && !w->closed()) out.push_back(w);
        return out;
    }
    ui::headless::HeadlessControl& shape(const std::string& caption, std::size_t k = 0) {
        const auto all = shapes(caption);
        if (k >= all.size()) throw std::runtime_error("no shape " + caption + " #" + std::to_string(k));
        return *all[k];
    }
    // The letter labels of a shape, left to right, wherever they lie inside it.
    std::string letters(ui::headless::HeadlessControl& s) {
        std::string out;
        for (auto* c : s.children())
            out += c->kind() == ui::ControlKind::Label ? c->text() : letters(*c);
        return out;
    }
    ui::headless::HeadlessControl& lamp(ui::headless::HeadlessControl& s) {
        for (auto* c : s.children())
            if (c->kind() == ui::ControlKind::PaintBox) return *c;
        throw std::runtime_error("no lamp");
    }
    // Opens the shape's menu with a right click and chooses `item` in the submenu `header` (or the
    // top-level item when `item` is empty).
    void choose(ui::headless::HeadlessControl& s, const std::string& header, const std::string& item = "") {
        ASSERT_TRUE(ui::headless::click(lamp(s), ui::MouseButton::Right));
        ui::headless::HeadlessMenu* menu = toolkit().openMenu();
        ASSERT_NE(menu, nullptr) << "the right click opens the menu";
        for (const ui::MenuItem& top : menu->items()) {
            if (top.text != header) continue;
            if (item.empty()) return menu->choose(top.id);
            for (const ui::MenuItem& child : top.children)
                if (child.text == item) return menu->choose(child.id);
        }
        FAIL() << "no menu item " << header << " " << item;
    }
    void settle() { loop.advance(10); }

    settings::MemorySystem sys;
    settings::ScopedSystem sysScope{sys};
    std::unique_ptr<ui::Window> window = toolkit().createWindow({"Lumenrig", {0, 0, 541, 300}});
    std::unique_ptr<Harness> page;
};

}  // namespace visual_page
