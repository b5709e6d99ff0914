#pragma once
// A registry kept in an ini file: one section per key ("HKEY_CURRENT_USER\Software\..."), one line per
// value, typed ("int:5", "str:text", "bin:0a1b"), names and texts escaped so any bytes survive.
#include <string>

#include "settings/system.h"

namespace settings {

class IniRegistry : public Registry {
  public:
    // `files` holds the store file `path`.
    IniRegistry(System& files, std::string path) : files_(files), path_(std::move(path)) {}

    std::optional<RegistryValue> read(RegistryRoot root, std::string_view key,
                                      std::string_view name) override;
    bool write(RegistryRoot root, std::string_view key, std::string_view name,
               const RegistryValue& value) override;
    bool remove(RegistryRoot root, std::string_view key, std::string_view name) override;

  private:
    System& files_;
    std::string path_;
};

}  // namespace settings
