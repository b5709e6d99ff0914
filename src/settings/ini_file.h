#pragma once
// Ini files on disk, through settings::system(): each access reads the file afresh; a write edits the
// bytes in memory and replaces the file as a whole, so a crash or a full disk never leaves half a file.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_text.h"

namespace settings {

// Larger files are not settings files: they read as empty and are never rewritten.
inline constexpr std::size_t kIniFileLimit = 16u << 20;

class System;

// The file's text; empty when it is missing or cannot be read.
IniText iniLoad(System& files, std::string_view file);
IniText iniLoad(std::string_view file);
// Reads the file, applies `edit` and writes the result when it changed. False (and the file as it
// was) when the file cannot be read, the edit refuses or the write fails.
using IniEdit = std::function<bool(IniText&)>;
bool iniUpdate(System& files, std::string_view file, const IniEdit& edit);
bool iniUpdate(std::string_view file, const IniEdit& edit);

std::string iniReadString(std::string_view file, std::string_view section, std::string_view key,
                          std::string_view def);
std::int32_t iniReadInteger(std::string_view file, std::string_view section, std::string_view key,
                            std::int32_t def);
std::vector<std::string> iniSectionNames(std::string_view file);
bool iniWriteString(std::string_view file, std::string_view section, std::string_view key,
                    std::string_view value);

}  // namespace settings
