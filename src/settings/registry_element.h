#pragma once
// THIRegistry: reads, writes and deletes one registry value.
#include <optional>
#include <string>

#include "runtime/element.h"
#include "runtime/memory_stream.h"
#include "runtime/point.h"
#include "settings/system.h"

namespace lr {

class THIRegistry : public Element {
  public:
    enum class DataType { Integer = 0, String = 1, Real = 2, Binary = 3 };

    int Root = 1;  // 0 HKEY_CLASSES_ROOT .. 4 HKEY_CURRENT_CONFIG
    std::string Key_;
    std::string Name_;  // the value name
    DataType Type = DataType::Integer;
    bool OnlySuccessfulReads = false;
    std::string Default;  // what a write stores when no value arrives

    Point Key;
    Point Name;
    Point Value;
    Point onRead;

    void doRead(TData& data);
    void doWrite(TData& data);
    void doDelete(TData& data);

  private:
    struct Target {
        settings::RegistryRoot root;
        std::string key;
        std::string name;
    };
    std::optional<Target> target(TData& data);
    bool toData(const settings::RegistryValue& stored, TData& out);
    settings::RegistryValue fromData(const TData& value) const;

    MemoryStream stream_;  // lent along onRead for binary reads
};

}  // namespace lr
