#pragma once
// The colour organ page in a small mode-pages stand-in: its commands go through a device link to COM 5,
// an in-memory line, as the program wires them; its other outputs are recorded. The program's folder is
// in memory (C:\Prog, with its schemes, list.ini and lumenrig.ini); the sound is a synth signal that each
// tick pumps by 50 ms.
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "../device/device_fixture.h"
#include "audio/engine.h"
#include "audio/synth.h"
#include "device/device_link.h"
#include "organ/organ_page.h"
#include "recorder.h"
#include "runtime/multi_element.h"
#include "settings/ini_file.h"
#include "settings/memory_system.h"
#include "ui/headless/user.h"

namespace organ_page {

inline constexpr const char* kIni = "C:\\Prog\\lumenrig.ini";
inline constexpr const char* kList = "C:\\Prog\\list.ini";
inline constexpr const char* kSchemes = "C:\\Prog\\schemes\\";
inline constexpr std::size_t kTickFrames = 2205;  // 50 ms at 44100 Hz
// Fourteen boundaries, thirteen ranges: band_k is bin k, so every tick reaches band_12 and the band mean.
inline constexpr const char* kAllBands = "1;2;3;4;5;6;7;8;9;10;11;12;13;14;";
// A sine on bin 4: band_4 = 0.5, a band mean of 0.042, which is music.
inline const std::string kMusic = "sine:" + std::to_string(4 * 44100.0 / 2048.0) + ":0.5";

// Ini lines written with "\n", stored with CR LF.
inline std::string crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// A scheme that holds channel A at `level` and hears every band.
inline std::string levelScheme(int level) {
    return "[init]\nstrfreq=" + std::string(kAllBands) + "\n[calculation]\nA=" + std::to_string(level) + "\n";
}

// A command and the moment it left the page.
struct Sent {
    std::uint64_t ms;
    std::string command;
    bool operator==(const Sent&) const = default;
};

// The page's outer element, as the mode pages container holds it: commands to the link's merge.
class Harness : public lr::TClassMultiBase {
    const ui::Loop& loop_;  // stamps each command

  public:
    Harness(ui::Control* parent, const ui::Loop& loop)
        : lr::TClassMultiBase(parent, nullptr),
          loop_(loop),
          link(own<lr::DeviceLink>(this)),
          outer(make<lr::THIMultiElement>(parent, this, 3, 0)) {
        outer.outputs[0] = lr::bind<&Harness::command>(*this);
        outer.outputs[1] = started.point();
        outer.outputs[2] = running.point();
        outer.setCreate([this](ui::Control* p, lr::TClassMultiBase* o) {
            return std::make_unique<lr::TClassChildPanel_1EFA680>(p, o, outer);
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
        sent.push_back({loop_.nowMs(), lr::toString(data)});
        lr::fire(link.command(1), data);
    }
};

class OrganPageTest : public DeviceTest {
  protected:
    OrganPageTest() {
        sys.addFolder("C:\\Prog\\schemes");
        window->setVisible(true);
    }
    ~OrganPageTest() override {
        page.reset();
        backend.reset();
    }

    // The page over that sound, shown.
    void build(const std::string& signal = kMusic) {
        page.reset();
        backend.reset();
        std::string error;
        auto driver = lr::audio::makeSynthDriver(signal, error, lr::audio::Pacing::Manual);
        ASSERT_TRUE(driver) << error;
        synth = driver.get();
        audio = std::make_unique<lr::audio::Engine>(std::move(driver));
        backend.emplace(*audio);
        page = std::make_unique<Harness>(window.get(), loop);
        page->input(0, lr::makeInteger(1));
    }
    void start() { page->input(1); }
    void scheme(const std::string& name, const std::string& text) {
        sys.putFile(std::string(kSchemes) + name + ".lsc", crlf(text));
    }
    void listIni(const std::string& text) { sys.putFile(kList, crlf(text)); }
    void settingsIni(const std::string& text) { sys.putFile(kIni, crlf(text)); }
    std::string setting(const std::string& key) {
        return settings::iniReadString(kIni, "scheme", key, "<none>");
    }

    // Lets time pass in ticks of 50 ms, the sound running on.
    void play(std::uint32_t ms) {
        for (std::uint32_t t = 0; t < ms; t += lr::kOrganTickMs) {
            synth->pump(kTickFrames);
            loop.advance(lr::kOrganTickMs);
        }
    }
    std::string written() { return com5.line->takeWritten(); }
    // The levels channel A was sent, with their moments.
    std::vector<Sent> sentOn(char channel) const {
        std::vector<Sent> out;
        for (const Sent& s : page->sent)
            if (!s.command.empty() && s.command[0] == channel) out.push_back(s);
        return out;
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
    ui::headless::HeadlessControl& byName(const std::string& name) {
        return control(ui::headless::byName(name), name);
    }
    ui::headless::HeadlessControl& schemeList() { return byHint("Choice of the Scheme"); }
    ui::headless::HeadlessControl& musicBox() { return byCaption("Sublist to run with music (list.ini)"); }
    ui::headless::HeadlessControl& silenceBox() { return byCaption("Sublist to run in silence (list.ini)"); }
    ui::headless::HeadlessControl& randomBox() { return byCaption("Random change of Schemes"); }
    ui::headless::HeadlessControl& musicList() { return byName("list_name"); }
    ui::headless::HeadlessControl& silenceList() { return byName("pause_list_name"); }
    ui::headless::HeadlessControl& bar(const std::string& name) { return byName(name); }
    ui::headless::HeadlessControl& runButton() { return byHint("Run"); }
    ui::headless::HeadlessControl& stopButton() { return byHint("Stop"); }

    settings::MemorySystem sys;
    settings::ScopedSystem sysScope{sys};
    BoundLine com5{5};
    std::unique_ptr<ui::Window> window = toolkit().createWindow({"Lumenrig", {0, 0, 541, 600}});
    lr::audio::GeneratedDriver* synth = nullptr;
    std::unique_ptr<lr::audio::Engine> audio;
    std::optional<lr::audio::ScopedBackend> backend;
    std::unique_ptr<Harness> page;
};

}  // namespace organ_page
