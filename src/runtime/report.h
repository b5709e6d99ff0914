#pragma once
// How elements tell the user about a failure or a result: a box with a fixed text. The elements speak
// in these terms; the windowing layer shows it.
#include <string>

namespace lr {

enum class ReportKind { Plain, Error, Information };

struct Report {
    std::string text;
    std::string caption;
    ReportKind kind = ReportKind::Plain;
};

// Shows the report modally; timers keep running behind it.
void showReport(const Report& report);

}  // namespace lr
