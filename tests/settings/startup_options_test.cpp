// The "Startup Options" group as the user meets it: boxes clicked, the program started on a virtual
// clock, the settings file and the registry read back.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "headless_fixture.h"
#include "recorder.h"
#include "settings/ini_file.h"
#include "settings/memory_system.h"
#include "settings/startup_options.h"
#include "ui/headless/user.h"

using namespace lr;
using settings::RegistryRoot;
using ui::headless::byCaption;
using ui::headless::findAnywhere;
using Group = TClassChildGroupBox_2D0CC40;

namespace {

constexpr const char* kIni = "C:\\Prog\\lumenrig.ini";
constexpr const char* kOwnKey = "Software\\Vxt_Lumenrig_12";
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunName = "Vxt_Lumenrig_12.exe";

// The registry of an ordinary user: writes under HKEY_LOCAL_MACHINE may be refused.
class UserRegistry : public settings::Registry {
  public:
    explicit UserRegistry(settings::Registry& inner) : inner_(inner) {}
    bool refuseMachine = false;

    std::optional<settings::RegistryValue> read(RegistryRoot root, std::string_view key,
                                                std::string_view name) override {
        return inner_.read(root, key, name);
    }
    bool write(RegistryRoot root, std::string_view key, std::string_view name,
               const settings::RegistryValue& value) override {
        return !refused(root) && inner_.write(root, key, name, value);
    }
    bool remove(RegistryRoot root, std::string_view key, std::string_view name) override {
        return !refused(root) && inner_.remove(root, key, name);
    }

  private:
    bool refused(RegistryRoot root) const { return refuseMachine && root == RegistryRoot::LocalMachine; }
    settings::Registry& inner_;
};

class UserSystem : public settings::MemorySystem {
  public:
    settings::Registry& registry() override { return user; }
    UserRegistry user{MemorySystem::registry()};
};

struct Option {
    const char* caption;
    const char* key;
};
constexpr Option kConnect{"Auto connect to Port", "\xE0uto_com"};
constexpr Option kTray{"Auto minimize to Tray", "\xE0uto_trey"};
constexpr Option kMusic{"Auto start Color Organ", "\xE0uto_music"};
constexpr Option kAutomat{"Auto start Automation", "\xE0uto_automat"};
constexpr Option kVisual{"Auto start Visualization", "\xE0uto_visualization"};
constexpr Option kOptions[] = {kConnect, kTray, kMusic, kAutomat, kVisual};

std::string allOn() {
    std::string text = "[init]\r\ncur_com=3\r\n";
    for (const Option& o : kOptions)
        text += std::string(o.key) + "=1\r\n";
    return text;
}

}  // namespace

class StartupOptions : public HeadlessTest {
  protected:
    StartupOptions() {
        sys.addFolder("C:\\Prog");
        window->setVisible(true);
        build();
    }

    // A fresh group, as after a restart of the program.
    void build() {
        group.reset();
        group = std::make_unique<Group>(window.get(), nullptr);
        for (std::size_t i = 0; i < Group::kActions; ++i)
            group->setOnAction(static_cast<Group::Action>(i), actions[i].point());
    }
    void start() {
        TData none;
        group->doStart(none);
    }
    void restart() {
        build();
        start();
    }
    void setIni(const std::string& text) { sys.putFile(kIni, text); }
    std::string ini() const { return sys.file(kIni).value_or(""); }
    std::int32_t option(const Option& o) { return settings::iniReadInteger(kIni, "init", o.key, -1); }
    ui::Control& box(const char* caption) {
        ui::Control* found = findAnywhere(toolkit(), byCaption(caption));
        if (!found) throw std::runtime_error(std::string("no box ") + caption);
        return *found;
    }
    std::optional<std::string> registryText(RegistryRoot root, const char* key, const char* name) {
        const auto v = sys.registry().read(root, key, name);
        return v ? std::optional<std::string>(v->bytes) : std::nullopt;
    }
    std::optional<std::string> autoRun() {
        return registryText(RegistryRoot::LocalMachine, kOwnKey, "AutoRUN");
    }
    std::optional<std::string> runValue() {
        return registryText(RegistryRoot::CurrentUser, kRunKey, kRunName);
    }
    std::size_t started() const {
        std::size_t n = 0;
        for (const Recorder& r : actions)
            n += r.values.size();
        return n;
    }

    UserSystem sys;
    settings::ScopedSystem scope{sys};
    std::unique_ptr<ui::Window> window = toolkit().createWindow({"Lumenrig", {0, 0, 541, 259}});
    std::array<Recorder, Group::kActions> actions;
    std::unique_ptr<Group> group;
};

TEST_F(StartupOptions, SixBoxesInTheirPlacesUnderTheirCaptions) {
    struct Place {
        const char* caption;
        ui::Rect bounds;
    };
    const Place places[] = {
        {"Start with Windows", {7, 15, 230, 15}}, {kConnect.caption, {7, 34, 230, 15}},
        {kTray.caption, {7, 53, 230, 15}},        {kMusic.caption, {272, 15, 230, 15}},
        {kAutomat.caption, {272, 34, 230, 15}},   {kVisual.caption, {272, 53, 230, 15}},
    };
    const auto& frame = ui::headless::asHeadless(box("Startup Options"));
    EXPECT_EQ(frame.bounds(), (ui::Rect{0, 56, 523, 77}));
    for (const Place& p : places) {
        auto& b = ui::headless::asHeadless(box(p.caption));
        EXPECT_EQ(b.bounds(), p.bounds) << p.caption;
        EXPECT_EQ(b.kind(), ui::ControlKind::CheckBox) << p.caption;
        EXPECT_EQ(b.parent(), &frame) << p.caption;
        EXPECT_FALSE(b.checked()) << p.caption;
    }
}

TEST_F(StartupOptions, EachOptionThatIsOnStartsItsActionOnceAfterItsDelay) {
    struct Case {
        Option option;
        Group::Action action;
        std::uint64_t delayMs;
        std::string carried;
    };
    const Case cases[] = {
        {kConnect, Group::Connect, 1000, "COM 3"},  {kTray, Group::Tray, 1500, ""},
        {kMusic, Group::ColorOrgan, 2000, "1"},     {kAutomat, Group::Automation, 2500, "1"},
        {kVisual, Group::Visualization, 2500, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option.caption);
        for (Recorder& r : actions)
            r.values.clear();
        const std::string text = "[init]\r\ncur_com=3\r\n" + std::string(c.option.key) + "=1\r\n";
        setIni(text);
        restart();
        EXPECT_TRUE(box(c.option.caption).checked());
        loop.advance(c.delayMs - 1);
        EXPECT_EQ(started(), 0u);
        loop.advance(1);
        EXPECT_EQ(actions[c.action].texts(), (std::vector<std::string>{c.carried}));
        loop.advance(10000);
        EXPECT_EQ(started(), 1u) << "one tick only";
        EXPECT_EQ(option(c.option), 1) << "ticked by the start, written back unchanged";
    }
}

TEST_F(StartupOptions, SettingsThatAreNotOneStartNothing) {
    const std::string files[] = {
        "[init]\r\ncur_com=3\r\nauto_com=1\r\nauto_trey=1\r\nauto_music=1\r\nauto_automat=1\r\n"
        "auto_visualization=1\r\n",  // Latin "a": other keys
        "[init]\r\n\xE0uto_com=0\r\n\xE0uto_music=2\r\n\xE0uto_trey=yes\r\n\xE0uto_automat=\r\n",
        "[other]\r\n\xE0uto_music=1\r\n",
        "\xE0uto_music=1\r\n[init\r\n\x01\x02",
        "",
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        setIni(file);
        restart();
        loop.advance(10000);
        EXPECT_EQ(started(), 0u);
        for (const Option& o : kOptions)
            EXPECT_FALSE(box(o.caption).checked()) << o.caption;
    }
}

TEST_F(StartupOptions, AClickWritesTheBoxStateToItsKeyAtOnceAndStartsNothing) {
    setIni("[init]\r\nauto_music=1\r\n");
    for (const Option& o : kOptions) {
        SCOPED_TRACE(o.caption);
        ASSERT_TRUE(ui::headless::click(box(o.caption)));
        EXPECT_EQ(option(o), 1);
        EXPECT_NE(ini().find(std::string(o.key) + "=1\r\n"), std::string::npos);
        ASSERT_TRUE(ui::headless::click(box(o.caption)));
        EXPECT_EQ(option(o), 0);
    }
    EXPECT_NE(ini().find("auto_music=1"), std::string::npos) << "the Latin key is left alone";
    loop.advance(10000);
    EXPECT_EQ(started(), 0u);
}

TEST_F(StartupOptions, StartWithWindowsKeepsTheRunEntryAndAutoRun) {
    ui::Control& withWindows = box("Start with Windows");
    ASSERT_TRUE(ui::headless::click(withWindows));
    EXPECT_EQ(autoRun(), "1");
    EXPECT_EQ(runValue(), "C:\\Prog\\lumenrig.exe");
    ASSERT_TRUE(ui::headless::click(withWindows));
    EXPECT_EQ(autoRun(), "0");
    EXPECT_EQ(runValue(), std::nullopt);
    EXPECT_EQ(started(), 0u);
}

TEST_F(StartupOptions, AtStartAutoRunDecidesTheBoxAndTheRunEntryStandsInWhenAutoRunIsUnknown) {
    struct Case {
        std::optional<std::string> autoRun;
        std::optional<std::string> run;
        bool checked;
        std::optional<std::string> runAfter;
    };
    const std::string path = "C:\\Prog\\lumenrig.exe";
    const Case cases[] = {
        {"1", std::nullopt, true, path},  // ticking it puts the entry back
        {"1", "D:\\old\\lumenrig.exe", true, path},
        {"0", "D:\\old\\lumenrig.exe", false, "D:\\old\\lumenrig.exe"},
        {std::nullopt, path, true, path},
        {std::nullopt, std::nullopt, false, std::nullopt},
        {"yes", path, true, path},
        {"yes", std::nullopt, false, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.autoRun.value_or("(none)") + " / " + c.run.value_or("(none)"));
        auto& reg = sys.registry();
        reg.remove(RegistryRoot::LocalMachine, kOwnKey, "AutoRUN");
        reg.remove(RegistryRoot::CurrentUser, kRunKey, kRunName);
        if (c.autoRun) reg.write(RegistryRoot::LocalMachine, kOwnKey, "AutoRUN", {.bytes = *c.autoRun});
        if (c.run) reg.write(RegistryRoot::CurrentUser, kRunKey, kRunName, {.bytes = *c.run});
        restart();
        EXPECT_EQ(box("Start with Windows").checked(), c.checked);
        EXPECT_EQ(runValue(), c.runAfter);
        EXPECT_EQ(autoRun(), c.checked ? "1" : c.autoRun);
    }
}

TEST_F(StartupOptions, ARefusedAutoRunWriteIsSilentAndTheRunEntryStillCounts) {
    sys.user.refuseMachine = true;
    ASSERT_TRUE(ui::headless::click(box("Start with Windows")));
    EXPECT_EQ(autoRun(), std::nullopt);
    EXPECT_EQ(runValue(), "C:\\Prog\\lumenrig.exe");
    restart();
    EXPECT_TRUE(box("Start with Windows").checked()) << "the next start still shows it on";
    ASSERT_TRUE(ui::headless::click(box("Start with Windows")));
    EXPECT_EQ(runValue(), std::nullopt);
    restart();
    EXPECT_FALSE(box("Start with Windows").checked());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(StartupOptions, ThePortInputStoresThePortToConnectAtStart) {
    Source port(makeString("7"));
    group->setPort(port.point());
    TData anything = makeString("ignored");
    group->doPort(anything);
    EXPECT_EQ(settings::iniReadString(kIni, "init", "cur_com", ""), "7");
    setIni(ini() + "\xE0uto_com=1\r\n");
    restart();
    loop.advance(1000);
    EXPECT_EQ(actions[Group::Connect].texts(), (std::vector<std::string>{"COM 7"}));
}

TEST_F(StartupOptions, StoppingDropsTheActionsStillWaiting) {
    setIni(allOn());
    start();
    loop.advance(1000);
    EXPECT_EQ(started(), 1u);
    TData none;
    group->doStop(none);
    loop.advance(10000);
    EXPECT_EQ(started(), 1u);
}
