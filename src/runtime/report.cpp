#include "runtime/report.h"

#include "ui/platform.h"

namespace lr {

namespace {
ui::Icon iconOf(ReportKind kind) {
    switch (kind) {
        case ReportKind::Error:
            return ui::Icon::Error;
        case ReportKind::Information:
            return ui::Icon::Information;
        case ReportKind::Plain:
            break;
    }
    return ui::Icon::None;
}
}  // namespace

void showReport(const Report& report) {
    ui::MessageBoxSpec box;
    box.text = report.text;
    box.caption = report.caption;
    box.icon = iconOf(report.kind);
    ui::platform().messageBoxes().show(box);
}

}  // namespace lr
