#pragma once
// The bytes of an ini file, read and edited as the Windows profile functions do: section and key names
// are compared ignoring ASCII case (every other byte exactly, so 0xE0 is not "a"), the first match wins,
// names and values are trimmed of white space, lines before the first section belong to no section.
// An edit changes one line and keeps every other byte as it was.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// Values are read into a buffer of 2048 bytes.
inline constexpr std::size_t kIniValueLimit = 2047;

class IniText {
  public:
    IniText() = default;
    explicit IniText(std::string bytes) : bytes_(std::move(bytes)) {}
    const std::string& bytes() const { return bytes_; }

    // The stored value (trimmed, quotes kept) of the first key `key` of the first section `section`.
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;
    // The profile reading: quotes around the value dropped, at most kIniValueLimit bytes; a missing
    // key gives `def` without its trailing blanks.
    std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
    // The leading (signed) decimal digits of the value; `def` when the key is missing or empty.
    std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t def) const;
    // The names of the sections, in file order.
    std::vector<std::string> sectionNames() const;

    // Rewrites the key's line, or adds a line at the end of the section, or the section at the end of
    // the text. The value is cut at its first line break; names that would not read back as themselves
    // (empty, line breaks, "=" or "[" in a key) are refused (false).
    bool set(std::string_view section, std::string_view key, std::string_view value);
    // Removes the key's line; false when there is none.
    bool erase(std::string_view section, std::string_view key);

  private:
    std::string bytes_;
};

}  // namespace settings
