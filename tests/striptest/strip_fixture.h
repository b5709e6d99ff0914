#pragma once
// The "Strip" group on a stand-in for the Visualization page, with the settings in memory: the user
// ticks its boxes, clicks the lamps and buttons of the two windows, and the command stream arrives.
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "headless_fixture.h"
#include "runtime/container.h"
#include "settings/ini_file.h"
#include "settings/memory_system.h"
#include "settings/window_positions.h"
#include "striptest/strips_group.h"
#include "ui/headless/headless_services.h"
#include "ui/headless/user.h"

inline constexpr const char* kIni = "C:\\Prog\\lumenrig.ini";

class StripPage : public lr::TClassMultiBase {
  public:
    explicit StripPage(ui::Control* parent)
        : TClassMultiBase(parent, nullptr), group(own<lr::TClassChildGroupBox_2DF3AE0>(parent, this)) {}
    lr::TClassChildGroupBox_2DF3AE0& group;
};

class StripTest : public HeadlessTest {
  protected:
    StripTest() {
        sys.addFolder("C:\\Prog");
        host->setVisible(true);
    }

    // The page is built and the program started; the group reads its settings as at a real start.
    void startProgram() {
        page.emplace(host.get());
        lr::start();
        lr::TData none;
        page->group.doStart(none);
    }
    void send(const std::string& text) {
        lr::TData command = lr::makeString(text);
        page->group.doText(command);
    }
    void closeProgram() {
        lr::TData none;
        page->group.doClose(none);
    }
    lr::TClassChildFormEx_2DF3C40& strip() { return page->group.strip(); }
    lr::TClassChildFormEx_2DF5450& smooth() { return page->group.smoothStrip(); }

    ui::headless::HeadlessControl& in(lr::StripForm& window, const std::string& name) {
        auto* found =
            ui::headless::find(ui::headless::asHeadless(window.form().window()), ui::headless::byName(name));
        if (!found) throw std::runtime_error("not in the window: " + name);
        return *found;
    }
    // A check box of the group (the group box itself is captioned "Strip" too).
    ui::headless::HeadlessControl& box(const char* caption) {
        const ui::headless::Match isBox = ui::headless::byKind(ui::ControlKind::CheckBox);
        const ui::headless::Match named = ui::headless::byCaption(caption);
        auto* found =
            ui::headless::find(ui::headless::asHeadless(*host),
                               [&](const ui::headless::HeadlessControl& c) { return isBox(c) && named(c); });
        if (!found) throw std::runtime_error(std::string("not on the page: ") + caption);
        return *found;
    }
    ui::headless::HeadlessControl& lamp(char letter) { return in(strip(), std::string("lamp ") + letter); }
    ui::headless::HeadlessControl& smoothLamp(int k) {
        return in(smooth(), "smooth lamp " + std::to_string(k));
    }
    ui::Color lampColor(char letter) { return lamp(letter).color(); }
    bool shown(lr::StripForm& window) { return window.form().window().visible(); }

    std::string setting(const char* section, const char* key) {
        return settings::iniReadString(kIni, section, key, "<none>");
    }
    void setSetting(const char* section, const char* key, const std::string& value) {
        settings::iniWriteString(kIni, section, key, value);
    }
    ui::headless::ScriptedDialogs& dialogs() { return platform.scriptedDialogs(); }

    settings::MemorySystem sys;
    settings::ScopedSystem scope{sys};
    settings::ScopedWindowPositions positions;
    std::unique_ptr<ui::Window> host = toolkit().createWindow({"Lumenrig", {0, 0, 541, 259}});
    std::optional<StripPage> page;
};
