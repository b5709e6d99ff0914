#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/system_elements.h"

using namespace lr;

class SystemElements : public HeadlessTest {
  protected:
    Recorder rec;
};

namespace {
std::tm fixedMoment() {
    std::tm t{};
    t.tm_year = 124;  // 2024
    t.tm_mon = 0;     // January
    t.tm_mday = 31;
    t.tm_hour = 23;
    t.tm_min = 5;
    t.tm_sec = 59;
    return t;
}

std::vector<std::int32_t> readAll(THITime& time) {
    TData a, b, c;
    time.Hour(a);
    time.Minute(b);
    time.Second(c);
    return {a.intValue, b.intValue, c.intValue};
}
}  // namespace

TEST_F(SystemElements, TimeReadsTheClockOrTheDate) {
    THITime time;
    time.clock = fixedMoment;
    EXPECT_EQ(readAll(time), (std::vector<std::int32_t>{23, 5, 59}));
    time.Date = true;
    EXPECT_EQ(readAll(time), (std::vector<std::int32_t>{2024, 1, 31}));
    THITime real;
    real.Date = true;
    const auto now = readAll(real);
    EXPECT_GE(now[0], 2024);
    EXPECT_TRUE(now[1] >= 1 && now[1] <= 12);
}

TEST_F(SystemElements, KeyboardForwardsTheKeyState) {
    THIKeyboard keyboard;
    keyboard.Key_ = 0x11;  // Ctrl
    keyboard.onState = rec.point();
    TData none;
    fire(bind<&THIKeyboard::doState>(keyboard), none);
    platform.headlessKeyboard().press(0x11);
    fire(bind<&THIKeyboard::doState>(keyboard), none);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"0", "1"}));
}

TEST_F(SystemElements, MessageShowsTheBoxAndRoutesTheAnswer) {
    THIMessage message;
    message.Text_ = "Save changes?";
    message.Caption_ = "Scheme";
    message.Buttons = 3;
    message.Icon = 2;
    message.DefaultButton = 1;
    Recorder result, yes, no, cancel;
    message.onResult = result.point();
    message.onYes = yes.point();
    message.onNo = no.point();
    message.onCancel = cancel.point();
    boxes.setPolicy([](const ui::MessageBoxSpec&) { return ui::Answer::No; });
    TData none;
    fire(bind<&THIMessage::doMessage>(message), none);
    ASSERT_EQ(boxes.shown().size(), 1u);
    const ui::MessageBoxSpec& shown = boxes.shown()[0];
    EXPECT_EQ(shown.text, "Save changes?");
    EXPECT_EQ(shown.caption, "Scheme");
    EXPECT_EQ(shown.buttons, ui::Buttons::YesNoCancel);
    EXPECT_EQ(shown.icon, ui::Icon::Question);
    EXPECT_EQ(shown.defaultButton, 1);
    EXPECT_EQ(result.texts(), std::vector<std::string>{"7"});
    EXPECT_EQ(no.values.size(), 1u);
    EXPECT_TRUE(yes.values.empty() && cancel.values.empty());
}

TEST_F(SystemElements, MessageWithAbsurdSettingsShowsAPlainBox) {
    THIMessage message;
    message.Buttons = 42;
    message.Icon = -1;
    message.DefaultButton = 9;
    Recorder ok;
    message.onOK = ok.point();
    boxes.setPolicy(
        [](const ui::MessageBoxSpec& params) { return ui::headless::firstButton(params.buttons); });
    TData text = makeString("from the event");
    fire(bind<&THIMessage::doMessage>(message), text);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "from the event");
    EXPECT_EQ(boxes.shown()[0].buttons, ui::Buttons::Ok);
    EXPECT_EQ(boxes.shown()[0].icon, ui::Icon::None);
    EXPECT_EQ(boxes.shown()[0].defaultButton, 0);
    EXPECT_EQ(ok.values.size(), 1u);
}
