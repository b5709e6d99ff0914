#include "automation/table_check.h"

#include "expr/math_report.h"
#include "runtime/report.h"

namespace lr {

ActionCheck::ActionCheck(TClassMultiBase* owner)
    : TClassMultiBase(nullptr, owner),
      startH_(make<THIGlobalVar>("Start_H")),
      startM_(make<THIGlobalVar>("Start_M")),
      now_(make<THIFastMathParse>(2)),
      start_(make<THIFastMathParse>(2)),
      elapsed_(make<THIFastMathParse>(2)),
      remainder_(make<THIMathParse>(2)) {
    now_.setFormula("%1 + (%2*60)");
    now_.X = {bind<&ActionCheck::nowMinute>(*this), bind<&ActionCheck::nowHour>(*this)};
    start_.setFormula("%1 + (%2*60)");
    start_.X = {bind<&THIGlobalVar::Var>(startM_), bind<&THIGlobalVar::Var>(startH_)};
    elapsed_.setFormula("%1 - %2");
    elapsed_.X = {bind<&THIFastMathParse::Result>(now_), bind<&THIFastMathParse::Result>(start_)};
    remainder_.setFormula("%1 mod %2");
    remainder_.ResultType = 1;
    remainder_.X = {bind<&ActionCheck::elapsedMinutes>(*this), bind<&ActionCheck::interval>(*this)};
    remainder_.onError = bind<&ActionCheck::failed>(*this);
}

void ActionCheck::doStart(int hour, int minute) {
    fireInteger(bind<&THIGlobalVar::doValue>(startH_), hour);
    fireInteger(bind<&THIGlobalVar::doValue>(startM_), minute);
    reported_ = false;
}

void ActionCheck::check(const std::string& clock, int hour, int minute, std::vector<TableRow> rows) {
    hour_ = hour;
    minute_ = minute;
    elapsedValid_ = false;
    for (const TableRow& row : rows) {
        if (row.size() < 2) continue;
        const std::string& time = row[0];
        if (time == clock || (time.find(':') == std::string::npos && intervalDue(time))) run(row);
    }
}

bool ActionCheck::intervalDue(const std::string& time) {
    interval_ = toReal(makeString(time));
    failed_ = false;
    fireNull(bind<&THIMathParse::doCalc>(remainder_));
    if (failed_) return false;
    TData r;
    remainder_.Result(r);
    return toReal(r) == 0.0;
}

// Minutes since the start within the day: a run that crossed midnight keeps counting on.
void ActionCheck::elapsedMinutes(TData& data) {
    if (!elapsedValid_) {
        fireNull(bind<&THIFastMathParse::doCalc>(now_));
        fireNull(bind<&THIFastMathParse::doCalc>(start_));
        fireNull(bind<&THIFastMathParse::doCalc>(elapsed_));
        elapsedValid_ = true;
    }
    elapsed_.Result(data);
    if (toInteger(data) < 0) data = makeInteger(toInteger(data) + kDayMinutes);
}

// Told once per start: the row stays in the table and would fail again every minute.
void ActionCheck::failed(TData& data) {
    failed_ = true;
    if (reported_) return;
    reported_ = true;
    showReport({.text = errorReport(toInteger(data), remainder_.errorPosition()),
                .caption = "String-Debug",
                .kind = ReportKind::Error});
}

void ActionCheck::run(const TableRow& row) {
    fireString(onActions, row[1]);
    TData shown = makeString(row[0]);
    append(shown, makeString(row[1]));
    append(shown, makeString(row.size() > 2 ? row[2] : std::string()));
    fire(onShow, shown);
}

}  // namespace lr
