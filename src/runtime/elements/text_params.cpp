#include "runtime/elements/text_params.h"

#include "runtime/strings.h"

namespace lr {

namespace {
// Line `index` of a text whose lines end in CR LF or LF; false when there is no such line.
bool lineOf(const std::string& text, std::int32_t index, std::string& line) {
    if (index < 0) return false;
    std::size_t begin = 0;
    for (std::int32_t i = 0; i < index; ++i) {
        const std::size_t lf = text.find('\n', begin);
        if (lf == std::string::npos) return false;
        begin = lf + 1;
    }
    if (begin == text.size()) return false;  // an empty text, or past a final line break
    const std::size_t lf = text.find('\n', begin);
    line = text.substr(begin, lf == std::string::npos ? std::string::npos : lf - begin);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}
}  // namespace

void THIMultiSetParam::doSet(TData& data) {
    const std::int32_t index = toInteger(data);
    TData none;
    std::string line;
    if (!lineOf(readString(none, Data, ""), index, line)) return;
    if (Delimiter != '\0') {
        spreadTokens(line);
    } else {
        spreadDigits(line);
    }
}

// A token of one blank leaves its output untouched in integer mode.
void THIMultiSetParam::spreadTokens(const std::string& line) {
    std::string rest = line + Delimiter;
    for (const Point& out : outputs) {
        if (rest.empty()) break;
        std::string token = takeToken(rest, Delimiter);
        if (Mode == 1) {
            fireString(out, std::move(token));
        } else if (token != " ") {
            fireInteger(out, parseInteger(token));
        }
    }
}

void THIMultiSetParam::spreadDigits(const std::string& line) {
    for (std::size_t i = 0; i < line.size() && i < outputs.size(); ++i) {
        if (line[i] != ' ') fireInteger(outputs[i], parseInteger(line.substr(i, 1)));
    }
}

void THIVisualStrings::Text(TData& data) {
    data = makeString(Text_);
}

}  // namespace lr
