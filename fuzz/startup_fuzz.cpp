// "lumenrig.ini" on arbitrary bytes, read as the program reads it at start: the language, the main
// window's place, the startup options with their delayed actions on the virtual clock, and the strip
// test windows with their boxes, colours and places. Each action comes at most once and as the page
// expects it, none comes after the stop, no stored size leaves the main window without one, an open
// strip window has its own size on a monitor, and the place written at close reads back as the main
// window had it.
#include <array>
#include <cstdint>
#include <string>

#include "headless_world.h"
#include "runtime/elements/visual_main_form.h"
#include "settings/paths.h"
#include "settings/startup_options.h"
#include "settings/translation.h"
#include "settings/window_positions.h"
#include "striptest/strips_group.h"

namespace {

using Group = lr::TClassChildGroupBox_2D0CC40;

constexpr const char* kPositionKey = "lumenrig.ini\\main_position";
constexpr std::uint32_t kLastDelayMs = 2500;

// Two small tables a "language" setting may name.
void putLanguages(settings::MemorySystem& sys) {
    sys.putFile("C:\\Prog\\localization\\Russian.lng",
                "Startup Options|\xCF\xE0\xF0\xE0\xEC\xE5\xF2\xF0\xFB \xE7\xE0\xEF\xF3\xF1\xEA\xE0\r\n"
                "Start with Windows|\xC7\xE0\xEF\xF3\xF1\xEA\r\n");
    sys.putFile("C:\\Prog\\localization\\English.lng", "Startup Options\r\n");
}

class Actions : public lr::Element {
  public:
    void take(lr::TData& data, std::uint16_t index) {
        check(index < Group::kActions && !seen_[index] && !stopped);
        seen_[index] = true;
        if (index == Group::Connect) check(lr::toString(data).rfind("COM ", 0) == 0);
        if (index != Group::Connect && index != Group::Tray)
            check(data.kind == lr::kind::Integer && data.intValue == 1);
    }
    // A new start: every action may come once more.
    void restart() {
        seen_.fill(false);
        stopped = false;
    }
    bool stopped = false;

  private:
    std::array<bool, Group::kActions> seen_{};
};

struct TranslationScope {
    ~TranslationScope() { settings::clearTranslation(); }
};

lr::THIMainForm& mainForm(lr::THIMainForm& f) {
    f.Left_ = 21;
    f.Top_ = 105;
    f.Width_ = 541;
    f.Height_ = 599;
    f.Caption = "Lumenrig";
    f.Centered = true;
    f.Main = true;
    f.PositionKey = kPositionKey;
    f.init();
    return f;
}

void runStartupOptions(HeadlessWorld& world, Group& options) {
    Actions actions;
    for (std::size_t a = 0; a < Group::kActions; ++a)
        options.setOnAction(static_cast<Group::Action>(a),
                            lr::bind<&Actions::take>(actions, static_cast<std::uint16_t>(a)));
    lr::TData none;
    options.doStart(none);
    world.loop.advance(kLastDelayMs / 2);
    options.doStop(none);
    actions.stopped = true;
    world.loop.advance(kLastDelayMs);
    actions.restart();
    options.doStart(none);
    world.loop.advance(kLastDelayMs);
    options.doStop(none);
}

// In 64 bits: a stored place may sit at the very end of the integers.
bool overlaps(std::int64_t from, std::int64_t length, std::int64_t otherFrom, std::int64_t otherLength) {
    return from + length > otherFrom && from < otherFrom + otherLength;
}

bool onAMonitor(const ui::Rect& r) {
    for (const ui::Rect& m : ui::platform().screen().monitors())
        if (overlaps(r.left, r.width, m.left, m.width) && overlaps(r.top, r.height, m.top, m.height))
            return true;
    return false;
}

void checkStripWindow(lr::StripForm& strip) {
    ui::Window& window = strip.form().window();
    if (!window.visible()) return;
    const ui::Rect r = window.bounds();
    check(r.width == lr::StripForm::kWidth && r.height == lr::StripForm::kHeight && onAMonitor(r));
}

void runStrips(HeadlessWorld& world, lr::TClassChildGroupBox_2DF3AE0& strips) {
    lr::TData none;
    strips.doStart(none);
    for (const char* command : {"A5", "L9", "B0", "Z1"}) {
        lr::TData text = lr::makeString(command);
        strips.doText(text);
    }
    world.loop.advance(10);
    checkStripWindow(strips.strip());
    checkStripWindow(strips.smoothStrip());
    strips.doClose(none);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HeadlessWorld world;
    const TranslationScope translation;
    const settings::ScopedWindowPositions positions;
    world.sys.putFile("C:\\Prog\\lumenrig.ini", bytesOf(data, size));
    putLanguages(world.sys);
    settings::loadTranslation(settings::programFolder());

    lr::THIMainForm form;
    mainForm(form);
    Group options(&form.control(), nullptr);
    lr::TClassChildGroupBox_2DF3AE0 strips(&form.control(), nullptr);
    lr::start();
    runStartupOptions(world, options);
    runStrips(world, strips);

    const ui::Rect shown = form.window().bounds();
    check(shown.width > 0 && shown.height > 0);
    lr::TData none;
    form.doClose(none);
    world.loop.advance(0);
    const ui::Rect stored = settings::SettingsWindowPositions().load(kPositionKey, ui::Rect{});
    check(stored.left == shown.left && stored.top == shown.top && stored.width == shown.width &&
          stored.height == shown.height);
    return 0;
}
