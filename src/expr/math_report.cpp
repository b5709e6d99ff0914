#include "expr/math_report.h"

namespace lr {

namespace {
// "Ошибка синтаксиса в элементе MathParser\r\nОбнаружена в строке:позиции - "
constexpr std::string_view kSyntaxMessage =
    "\xCE\xF8\xE8\xE1\xEA\xE0 \xF1\xE8\xED\xF2\xE0\xEA\xF1\xE8\xF1\xE0 \xE2 \xFD\xEB\xE5\xEC\xE5\xED\xF2\xE5 "
    "MathParser\r\n\xCE\xE1\xED\xE0\xF0\xF3\xE6\xE5\xED\xE0 \xE2 \xF1\xF2\xF0\xEE\xEA\xE5:\xEF\xEE\xE7\xE8"
    "\xF6\xE8\xE8 - ";
// "Ошибка вычисления в элементе MathParser\r\nОбнаружена в строке:позиции - "
constexpr std::string_view kCalculationMessage =
    "\xCE\xF8\xE8\xE1\xEA\xE0 \xE2\xFB\xF7\xE8\xF1\xEB\xE5\xED\xE8\xFF \xE2 \xFD\xEB\xE5\xEC\xE5\xED\xF2\xE5 "
    "MathParser\r\n\xCE\xE1\xED\xE0\xF0\xF3\xE6\xE5\xED\xE0 \xE2 \xF1\xF2\xF0\xEE\xEA\xE5:\xEF\xEE\xE7\xE8"
    "\xF6\xE8\xE8 - ";
}  // namespace

TextPosition lineColumn(std::string_view text, std::size_t offset) {
    TextPosition p;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] != '\r') {
            ++p.column;
            continue;
        }
        ++p.line;
        p.column = 1;
        if (i + 1 < offset && text[i + 1] == '\n') ++i;
    }
    return p;
}

std::string_view errorMessage(int index) {
    return index == kSyntaxErrorIndex ? kSyntaxMessage : kCalculationMessage;
}

std::string errorReport(int index, TextPosition at) {
    std::string report(errorMessage(index));
    report += std::to_string(at.line);
    report += ':';
    report += std::to_string(at.column);
    return report;
}

}  // namespace lr
