#include "runtime/globals.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "runtime/strings.h"

namespace lr {

namespace {
struct Table {
    std::mutex mutex;
    std::map<std::string, std::unique_ptr<TData>> slots;
};

Table& table() {
    static Table t;
    return t;
}
}  // namespace

TData& globalVar(std::string_view name) {
    Table& t = table();
    std::lock_guard lock(t.mutex);
    auto& slot = t.slots[lowerAscii(name)];
    if (!slot) slot = std::make_unique<TData>();
    return *slot;
}

void resetGlobalVars() {
    Table& t = table();
    std::lock_guard lock(t.mutex);
    for (auto& [name, slot] : t.slots)
        *slot = makeNull();
}

}  // namespace lr
