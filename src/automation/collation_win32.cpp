#include <windows.h>

#include "automation/collation.h"
#include "settings/cp1251.h"

namespace lr {

// The system's sort key for the user's locale: the order CompareString gives, without comparing twice.
std::string collationKey(std::string_view cp1251) {
    const std::u16string text = settings::cp1251ToUtf16(cp1251);
    const auto* wide = reinterpret_cast<const wchar_t*>(text.c_str());
    const int length = static_cast<int>(text.size());
    constexpr DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int size = LCMapStringW(LOCALE_USER_DEFAULT, flags, wide, length, nullptr, 0);
    if (size <= 0) return std::string(cp1251);
    std::string key(static_cast<std::size_t>(size), '\0');
    LCMapStringW(LOCALE_USER_DEFAULT, flags, wide, length, reinterpret_cast<LPWSTR>(key.data()), size);
    key.resize(static_cast<std::size_t>(size) - 1);  // the key's own terminating zero
    return key;
}

}  // namespace lr
