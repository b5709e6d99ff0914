// "actions.ini" on arbitrary bytes: reading never fails, and what the table writes reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "automation/table_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const lr::TableText table = lr::parseTable(bytes, '>');
    if (table.columns.size() > lr::kMaxColumns) std::abort();
    for (const auto& column : table.columns)
        if (column.width < 0 || column.width > lr::kMaxWidth) std::abort();
    const std::string written = lr::formatTable(table, '>');
    const lr::TableText again = lr::parseTable(written, '>');
    if (again.rows.size() != table.rows.size() || lr::formatTable(again, '>') != written) std::abort();
    return 0;
}
