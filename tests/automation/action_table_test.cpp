// The "Table of Actions" as a user meets it: rows added by the page and by hand, sorted by time,
// deleted and cleared; "actions.ini" at start and exit; Save Table and Load Table through the dialogs;
// damaged files.
#include <gtest/gtest.h>

#include "auto_page_fixture.h"
#include "automation/table_text.h"
#include "settings/translation.h"

using namespace auto_page;
using ui::headless::byCaption;
using ui::headless::byName;

namespace {

class ActionTable : public AutoPageTest {
  protected:
    ActionTable() { build({12, 0, 0}); }
    std::vector<int> widths() {
        std::vector<int> out;
        for (const ui::ListColumn& c : table().columns())
            out.push_back(c.width);
        return out;
    }
    std::string savedAtExit() {
        page->input(2);
        return sys.file(kActions).value_or("<none>");
    }
    ui::headless::ScriptedDialogs& dialogs() { return platform.scriptedDialogs(); }
};

TEST_F(ActionTable, RowsAreSortedByTimeIgnoringCaseAndKeepTheirOrderOtherwise) {
    for (const char* row : {"9:05> A1", "10:00> B1", "b> C1", "A> D1", "10:00> B2>second", "15> E1"})
        addRow(row);
    EXPECT_EQ(table().items(), (std::vector<std::string>{"10:00\t B1", "10:00\t B2\tsecond", "15\t E1",
                                                         "9:05\t A1", "A\t D1", "b\t C1"}));
}

TEST_F(ActionTable, ColumnsAndTheFileAtExit) {
    std::vector<std::string> captions;
    for (const ui::ListColumn& c : table().columns())
        captions.push_back(c.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Time", "List of Actions", "Description"}));
    EXPECT_EQ(widths(), (std::vector<int>{50, 340, 100}));
    addRow("21:30> P1 A5");
    addRow("5> Z0>every five");
    EXPECT_EQ(savedAtExit(), std::string(kHeader) + "21:30> P1 A5\r\n5> Z0>every five\r\n");
}

// The translated header is what the user sees; the file keeps the captions it had.
TEST_F(ActionTable, CaptionsAreShownTranslatedAndSavedAsTheyWere) {
    settings::setTranslation("Time|Zeit\r\nTable of Actions|Aktionen\r\nAdded|Neu\r\n");
    build({12, 0, 0});
    settings::clearTranslation();
    EXPECT_EQ(table().columns().front().caption, "Zeit");
    EXPECT_NE(ui::headless::findAnywhere(toolkit(), byCaption("Aktionen")), nullptr);
    addRow("1:00> A");
    EXPECT_EQ(savedAtExit(), std::string(kHeader) + "1:00> A\r\n");
}

TEST_F(ActionTable, SaveAndLoadRestoreRowsAndColumnWidths) {
    sys.putFile(kActions, "Time=70>List of Actions=300>Description=120\r\n9:05> A1>x\r\n7> B2\r\n");
    build({12, 0, 0});
    EXPECT_EQ(widths(), (std::vector<int>{70, 300, 120}));
    EXPECT_EQ(table().items(), (std::vector<std::string>{"9:05\t A1\tx", "7\t B2"}));
    const std::string saved = savedAtExit();
    EXPECT_EQ(saved, "Time=70>List of Actions=300>Description=120\r\n9:05> A1>x\r\n7> B2\r\n");
    sys.putFile(kActions, saved);
    build({12, 0, 0});
    EXPECT_EQ(savedAtExit(), saved);
}

TEST_F(ActionTable, DeleteLineRemovesTheSelectedRowClearTableAllRows) {
    for (const char* row : {"1:00> A", "2:00> B", "3:00> C"})
        addRow(row);
    ASSERT_TRUE(press("Delete Line"));  // nothing selected
    EXPECT_EQ(table().items().size(), 3u);
    ASSERT_TRUE(ui::headless::pick(table(), 1));
    ASSERT_TRUE(press("Delete Line"));
    EXPECT_EQ(table().items(), (std::vector<std::string>{"1:00\t A", "3:00\t C"}));
    ASSERT_TRUE(press("Clear Table"));
    EXPECT_TRUE(table().items().empty());
    EXPECT_EQ(table().columns().size(), 3u);
    EXPECT_EQ(savedAtExit(), kHeader);
}

TEST_F(ActionTable, SaveTableWritesTheChosenFileOnly) {
    addRow("6:00> W1");
    dialogs().answerFile("C:\\Prog\\evening.ini");
    ASSERT_TRUE(press("Save Table"));
    EXPECT_EQ(sys.file("C:\\Prog\\evening.ini"), std::string(kHeader) + "6:00> W1\r\n");
    EXPECT_FALSE(sys.file(kActions));
    const auto& shown = dialogs().shown().back();
    EXPECT_EQ(shown.kind, ui::headless::ScriptedDialogs::Kind::Save);
    EXPECT_EQ(shown.params.title, "\xD1\xEE\xF5\xF0\xE0\xED\xFF\xE5\xEC \xF2\xE0\xE1\xEB\xE8\xF6\xF3");
    EXPECT_EQ(shown.params.filter, "\xC4\xE5\xE9\xF1\xF2\xE2\xE8\xFF (*.ini)|*.ini");
    EXPECT_EQ(shown.params.initialDir, ".");
    EXPECT_EQ(shown.params.fileName, "noname");
    ASSERT_TRUE(press("Save Table"));  // cancelled: nothing written
    EXPECT_FALSE(sys.file(kActions));
}

TEST_F(ActionTable, LoadTableReadsTheChosenFile) {
    addRow("6:00> W1");
    sys.putFile("C:\\Prog\\night.ini", "T=40>L=200\r\n23:00> N1\r\n");
    sys.putFile(kActions, std::string(kHeader) + "1:00> not this\r\n");
    dialogs().answerFile("C:\\Prog\\night.ini");
    ASSERT_TRUE(press("Load Table"));
    EXPECT_EQ(dialogs().shown().back().params.title,
              "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xE5\xEC \xF2\xE0\xE1\xEB\xE8\xF6\xF3");
    EXPECT_EQ(table().items(), std::vector<std::string>{"23:00\t N1"});
    EXPECT_EQ(widths(), (std::vector<int>{40, 200}));
    ASSERT_TRUE(press("Load Table"));  // cancelled: the table stays
    EXPECT_EQ(table().items().size(), 1u);
}

TEST_F(ActionTable, AFailedSaveSaysSoAndLeavesTheOldFile) {
    sys.putFile(kActions, std::string(kHeader) + "1:00> old\r\n");
    build({12, 0, 0});
    addRow("2:00> new");
    sys.setReadOnly("C:\\Prog");
    page->input(2);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_NE(boxes.shown()[0].text.find("actions.ini"), std::string::npos);
    EXPECT_EQ(sys.file(kActions), std::string(kHeader) + "1:00> old\r\n");
}

TEST_F(ActionTable, AnUnreadableStartFileIsReportedAndNotOverwrittenAtExit) {
    sys.putFile(kActions, std::string(kHeader) + "1:00> kept\r\n");
    sys.setUnreadable(kActions);
    build({12, 0, 0});
    EXPECT_TRUE(boxes.shown().empty()) << "the start goes on";
    loop.advance(0);
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(table().items().empty());
    page->input(2);
    EXPECT_EQ(sys.file(kActions), std::string(kHeader) + "1:00> kept\r\n");
}

TEST_F(ActionTable, RecorderRowsOfThePageReachTheTable) {
    loop.advance(1000);
    ASSERT_TRUE(ui::headless::type(control(byName("List of Action")), " O1"));
    ASSERT_TRUE(ui::headless::click(control(ui::headless::byHint("Set current time for sequence"))));
    ASSERT_TRUE(press("Add"));
    EXPECT_EQ(table().items(), std::vector<std::string>{"12:00\t O1"});
}

TEST_F(ActionTable, AHundredThousandRowsLoadAndRun) {
    std::string file = kHeader;
    for (int i = 0; i < 100000; ++i)
        file += (i % 2 ? "12:01> R" : "12:02> S") + std::to_string(i) + "\r\n";
    sys.putFile(kActions, file);
    build({12, 0, 0});
    EXPECT_EQ(table().items().size(), 100000u);
    loop.advance(1000);
    ASSERT_TRUE(press("Start"));
    minutes(1);
    EXPECT_EQ(page->sent.size(), 50000u);
    EXPECT_EQ(page->sent.front().command, " R1");
    EXPECT_EQ(savedAtExit(), file);
}

constexpr char kBinary[] = "T=10\r\n\x01\x02>\x00\xFF\t>\x7F\r\n";

TEST_F(ActionTable, DamagedFilesLoadWhatTheyCan) {
    struct Case {
        const char* name;
        std::string file;
        std::vector<int> widths;
        std::vector<std::string> items;
    };
    const std::vector<Case> cases = {
        {"huge, negative, missing and bad widths",
         "Time=99999999999999999999>List of Actions=-5>Description>X=>Y=1e3\r\n1> A\r\n",
         {lr::kMaxWidth, 0, lr::kMissingWidth, lr::kMissingWidth, lr::kMissingWidth},
         {"1\t A"}},
        {"lines without a mark, LF ends and empty lines",
         "T=10\n\nno mark\n\r\n2:00>B\n",
         {10},
         {"no mark", "2:00\tB"}},
        {"binary bytes", std::string(kBinary, sizeof kBinary - 1), {10}, {"\x01\x02\t \xFF \t\x7F"}},
        {"no column line keeps the columns", "\r\n3:00> C\r\n", {50, 340, 100}, {"3:00\t C"}},
        {"times that are no numbers of minutes",
         "T=10\r\n1e400> X\r\nnan> Y\r\n99999999999999999999> Z\r\n> W\r\n",
         {10},
         {"1e400\t X", "nan\t Y", "99999999999999999999\t Z", "\t W"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sys.putFile(kActions, c.file);
        build({12, 0, 0});
        EXPECT_EQ(widths(), c.widths);
        EXPECT_EQ(table().items(), c.items);
        loop.advance(1000);
        ASSERT_TRUE(press("Start"));
        minutes(2);  // the check walks every row without a fault
        EXPECT_LE(boxes.shown().size(), 1u) << "one report at most";
        boxes.clear();
    }
}

TEST_F(ActionTable, ColumnsBeyondALimitAreLeftOut) {
    std::string header;
    for (int i = 0; i < 10000; ++i)
        header += "C" + std::to_string(i) + "=5>";
    sys.putFile(kActions, header + "\r\n");
    build({12, 0, 0});
    EXPECT_EQ(table().columns().size(), lr::kMaxColumns);
}

}  // namespace
