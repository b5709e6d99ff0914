#include "striptest/color_part.h"

#include <charconv>

namespace lr {

std::optional<std::int32_t> parseColorPart(std::string_view part) {
    while (!part.empty() && part.front() == ' ')
        part.remove_prefix(1);
    while (!part.empty() && part.back() == ' ')
        part.remove_suffix(1);
    std::int32_t value = 0;
    const char* end = part.data() + part.size();
    const auto [stop, error] = std::from_chars(part.data(), end, value);
    if (part.empty() || error != std::errc{} || stop != end || value < 0 || value > 0xFFFFFF)
        return std::nullopt;
    return value;
}

void StripColorPart::doPart(TData& data) {
    const std::int32_t color = parseColorPart(toString(data)).value_or(kStripDefaultColor);
    forwardInteger(data, onColor, color);
}

}  // namespace lr
