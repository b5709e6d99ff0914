#include "automation/collation.h"

namespace lr {

namespace {

// Latin and Cyrillic letters folded to lower case; ё between е and ж, as the alphabet has it.
unsigned char fold(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDF) c = static_cast<unsigned char>(c + 32);
    if (c == 0xA8) c = 0xB8;
    return c;
}

}  // namespace

// Each byte becomes two, so that ё can sort right after е.
std::string collationKey(std::string_view cp1251) {
    std::string key;
    key.reserve(cp1251.size() * 2);
    for (const char ch : cp1251) {
        const unsigned char c = fold(static_cast<unsigned char>(ch));
        const bool yo = c == 0xB8;
        key += static_cast<char>(yo ? 0xE5 : c);
        key += static_cast<char>(yo ? 1 : 0);
    }
    return key;
}

}  // namespace lr
