#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/visual_controls.h"
#include "runtime/elements/visual_sliders.h"
#include "runtime/error.h"
#include "ui/headless/user.h"

using namespace lr;
using namespace ui::headless;

namespace {

class VisualTest : public HeadlessTest {
  protected:
    VisualTest() { window->setVisible(true); }
    std::unique_ptr<ui::Window> window = toolkit().createWindow({"Test", {0, 0, 300, 200}});
    Recorder rec;
};

// Raises an element error, as a faulty formula would.
struct Thrower : Element {
    void take(TData&) { throw ElementError(error::Syntax); }
};

TEST_F(VisualTest, SharedPropertiesAreAppliedAtInitialisation) {
    window->setFont({"Arial", 9});
    THIPanel panel(window.get());
    panel.Color_ = 0x123456;
    panel.Left_ = 5;
    panel.Top_ = 6;
    panel.Width_ = 70;
    panel.Height_ = 30;
    panel.Enabled = false;
    panel.Hint = "a panel";
    panel.Visible = false;
    panel.Name = "p1";
    panel.init();
    const ui::Control& c = panel.control();
    EXPECT_EQ(c.color(), 0x123456u);
    EXPECT_EQ(c.bounds(), (ui::Rect{5, 6, 70, 30}));
    EXPECT_FALSE(c.enabled());
    EXPECT_FALSE(c.visible());
    EXPECT_EQ(c.font().name, "Arial");
    EXPECT_EQ(findAnywhere(toolkit(), byHint("a panel")), &c);
    EXPECT_EQ(findAnywhere(toolkit(), byName("p1")), &c);

    THILabel own(window.get());
    own.ParentFont = false;
    own.Font = {"Courier", 12};
    own.init();
    EXPECT_EQ(own.control().font().name, "Courier");
}

TEST_F(VisualTest, PositionInputsAndReads) {
    THIPanel panel(window.get());
    panel.init();
    TData v = makeInteger(40);
    panel.doLeft(v);
    v = makeString("17");
    panel.doTop(v);
    v = makeInteger(90);
    panel.doWidth(v);
    v = makeReal(12.5);
    panel.doHeight(v);
    EXPECT_EQ(panel.control().bounds(), (ui::Rect{40, 17, 90, 12}));
    TData out;
    panel.Width(out);
    EXPECT_EQ(out.intValue, 90);
    panel.Handle(out);
    EXPECT_EQ(out.intValue, static_cast<std::int32_t>(panel.control().handle()));
    v = makeInteger(0);
    panel.doVisible(v);
    EXPECT_FALSE(panel.control().visible());
    v = makeString("0");  // any string is true
    panel.doVisible(v);
    EXPECT_TRUE(panel.control().visible());
    v = makeInteger(255);
    panel.doColor(v);
    EXPECT_EQ(panel.control().color(), 255u);
}

TEST_F(VisualTest, AlignmentFillsTheParentSide) {
    struct Case {
        Align align;
        ui::Rect expected;
    };
    for (const Case& c : {Case{Align::Top, {0, 0, 300, 25}}, Case{Align::Bottom, {0, 175, 300, 25}},
                          Case{Align::Left, {0, 0, 100, 200}}, Case{Align::Right, {200, 0, 100, 200}},
                          Case{Align::Client, {0, 0, 300, 200}}, Case{Align::None, {7, 8, 100, 25}}}) {
        THIPanel panel(window.get());
        panel.Left_ = 7;
        panel.Top_ = 8;
        panel.Alignment = c.align;
        panel.init();
        EXPECT_EQ(panel.control().bounds(), c.expected) << static_cast<int>(c.align);
    }
}

TEST_F(VisualTest, MouseEventsCarryTheButtonNumber) {
    THIPanel panel(window.get());
    panel.onMouseDown = rec.point(0);
    panel.onMouseUp = rec.point(1);
    panel.onClick = rec.point(2);
    panel.onMouseWheel = rec.point(3);
    panel.init();
    struct Case {
        ui::MouseButton button;
        int number;
    };
    for (const Case& c : {Case{ui::MouseButton::Left, 0}, Case{ui::MouseButton::Right, 1},
                          Case{ui::MouseButton::Middle, 2}, Case{ui::MouseButton::Other, 255}}) {
        rec.values.clear();
        rec.indexes.clear();
        click(panel.control(), c.button);
        ASSERT_EQ(rec.values.size(), 3u);
        EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{0, 1, 2}));
        for (const TData& v : rec.values)
            EXPECT_EQ(v.intValue, c.number);
    }
    rec.values.clear();
    wheel(panel.control(), -120);
    ASSERT_EQ(rec.values.size(), 1u);
    EXPECT_EQ(rec.values[0].intValue, -120);
}

TEST_F(VisualTest, AnElementErrorInAUserEventDoesNotEscape) {
    THIPanel panel(window.get());
    Thrower thrower;
    panel.onClick = bind<&Thrower::take>(thrower);
    panel.init();
    EXPECT_NO_THROW(click(panel.control()));
}

TEST_F(VisualTest, CheckBoxReportsEveryChange) {
    THICheckBox box(window.get());
    box.Caption = "Loop";
    box.Checked_ = true;
    box.onCheck = rec.point();
    box.init();
    EXPECT_TRUE(box.control().checked());
    TData v = makeInteger(0);
    box.doCheck(v);
    v = makeString("");
    box.doCheck(v);
    click(box.control());
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"0", "1", "0"}));
    TData out;
    box.Checked(out);
    EXPECT_EQ(out.intValue, 0);
    v = makeString("Repeat");
    box.doCaption(v);
    EXPECT_EQ(box.control().text(), "Repeat");
}

TEST_F(VisualTest, ComboBoxListAndSelection) {
    THIComboBox combo(window.get());
    combo.Strings = "COM1\r\nCOM2\r\n";
    combo.onChange = rec.point(0);
    combo.onSelectText = rec.point(1);
    combo.init();
    TData v = makeString("COM3");
    combo.doAdd(v);
    EXPECT_EQ(combo.control().items(), (std::vector<std::string>{"COM1", "COM2", "COM3"}));
    v = makeString("COM2");
    combo.doSelectString(v);
    TData out;
    combo.String(out);
    EXPECT_EQ(out.text, "COM2");
    v = makeString("COM9");
    combo.doSelectString(v);
    combo.Index(out);
    EXPECT_EQ(out.intValue, -1);
    combo.String(out);
    EXPECT_EQ(out.text, "");
    EXPECT_TRUE(rec.values.empty());  // inputs are not user changes
    pick(combo.control(), "COM3");
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"2", "COM3"}));
    combo.doClear(v);
    combo.Count(out);
    EXPECT_EQ(out.intValue, 0);
}

TEST_F(VisualTest, EditAndMemoTexts) {
    THIEdit edit(window.get());
    edit.Text_ = "start";
    edit.onChange = rec.point();
    edit.init();
    TData out;
    edit.Text(out);
    EXPECT_EQ(out.text, "start");
    type(edit.control(), "A5\xE0");
    EXPECT_EQ(rec.texts(), std::vector<std::string>{"A5\xE0"});

    THIMemo memo(window.get());
    memo.Strings = "one";
    memo.init();
    TData v = makeString("two");
    memo.doAdd(v);
    memo.Text(out);
    EXPECT_EQ(out.text, "one\r\ntwo");
    memo.Count(out);
    EXPECT_EQ(out.intValue, 2);
    memo.doClear(v);
    memo.Count(out);
    EXPECT_EQ(out.intValue, 0);
}

TEST_F(VisualTest, AutoSizedLabelFitsItsText) {
    THILabel label(window.get());
    label.Caption = "abcd";
    label.AutoSize = true;
    label.init();
    const ui::Rect first = label.control().bounds();
    TData v = makeString("abcdefgh");
    label.doText(v);
    EXPECT_GT(first.width, 0);
    EXPECT_EQ(label.control().bounds().width, 2 * first.width);
    EXPECT_EQ(label.control().text(), "abcdefgh");
}

TEST_F(VisualTest, TrackBarDragStartsOnceAndStops) {
    THITrackBar bar(window.get());
    bar.Min = 0;
    bar.Max = 8;
    bar.onStart = rec.point(0);
    bar.onPosition = rec.point(1);
    bar.onStop = rec.point(2);
    bar.init();
    drag(bar.control(), {2, 5});
    // Thumb moves 2 and 5, the release (position 5), then the end of the drag.
    EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{0, 1, 1, 1, 2}));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"2", "2", "5", "5", "5"}));
    rec.values.clear();
    rec.indexes.clear();
    scroll(bar.control(), ui::ScrollCode::LineDown);
    EXPECT_EQ(rec.indexes, (std::vector<std::uint16_t>{0, 1, 2}));
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"6", "6", "6"}));
}

TEST_F(VisualTest, TrackBarPositionInputIsClampedAndForwarded) {
    THITrackBar bar(window.get());
    bar.Max = 8;
    bar.Position_ = 3;
    bar.onPosition = rec.point();
    bar.init();
    TData out;
    bar.Position(out);
    EXPECT_EQ(out.intValue, 3);
    TData v = makeInteger(12);
    fire(bind<&THITrackBar::doPosition>(bar), v);
    EXPECT_EQ(rec.texts(), std::vector<std::string>{"8"});
    v = makeInteger(4);
    bar.doMax(v);
    bar.Position(out);
    EXPECT_EQ(out.intValue, 4);
}

TEST_F(VisualTest, ScrollBarReportsMovesNotTheEnd) {
    THIScrollBar bar(window.get());
    bar.Max = 50;
    bar.PageSize = 20;
    bar.Kind = Orientation::Vertical;
    bar.onPosition = rec.point();
    bar.init();
    scroll(bar.control(), ui::ScrollCode::PageDown);
    scroll(bar.control(), ui::ScrollCode::Bottom);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"20", "50"}));
}

}  // namespace
