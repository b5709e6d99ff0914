// The ini reader and editor on arbitrary bytes: the input is "section\0key\0value\0file".
// Reading never fails; a write that is accepted reads back, keeps every section and changes nothing
// outside the line it edits.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/ini_text.h"
#include "settings/memory_system.h"

namespace {

std::string_view takeField(std::string_view& in) {
    const std::size_t end = in.find('\0');
    const std::string_view field = in.substr(0, end);
    in.remove_prefix(end == std::string_view::npos ? in.size() : end + 1);
    return field;
}

bool blank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

void check(bool ok) {
    if (!ok) std::abort();
}

// The old text and the new one differ inside one line of the old text at most.
void checkOneLineChanged(const std::string& before, const std::string& after) {
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    check(before.substr(head, before.size() - head - tail).find('\n') == std::string::npos);
}

void checkWrite(const std::string& file, std::string_view section, std::string_view key,
                std::string_view value) {
    settings::IniText ini(file);
    const auto before = ini.sectionNames();
    if (!ini.set(section, key, value)) return;
    const settings::IniText reread(ini.bytes());
    const auto stored = reread.find(section, key);
    check(stored && *stored == trimmed(value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)))));
    checkOneLineChanged(file, ini.bytes());
    const auto after = reread.sectionNames();
    check(after.size() >= before.size() && after.size() <= before.size() + 1);
    for (std::size_t i = 0; i < before.size(); ++i)
        check(after[i] == before[i]);
    check(ini.erase(section, key));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view in(reinterpret_cast<const char*>(data), size);
    const std::string_view section = takeField(in);
    const std::string_view key = takeField(in);
    const std::string_view value = takeField(in);
    const std::string file(in);

    const settings::IniText ini(file);
    (void)ini.sectionNames();
    check(ini.readString(section, key, "").size() <= settings::kIniValueLimit);
    (void)ini.readInteger(section, key, 0);
    checkWrite(file, section, key, value);

    settings::MemorySystem sys;
    sys.putFile(":registry:", file);
    (void)sys.registry().read(settings::RegistryRoot::CurrentUser, section, key);
    return 0;
}
