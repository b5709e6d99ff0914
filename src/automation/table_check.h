#pragma once
// The scheduler's check of the action table at each new clock text. A row is due when its Time is the
// clock text, or, for a Time without ":", when the minutes since the scheduler's start (Start_H and
// Start_M) are a multiple of the Time. Due rows run one after another in table order.
#include <string>
#include <vector>

#include "automation/table_text.h"
#include "expr/fast_math_parse.h"
#include "expr/math_parse.h"
#include "runtime/container.h"
#include "runtime/elements/global_var.h"

namespace lr {

class ActionCheck : public TClassMultiBase {
  public:
    static constexpr std::int32_t kDayMinutes = 24 * 60;

    explicit ActionCheck(TClassMultiBase* owner);

    Point onActions;  // a due row's List of Actions text
    Point onShow;     // then its Time, List of Actions and Description as a three-item list

    // The rows are read once per check, so a table changed while a row runs (behind a report) is not
    // walked half-changed.
    void check(const std::string& clock, int hour, int minute, std::vector<TableRow> rows);
    // The scheduler started: Start_H and Start_M are set, a failing interval may be reported again.
    void doStart(int hour, int minute);

  private:
    bool intervalDue(const std::string& time);
    void elapsedMinutes(TData& data);
    void nowHour(TData& data) { data = makeInteger(hour_); }
    void nowMinute(TData& data) { data = makeInteger(minute_); }
    void interval(TData& data) { data = makeReal(interval_); }
    void failed(TData& data);
    void run(const TableRow& row);

    THIGlobalVar& startH_;
    THIGlobalVar& startM_;
    THIFastMathParse& now_;
    THIFastMathParse& start_;
    THIFastMathParse& elapsed_;
    THIMathParse& remainder_;
    int hour_ = 0;
    int minute_ = 0;
    double interval_ = 0;
    bool elapsedValid_ = false;  // computed once per check, when a row first needs it
    bool failed_ = false;
    bool reported_ = false;
};

}  // namespace lr
