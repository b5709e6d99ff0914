#include "runtime/elements/text_elements.h"

#include <algorithm>

namespace lr {

void THIStrCat::doStrCat(TData& data) {
    std::string s1 = readString(data, Str1, Str1_);
    result_ = s1 + readString(data, Str2, Str2_);
    forwardString(data, onResult, result_);
}

void THIStrCat::Result(TData& data) {
    data = makeString(result_);
}

void THIStrCatDelim::doStrCat(TData& data) {
    std::string s1 = readString(data, Str1, Str1_);
    forwardString(data, onResult, s1 + Delimiter + readString(data, Str2, Str2_));
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The argument "%<digits>" names, when the digits are a number 1..args without a leading zero.
const std::string* argumentAt(std::string_view digits, const std::vector<std::string>& args) {
    if (digits.empty() || digits[0] == '0' || digits.size() > 5) return nullptr;
    std::size_t n = 0;
    for (char c : digits)
        n = n * 10 + static_cast<std::size_t>(c - '0');
    return n <= args.size() ? &args[n - 1] : nullptr;
}

}  // namespace

std::string formatMask(std::string_view mask, const std::vector<std::string>& args) {
    std::string out;
    std::size_t i = 0;
    while (i < mask.size()) {
        if (mask[i] != '%') {
            out += mask[i++];
            continue;
        }
        if (i + 1 < mask.size() && mask[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        std::size_t end = i + 1;
        while (end < mask.size() && isDigit(mask[end]))
            ++end;
        const std::string* arg = argumentAt(mask.substr(i + 1, end - i - 1), args);
        out += arg ? *arg : std::string(mask.substr(i, end - i));
        i = end;
    }
    return out;
}

// Every input is read, in order, so unset ones take the event's items one by one.
void THIFormatStr::doFormat(TData& data) {
    std::vector<std::string> args;
    for (const Point& input : Str)
        args.push_back(readString(data, input, ""));
    forwardString(data, onResult, formatMask(Mask, args));
}

void THIStrPart::doSplit(TData& data) {
    const std::string text = readString(data, Text, "");
    const std::size_t at = text.find(Delimiter);
    if (at == std::string::npos) {
        forwardString(data, onNotFound, text);
        return;
    }
    std::string left = text.substr(0, at);
    std::string right = text.substr(at + 1);
    if (Mode == 1) {
        fireString(onRight, std::move(right));
        forwardString(data, onLeft, std::move(left));
    } else {
        fireString(onLeft, std::move(left));
        forwardString(data, onRight, std::move(right));
    }
}

namespace {

struct Span {
    std::size_t start = 0;
    std::size_t length = 0;
};

// A position below 1 shortens the run by the overshoot; from the right the position counts back
// from the end (len - count - position + 2).
Span spanOf(std::size_t length, std::int64_t position, std::int64_t count, bool fromRight) {
    const auto len = static_cast<std::int64_t>(length);
    if (fromRight) position = len - count - position + 2;
    if (position < 1) {
        count -= 1 - position;
        position = 1;
    }
    if (count <= 0 || position > len) return {};
    const auto start = static_cast<std::size_t>(position - 1);
    return {start, static_cast<std::size_t>(std::min<std::int64_t>(count, len - (position - 1)))};
}

Span readSpan(TData& data, std::size_t length, const TextRange& range, const Point& position,
              const Point& count) {
    const std::int32_t p = readInteger(data, position, range.Position);
    const std::int32_t n = readInteger(data, count, range.Count);
    return spanOf(length, p, n, range.Direction == 1);
}

}  // namespace

void THICopy::doCopy(TData& data) {
    const std::string text = readString(data, Text, "");
    if (text.empty()) return;
    const Span s = readSpan(data, text.size(), range, Position, Count);
    forwardString(data, onResult, text.substr(s.start, s.length));
}

void THIDelete::doDelete(TData& data) {
    std::string text = readString(data, Text, "");
    const Span s = readSpan(data, text.size(), range, Position, Count);
    text.erase(s.start, s.length);
    fireString(onResult, std::move(text));
}

}  // namespace lr
