#include "runtime/elements/str_enum.h"

#include <algorithm>

#include "runtime/strings.h"

namespace lr {

std::vector<std::string> THIStr_Enum::pieces(const std::string& text) const {
    std::vector<std::string> out;
    if (text.empty()) return out;
    if (Delimiter != '\0') {
        std::string rest = text + Delimiter;
        while (!rest.empty())
            out.push_back(takeToken(rest, Delimiter));
        return out;
    }
    const auto width = static_cast<std::size_t>(std::max(Width, 1));
    for (std::size_t at = 0; at < text.size(); at += width) {
        if (Exact && text.size() - at < width) break;
        out.push_back(text.substr(at, width));
    }
    return out;
}

void THIStr_Enum::doEnum(TData& data) {
    const std::vector<std::string> all = pieces(readString(data, Text, ""));
    const std::size_t last =
        End <= 0 ? all.size() : std::min<std::size_t>(static_cast<std::size_t>(End), all.size());
    stopped_ = false;
    std::string piece;
    for (std::size_t i = static_cast<std::size_t>(std::max(Start, 1)); i <= last && !stopped_; ++i) {
        position_ = static_cast<std::int32_t>(i);
        piece = all[i - 1];
        fireString(onEnum, piece);
    }
    if (stopped_ && BreakEvent) {
        forwardString(data, onBreak, std::move(piece));
    } else {
        forwardNull(data, onEnd);
    }
}

void THIStr_Enum::doStop(TData&) {
    stopped_ = true;
}

void THIStr_Enum::Position(TData& data) {
    data = makeInteger(position_);
}

}  // namespace lr
