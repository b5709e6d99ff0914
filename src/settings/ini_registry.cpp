#include "settings/ini_registry.h"

#include <array>

#include "runtime/tdata.h"
#include "settings/ini_file.h"

namespace settings {

namespace {

constexpr std::array<const char*, 5> kRootNames = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",
                                                   "HKEY_LOCAL_MACHINE", "HKEY_USERS", "HKEY_CURRENT_CONFIG"};
constexpr char kHex[] = "0123456789abcdef";

std::string sectionOf(RegistryRoot root, std::string_view key) {
    while (!key.empty() && key.front() == '\\')
        key.remove_prefix(1);
    while (!key.empty() && key.back() == '\\')
        key.remove_suffix(1);
    std::string section = kRootNames[static_cast<std::size_t>(root)];
    if (!key.empty()) section.append("\\").append(key);
    return section;
}

// Bytes the ini syntax would trim, split or misread become %xx.
std::string escape(std::string_view s) {
    std::string out;
    for (char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b <= 0x20 || b == 0x7F || c == '%' || c == '=' || c == '[' || c == '"' || c == '\'' || c == '@') {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
        } else {
            out += c;
        }
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> unhex(std::string_view s) {
    if (s.size() % 2) return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < s.size(); i += 2) {
        const int hi = hexDigit(s[i]);
        const int lo = hexDigit(s[i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
    }
    return out;
}

std::string unescape(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto pair = s[i] == '%' ? unhex(s.substr(i + 1, 2)) : std::nullopt;
        out += pair ? (*pair)[0] : s[i];
        if (pair) i += 2;
    }
    return out;
}

// The default value of a key has the empty name.
std::string keyOf(std::string_view name) {
    return name.empty() ? "@" : escape(name);
}

std::string encode(const RegistryValue& v) {
    switch (v.type) {
        case RegistryValue::Type::Integer:
            return "int:" + std::to_string(v.integer);
        case RegistryValue::Type::String:
            return "str:" + escape(v.bytes);
        case RegistryValue::Type::Binary:
            break;
    }
    std::string hex = "bin:";
    for (char c : v.bytes) {
        hex += kHex[static_cast<unsigned char>(c) >> 4];
        hex += kHex[static_cast<unsigned char>(c) & 15];
    }
    return hex;
}

std::optional<RegistryValue> decode(std::string_view s) {
    RegistryValue v;
    const std::string_view payload = s.substr(std::min<std::size_t>(4, s.size()));
    if (s.starts_with("int:")) {
        v.type = RegistryValue::Type::Integer;
        v.integer = lr::parseInteger(payload);
    } else if (s.starts_with("str:")) {
        v.bytes = unescape(payload);
    } else if (auto bytes = s.starts_with("bin:") ? unhex(payload) : std::nullopt) {
        v.type = RegistryValue::Type::Binary;
        v.bytes = std::move(*bytes);
    } else {
        return std::nullopt;
    }
    return v;
}

}  // namespace

std::optional<RegistryValue> IniRegistry::read(RegistryRoot root, std::string_view key,
                                               std::string_view name) {
    const IniText text = iniLoad(files_, path_);
    const auto stored = text.find(sectionOf(root, key), keyOf(name));
    return stored ? decode(*stored) : std::nullopt;
}

bool IniRegistry::write(RegistryRoot root, std::string_view key, std::string_view name,
                        const RegistryValue& value) {
    return iniUpdate(files_, path_, [&](IniText& text) {
        return text.set(sectionOf(root, key), keyOf(name), encode(value));
    });
}

bool IniRegistry::remove(RegistryRoot root, std::string_view key, std::string_view name) {
    return iniUpdate(files_, path_,
                     [&](IniText& text) { return text.erase(sectionOf(root, key), keyOf(name)); });
}

}  // namespace settings
