// Broken formulas: the other channels go on, and each failure is reported once, one report at a time.
#include <gtest/gtest.h>

#include "expr/math_report.h"
#include "organ_fixture.h"

using namespace lr;

namespace {
using Texts = std::vector<std::string>;

Texts starting(const Texts& texts, char channel) {
    Texts out;
    for (const std::string& t : texts)
        if (t[0] == channel) out.push_back(t);
    return out;
}
}  // namespace

class OrganFormulaErrors : public OrganTest {
  protected:
    // Every box stays open for half a second of ticks; a box opened inside another is counted.
    void keepBoxesOpen() {
        boxes.setPolicy([this](const ui::MessageBoxSpec&) {
            if (++open > 1) ++nested;
            loop.advance(500);
            --open;
            return ui::Answer::Ok;
        });
    }
    int open = 0;
    int nested = 0;
};

TEST_F(OrganFormulaErrors, AnUnknownKeyFailsAloneAndIsReportedOnce) {
    build();
    keepBoxesOpen();
    load(scheme("broken", "[calculation]\nA={nothing}+1\nB={count} mod 9\n"));
    run();
    tick(40);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].caption, "String-Debug");
    EXPECT_EQ(boxes.shown()[0].text, errorReport(kSyntaxErrorIndex, TextPosition{1, 1}));
    EXPECT_TRUE(starting(channels.texts(), 'A').empty()) << "the broken channel sends nothing";
    EXPECT_EQ(starting(channels.texts(), 'B').size(), 50u)
        << "its neighbour goes on, ten ticks behind the box";
    EXPECT_EQ(toString(shared("A")), "") << "A keeps its (empty) starting value";
}

TEST_F(OrganFormulaErrors, ReportsComeOneAfterAnother) {
    build();
    keepBoxesOpen();
    load(scheme("two", "[calculation]\nA=1/0\nxB=(\nC={count}\n"));
    run();
    tick(20);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(boxes.shown()[0].text.substr(0, errorMessage(kSyntaxErrorIndex).size()),
              errorMessage(kSyntaxErrorIndex))
        << "xB runs before A";
    EXPECT_EQ(boxes.shown()[1].text.substr(0, errorMessage(kCalculationErrorIndex).size()),
              errorMessage(kCalculationErrorIndex));
    EXPECT_EQ(shared("C").intValue, 8) << "ticks go on behind the boxes";
}

TEST_F(OrganFormulaErrors, AFailedEvaluationLeavesTheLevel) {
    build();
    Recorder errors;
    engine->onFormulaError = errors.point();
    load(scheme("sometimes", "[calculation]\nA=4/({count} mod 3)\n"));
    run();
    tick(6);  // count 0..5: fails at 0 and 3
    EXPECT_EQ(starting(channels.texts(), 'A'), (Texts{"A4", "A2", "A4", "A2"}));
    EXPECT_EQ(errors.values.size(), 1u);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(OrganFormulaErrors, AConnectedReportNamesTheFormulaAndThePlace) {
    build();
    Recorder errors;
    engine->onFormulaError = errors.point();
    const std::string broken = scheme("named", "[calculation]\nD=1+\nxW=2*(3\n");
    load(broken);
    run();
    tick(5);
    ASSERT_EQ(errors.values.size(), 2u);
    const auto fields = [](const TData& list) {
        Texts out;
        for (const TData* item = &list; item; item = item->next.get())
            out.push_back(toString(*item));
        return out;
    };
    EXPECT_EQ(fields(errors.values[0]), (Texts{"D", "0", "1", "3"}));
    EXPECT_EQ(fields(errors.values[1]), (Texts{"xW", "0", "1", "5"}));
    load(broken);
    tick();
    EXPECT_EQ(errors.values.size(), 4u) << "a load reports its formulas afresh";
}
