#include "audio/bands.h"

#include <algorithm>
#include <string>

#include "runtime/tdata.h"

namespace lr::audio {

namespace {

std::int32_t clippedBin(const std::string& token) {
    return std::max(std::min(parseInteger(token), kHighestBin), kLowestBin);
}

void store(Bounds& b, const std::string& token) {
    if (static_cast<std::size_t>(b.count) < b.table.size())
        b.table[static_cast<std::size_t>(b.count)] = clippedBin(token);
}

}  // namespace

// A ";" met while the token is empty becomes part of the token (so ";;3;" starts with the token ";").
Bounds parseBounds(std::string_view text) {
    if (text.empty()) text = kDefaultBands;
    Bounds b;
    std::string token;
    for (const char c : text) {
        if (c == ';' && !token.empty()) {
            store(b, token);
            if (static_cast<std::size_t>(b.count) < b.table.size()) ++b.count;
            token.clear();
        } else {
            token += c;
        }
    }
    if (!token.empty()) store(b, token);
    return b;
}

}  // namespace lr::audio
