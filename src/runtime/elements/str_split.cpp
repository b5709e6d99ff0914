#include "runtime/elements/str_split.h"

#include "runtime/strings.h"

namespace lr {

namespace {

// takeToken, except that the last token is taken out of the text too.
bool takePart(std::string& text, char delimiter, std::string& part) {
    if (text.empty()) return false;
    const bool last = text.find(delimiter) == std::string::npos;
    part = takeToken(text, delimiter);
    if (last) text.clear();
    return true;
}

}  // namespace

std::vector<std::string> takeParts(std::string& text, char delimiter, std::int32_t skip, std::size_t count) {
    std::string part;
    for (std::int32_t i = 0; i < skip && takePart(text, delimiter, part); ++i) {
    }
    std::vector<std::string> parts;
    while (parts.size() < count && takePart(text, delimiter, part))
        parts.push_back(part);
    return parts;
}

// Parts the text has no token for become empty.
void THIMultiStrPart::doSplit(TData& data) {
    std::string text = readString(data, Text, "");
    if (text.find(Delimiter) == std::string::npos) {
        forwardString(data, onNotFound, std::move(text));
        return;
    }
    std::vector<std::string> parts = takeParts(text, Delimiter, Skip, parts_.size());
    parts.resize(parts_.size());
    parts_ = std::move(parts);
    forwardString(data, onSplit, std::move(text));
}

void THIMultiStrPart::Part(TData& data, std::uint16_t index) {
    data = index < parts_.size() ? makeString(parts_[index]) : makeNull();
}

void THIMultiStrData::doSplit(TData& data) {
    std::string text = readString(data, Text, "");
    if (text.find(Delimiter) == std::string::npos) return;
    const std::vector<std::string> parts = takeParts(text, Delimiter, Skip, outputs.size());
    for (std::size_t k = 0; k < parts.size(); ++k)
        fireString(outputs[k], parts[k]);
}

}  // namespace lr
