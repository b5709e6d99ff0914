// The Effect page inside a small mode-pages stand-in, wired as the program wires it: its commands go to a
// device link on an in-memory line, its read-back output starts the link's read-back and the state read
// comes back to its input 2. The user clicks, and the test reads the bytes on the line.
#include <gtest/gtest.h>

#include "screenshot.h"

#include <array>
#include <stdexcept>
#include <string>

#include "device/device_link.h"
#include "device/effect_page.h"
#include "device/protocol.h"
#include "device_fixture.h"
#include "recorder.h"
#include "runtime/multi_element.h"
#include "settings/memory_system.h"
#include "ui/headless/user.h"

using namespace lr;
using ui::headless::byCaption;
using ui::headless::byName;
using ui::headless::HeadlessControl;

namespace {

enum Out : std::size_t { Command, ReadBack, Sequence, kOutputs };
enum In : std::uint16_t { Show, Start, ApplyState, Reset };

constexpr ui::Color kGreen = 65280;
constexpr ui::Color kOff = 12639424;
constexpr ui::Color kWhite = 16777215;
constexpr ui::Color kDarkRed = 220;
const std::string kZero(device::kStateLength, '0');

std::tm tenPast(int hour) {
    std::tm t{};
    t.tm_hour = hour;
    t.tm_min = 10;
    return t;
}

class Tap : public Recorder {
  public:
    Point next;
    void pass(TData& data) {
        take(data, 0);
        fireCopy(next, data);
    }
};

class Harness : public TClassMultiBase {
  public:
    explicit Harness(ui::Control* parent)
        : TClassMultiBase(parent, nullptr),
          link(own<DeviceLink>(this)),
          outer(make<THIMultiElement>(parent, this, kOutputs, 0)) {
        for (std::size_t i = 0; i < kOutputs; ++i)
            outer.outputs[i] = bind<&Tap::pass>(taps[i]);
        taps[Command].next = link.command(0);
        taps[ReadBack].next = link.readBack();
        link.setOnState(bind<&THIMultiElement::doWork>(outer, ApplyState));
        outer.setCreate([this](ui::Control* p, TClassMultiBase* o) {
            return std::make_unique<TClassChildPanel_2A602B0>(p, o, outer, [] { return tenPast(21); });
        });
    }
    void input(std::uint16_t index, TData data = {}) { outer.doWork(data, index); }
    TClassChildPanel_2A602B0& page() { return static_cast<TClassChildPanel_2A602B0&>(*outer.instance()); }

    std::array<Tap, kOutputs> taps;
    DeviceLink& link;
    THIMultiElement& outer;
};

}  // namespace

class EffectPage : public DeviceTest {
  protected:
    EffectPage() {
        window->setVisible(true);
        TData name = makeString("COM3");
        fire(page.link.open(), name);
        page.input(Show, makeInteger(1));
        page.input(Start);
    }
    HeadlessControl& control(const ui::headless::Match& match, const std::string& what,
                             HeadlessControl* within = nullptr) {
        auto* found =
            within ? ui::headless::find(*within, match) : ui::headless::findAnywhere(toolkit(), match);
        if (!found) throw std::runtime_error("not on screen: " + what);
        return *found;
    }
    HeadlessControl& byText(const std::string& caption) { return control(byCaption(caption), caption); }
    HeadlessControl& named(const std::string& name) { return control(byName(name), name); }
    HeadlessControl& brightness(char letter) { return named(std::string("brightness ") + letter); }
    HeadlessControl& change(char letter) { return named(std::string("change ") + letter); }
    HeadlessControl& toCom(const char* group) { return control(byName("to COM"), "to COM", &byText(group)); }
    std::string written() { return com3.line->takeWritten(); }
    std::vector<int> positions(const char* prefix) {
        std::vector<int> out;
        for (const char letter : device::kChannelLetters)
            out.push_back(named(std::string(prefix) + letter).position());
        return out;
    }
    std::vector<ui::Color> colors(std::initializer_list<const char*> captions) {
        std::vector<ui::Color> out;
        for (const char* c : captions)
            out.push_back(byText(c).color());
        return out;
    }
    std::vector<ui::Color> effectColors() {
        return colors({"woRk", "juMp", "strobO", "moVe", "brighT", "bliNk"});
    }
    void apply(const std::string& state) { page.input(ApplyState, makeString(state)); }

    settings::MemorySystem sys;
    settings::ScopedSystem scope{sys};
    BoundLine com3{3};
    std::unique_ptr<ui::Window> window = toolkit().createWindow({"Lumenrig", {0, 0, 541, 586}});
    Harness page{window.get()};
};

TEST_F(EffectPage, StartShowsTheDefaultStateWithoutWritingAnything) {
    EXPECT_EQ(written(), "");
    EXPECT_EQ(positions("brightness "), (std::vector<int>{0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(positions("change "), (std::vector<int>{2, 0, 2, 2, 0, 2, 2, 1, 2, 2, 2, 2}))
        << "E's change digit 3 is past the bar's range";
    EXPECT_EQ(named("speed").position(), 3);
    EXPECT_EQ(effectColors(), (std::vector<ui::Color>{kOff, kOff, kOff, kGreen, kOff, kOff}));
    EXPECT_EQ(byText("A").color(), kDarkRed);
    EXPECT_EQ(byText("L").color(), kWhite);
    for (const TData& d : page.taps[Command].values)
        EXPECT_EQ(toString(d), "") << "a muted command still passes, empty";
    EXPECT_EQ(page.taps[Command].values.size(), 12u + 12u + 1u + 1u)
        << "levels, changes, the V switch, speed";
    EXPECT_EQ(toCom("Run Speed").text(), "S3") << "the boxes show what the controls stand for";
}

TEST_F(EffectPage, BrightnessBarsSendTheLevelAndColourTheLetter) {
    struct Case {
        ui::ScrollCode code;
        std::string sent;
        ui::Color letter;
    };
    const Case cases[] = {
        {ui::ScrollCode::Top, "C8", kDarkRed},
        {ui::ScrollCode::Bottom, "C0", kWhite},
        {ui::ScrollCode::LineUp, "C1", 13948159},
        {ui::ScrollCode::Bottom, "C0", kWhite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sent);
        ASSERT_TRUE(ui::headless::scroll(brightness('C'), c.code));
        EXPECT_EQ(written(), c.sent);
        EXPECT_EQ(byText("C").color(), c.letter);
    }
    EXPECT_EQ(toCom("Channel Brightness").text(), "C0");
}

TEST_F(EffectPage, ALetterClickSwitchesItsChannelBetweenFullAndOff) {
    const std::pair<const char*, int> steps[] = {{"A0", 8}, {"A8", 0}, {"A0", 8}};
    for (const auto& [sent, position] : steps) {
        ASSERT_TRUE(click(byText("A")));
        EXPECT_EQ(written(), sent);
        EXPECT_EQ(brightness('A').position(), position);
    }
    ASSERT_TRUE(ui::headless::scroll(brightness('E'), ui::ScrollCode::LineDown));
    EXPECT_EQ(written(), "E6");
    ASSERT_TRUE(click(byText("E")));
    EXPECT_EQ(written(), "E8") << "a channel between full and off goes full";
}

TEST_F(EffectPage, BrightnessChangeBarsSendUpMiddleAndDown) {
    const std::pair<ui::ScrollCode, const char*> steps[] = {
        {ui::ScrollCode::Top, "DU"}, {ui::ScrollCode::LineDown, "DY"}, {ui::ScrollCode::Bottom, "DW"}};
    for (const auto& [code, sent] : steps) {
        ASSERT_TRUE(ui::headless::scroll(change('D'), code));
        EXPECT_EQ(written(), sent);
    }
    EXPECT_EQ(toCom("Brightness change Up or Down").text(), "DW");
}

TEST_F(EffectPage, EffectLabelsToggleTheirSwitch) {
    ASSERT_TRUE(click(byText("strobO")));
    EXPECT_EQ(byText("strobO").color(), kGreen);
    ASSERT_TRUE(click(byText("strobO")));
    EXPECT_EQ(byText("strobO").color(), kOff);
    EXPECT_EQ(written(), "O1O0");
    ASSERT_TRUE(click(byText("moVe")));
    EXPECT_EQ(written(), "V0") << "V is on in the default state";
}

TEST_F(EffectPage, TheClearButtonsSendAllChannelsButOnlyTheLitEffects) {
    ASSERT_TRUE(click(byText("woRk")));
    ASSERT_TRUE(click(byText("bliNk")));
    ASSERT_EQ(written(), "R1N1");
    ASSERT_TRUE(click(control(byCaption("clr"), "clr", &byText("Effects slection"))));
    EXPECT_EQ(written(), "R0V0N0");
    EXPECT_EQ(effectColors(), std::vector<ui::Color>(6, kOff));
    ASSERT_TRUE(click(control(byCaption("clr"), "clr", &byText("Effects slection"))));
    EXPECT_EQ(written(), "") << "nothing left on";

    apply(kZero);
    ASSERT_EQ(written(), "");
    ASSERT_TRUE(click(control(byCaption("clr"), "clr", &byText("Channel Brightness"))));
    EXPECT_EQ(written(), "A0B0C0D0E0F0G0H0I0J0K0L0") << "also for channels already at 0";
}

TEST_F(EffectPage, FastThenSlowSetsTheSpeedBar) {
    ASSERT_TRUE(click(byText("fast")));
    EXPECT_EQ(named("speed").position(), 9);
    ASSERT_TRUE(click(byText("slow")));
    EXPECT_EQ(named("speed").position(), 0);
    ASSERT_TRUE(click(byText("slow")));
    EXPECT_EQ(written(), "S9S0S0") << "a bar set sends even when it stays put";
}

TEST_F(EffectPage, AProgramClickSendsItsIndexAndShowsItsPresetMuted) {
    ASSERT_TRUE(click(byText("FLS")));
    EXPECT_EQ(written(), "P7");
    EXPECT_EQ(colors({"EEP1", "EEP2", "EEP3", "EEP4", "FLP1", "FLP2", "EES", "FLS", "FLP3", "FLP4"}),
              (std::vector<ui::Color>{kOff, kOff, kOff, kOff, kOff, kOff, kOff, kGreen, kOff, kOff}));
    // FLS: "0000121222223242526272820100104"
    EXPECT_EQ(positions("brightness "), (std::vector<int>{8, 8, 7, 7, 6, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(positions("change "), (std::vector<int>{2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(effectColors(), (std::vector<ui::Color>{kOff, kGreen, kOff, kOff, kGreen, kOff}));
    EXPECT_EQ(named("speed").position(), 4);
    EXPECT_EQ(byText("FLP4").font().name, "Arial Narrow");

    const std::pair<const char*, const char*> order[] = {
        {"EEP1", "P0"}, {"EEP3", "P2"}, {"EES", "P6"}, {"FLP3", "P8"}, {"FLP4", "P9"}};
    for (const auto& [label, sent] : order) {
        ASSERT_TRUE(click(byText(label)));
        EXPECT_EQ(written(), sent) << label;
    }
    EXPECT_EQ(named("speed").position(), 1) << "FLP4's line ends in a blank after its 31 positions";
}

TEST_F(EffectPage, SelectingByIndexActsAsAClickAndIgnoresIndexesOfNoProgram) {
    for (const TData& index : {makeInteger(-1), makeInteger(10), makeString("x5")}) {
        TData d = index;
        page.page().doSelectProgram(d);
    }
    EXPECT_EQ(written(), "P0") << "\"x5\" reads as 0, the others name no program";
    TData three = makeInteger(3);
    page.page().doSelectProgram(three);
    EXPECT_EQ(written(), "P3");
    EXPECT_EQ(byText("EEP4").color(), kGreen);
}

TEST_F(EffectPage, TheAllZeroStateMovesEveryControlAndWritesNothing) {
    ASSERT_TRUE(click(byText("juMp")));
    ASSERT_EQ(written(), "M1");
    Tap& commands = page.taps[Command];
    const std::size_t before = commands.values.size();
    apply(kZero);
    EXPECT_EQ(written(), "");
    EXPECT_EQ(positions("brightness "), std::vector<int>(12, 8));
    EXPECT_EQ(positions("change "), std::vector<int>(12, 2)) << "every bar at doWn";
    EXPECT_EQ(effectColors(), std::vector<ui::Color>(6, kOff));
    EXPECT_EQ(named("speed").position(), 0);
    ASSERT_EQ(commands.values.size() - before, 12u + 12u + 2u + 1u) << "M and V switched off";
    for (std::size_t i = before; i < commands.values.size(); ++i)
        EXPECT_EQ(toString(commands.values[i]), "");
}

TEST_F(EffectPage, EepromButtonsSendTheirCommands) {
    EXPECT_EQ(toCom("Work with EEPROM").text(), "--") << "nothing sent yet";
    ASSERT_TRUE(click(byText("Save to EEPROM")));
    ASSERT_TRUE(click(byText("Restore EEPROM")));
    EXPECT_EQ(written(), "Z0Z1");
    EXPECT_TRUE(page.taps[ReadBack].values.empty());
    EXPECT_EQ(toCom("Work with EEPROM").text(), "Z1");
    EXPECT_EQ(byText("Save to EEPROM").hint(), "Save current settings to current EEPROM slot");
    EXPECT_EQ(byText("Restore EEPROM").hint(), "Restore EEPROM slots defaults");
    EXPECT_EQ(byText("Read Effect").hint(), "Read settings for current effect");
}

TEST_F(EffectPage, ReadEffectShowsTheStateTheControllerAnswersAndKeepsItForItsProgram) {
    ASSERT_TRUE(click(byText("EEP3")));
    ASSERT_EQ(written(), "P2");
    ASSERT_TRUE(click(byText("Read Effect")));
    EXPECT_EQ(written(), "Z2");
    EXPECT_EQ(page.taps[ReadBack].values.size(), 1u);
    const std::string state = "1020304050607080012345678101019";
    com3.line->send(device::encodeStateReply(device::parseState(state)));
    loop.advance(99);
    EXPECT_EQ(named("speed").position(), 3) << "EEP3's preset until the reply is read";
    loop.advance(1);
    EXPECT_EQ(positions("brightness "), (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0, 8, 6, 4, 2}));
    EXPECT_EQ(positions("change "), (std::vector<int>{2, 2, 2, 2, 2, 2, 2, 2, 1, 0, 0, 0}));
    EXPECT_EQ(effectColors(), (std::vector<ui::Color>{kGreen, kGreen, kOff, kGreen, kOff, kGreen}));
    EXPECT_EQ(named("speed").position(), 9);
    EXPECT_EQ(written(), "") << "a state read back is shown, not sent";

    ASSERT_TRUE(click(byText("EEP1")));
    ASSERT_TRUE(click(byText("EEP3")));
    EXPECT_EQ(written(), "P0P2");
    EXPECT_EQ(named("speed").position(), 9) << "EEP3's preset is now the state read";
    EXPECT_EQ(brightness('A').position(), 7);
}

TEST_F(EffectPage, AReplyThatNeverComesReadsAsTheAllZeroState) {
    ASSERT_TRUE(click(byText("Read Effect")));
    loop.advance(100);
    EXPECT_EQ(written(), "Z2");
    EXPECT_EQ(positions("brightness "), std::vector<int>(12, 8));
    EXPECT_EQ(positions("change "), std::vector<int>(12, 2));
    EXPECT_EQ(effectColors(), std::vector<ui::Color>(6, kOff));
    EXPECT_EQ(named("speed").position(), 0);
    loop.advance(10000);
    EXPECT_EQ(written(), "");
}

TEST_F(EffectPage, StatesWithLettersOrMissingCharactersReadThoseAsZero) {
    struct Case {
        std::string state;
        std::vector<int> levels;  // bar positions
        std::vector<int> changes;
        int speed;
    };
    const std::vector<int> allOff(12, 8);
    const std::vector<int> allDown(12, 2);
    const Case cases[] = {
        {"", allOff, allDown, 0},
        {"8a8", {0, 0, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, 0},
        {"x2-2+2 2", {8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8}, {0, 0, 0, 0, 2, 2, 2, 2, 2, 2, 2, 2}, 0},
        {std::string(31, '9'), std::vector<int>(12, 0), std::vector<int>(12, 0), 9},
        {std::string(100000, '5') + "\r\n\x01\xFF", std::vector<int>(12, 3), std::vector<int>(12, 0), 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state.substr(0, 40));
        apply(kZero.substr(0, 24) + "111111" + "7");
        apply(c.state);
        EXPECT_EQ(positions("brightness "), c.levels);
        EXPECT_EQ(positions("change "), c.changes);
        EXPECT_EQ(named("speed").position(), c.speed);
        EXPECT_EQ(written(), "");
    }
}

TEST_F(EffectPage, ResetSelectsProgramOneThenSendsEffectsOffAndAllChannelsZero) {
    ASSERT_TRUE(click(byText("brighT")));
    ASSERT_EQ(written(), "T1");
    page.input(Reset);
    // EEP2's preset switches M, O and T on; the reset turns them off again.
    EXPECT_EQ(written(), "P1M0O0T0A0B0C0D0E0F0G0H0I0J0K0L0");
    EXPECT_EQ(byText("EEP2").color(), kGreen);
    EXPECT_EQ(effectColors(), std::vector<ui::Color>(6, kOff));
    EXPECT_EQ(positions("brightness "), std::vector<int>(12, 8));
    EXPECT_EQ(named("speed").position(), 2) << "EEP2's speed stays";
    ASSERT_TRUE(click(byText("fast")));
    EXPECT_EQ(written(), "S9") << "unmuted afterwards";
}

TEST_F(EffectPage, TheRecorderCollectsWhatIsSentAndHandsOutTheRow) {
    ASSERT_TRUE(click(byText("EEP2")));
    ASSERT_TRUE(ui::headless::scroll(brightness('A'), ui::ScrollCode::LineUp));
    EXPECT_EQ(named("List of Action").text(), " P1 A2") << "the muted preset adds nothing";
    ASSERT_TRUE(ui::headless::type(named("Run at"), "21:30"));
    ASSERT_TRUE(click(byText("Add")));
    EXPECT_EQ(page.taps[Sequence].texts(), (std::vector<std::string>{"21:30> P1 A2"}));
}

TEST_F(EffectPage, InputZeroShowsAndHidesThePage) {
    HeadlessControl& panel = named("totalpanel");
    EXPECT_TRUE(panel.visible());
    page.input(Show, makeInteger(0));
    EXPECT_FALSE(panel.visible());
    EXPECT_FALSE(click(byText("fast"))) << "a hidden page takes no clicks";
    EXPECT_EQ(written(), "");
}

TEST_F(EffectPage, Screenshot) {
    HeadlessControl& panel = named("totalpanel");
    const ui::Image shot = saveScreenshot(panel, "effect_page");
    EXPECT_EQ(shot.size(), (ui::Size{TClassChildPanel_2A602B0::kWidth, TClassChildPanel_2A602B0::kHeight}));
    const std::vector<DrawnText> expected = {
        {"Work with EEPROM", {8, 0, 507, 13}},
        {"Save to EEPROM", {8, 16, 120, 25}},
        {"Restore EEPROM", {136, 16, 120, 25}},
        {"Read Effect", {264, 16, 120, 25}},
        {"to COM", {394, 20, 52, 16}},
        {"--", {448, 16, 67, 21}},
        {"Program Selection", {8, 51, 507, 13}},
        {"EEPROM", {8, 65, 130, 14}},
        {"FLASH", {144, 65, 130, 14}},
        {"Series", {288, 65, 62, 14}},
        {"EEP1", {8, 81, 62, 19}},
        {"FLP1", {144, 81, 62, 19}},
        {"EES", {288, 81, 62, 19}},
        {"FLS", {288, 102, 62, 19}},
        {"Run Speed", {8, 126, 507, 13}},
        {"S3", {448, 142, 67, 21}},
        {"slow", {266, 143, 58, 23}},
        {"fast", {328, 143, 58, 23}},
        {"Channel Brightness", {8, 177, 507, 13}},
        {"A", {8, 277, 28, 16}},
        {"L", {360, 277, 28, 16}},
        {"clr", {448, 267, 67, 23}},
        {"Brightness change Up or Down", {8, 300, 507, 13}},
        {"Up", {6, 314, 32, 14}},
        {"doWn", {6, 362, 32, 14}},
        {"Effects slection", {8, 381, 507, 13}},
        {"woRk", {8, 400, 52, 20}},
        {"bliNk", {288, 400, 52, 20}},
        {"Save Actions", {8, 430, 507, 13}},
    };
    expectTexts(panel, expected);
}
