// Costs of the automation: the table check of 1,000 rows at a minute tick, and loading and saving an
// "actions.ini" of 10,000 rows through the table element.
#include <benchmark/benchmark.h>

#include <memory>

#include "automation/string_table.h"
#include "automation/table_check.h"
#include "runtime/point.h"
#include "settings/memory_system.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/recorded_message_boxes.h"
#include "ui/headless/virtual_loop.h"

namespace {

constexpr const char* kFile = "C:\\Prog\\actions.ini";

// Half interval rows, half clock rows; a few of each are due at 12:30.
std::vector<lr::TableRow> mixedRows(int count) {
    std::vector<lr::TableRow> rows;
    for (int i = 0; i < count; ++i) {
        const std::string time =
            i % 2 ? std::to_string(i % 59 + 1) : std::to_string(i % 24) + ":" + std::to_string(10 + i % 50);
        rows.push_back({time, " P1 A5 B" + std::to_string(i % 9), "row " + std::to_string(i)});
    }
    return rows;
}

class World {
  public:
    World() { lr::installDispatch(); }
    ~World() { lr::uninstallDispatch(); }
    ui::headless::VirtualLoop loop;
    ui::headless::RecordedMessageBoxes boxes;
    ui::headless::HeadlessPlatform platform{loop, boxes};
    ui::ScopedPlatform scope{platform};
    settings::MemorySystem sys;
    settings::ScopedSystem sysScope{sys};
};

class Holder : public lr::TClassMultiBase {
  public:
    Holder() : lr::TClassMultiBase(nullptr, nullptr), check(own<lr::ActionCheck>(this)) {}
    lr::ActionCheck& check;
};

void BM_TableCheck1000Rows(benchmark::State& state) {
    World world;
    Holder holder;
    holder.check.doStart(12, 0);
    const std::vector<lr::TableRow> rows = mixedRows(1000);
    for (auto _ : state)
        holder.check.check("12:30", 12, 30, rows);
}
BENCHMARK(BM_TableCheck1000Rows)->Unit(benchmark::kMicrosecond);

std::string tableFile(int rows) {
    std::string text = "Time=50>List of Actions=340>Description=100\r\n";
    for (const lr::TableRow& row : mixedRows(rows))
        text += lr::joinRow(row, '>') + "\r\n";
    return text;
}

std::unique_ptr<lr::THIStringTable> table(World& world) {
    world.sys.putFile(kFile, tableFile(10000));
    auto t = std::make_unique<lr::THIStringTable>(nullptr);
    t->Columns = "Time=50\r\nList of Actions=340\r\nDescription=100";
    t->init();
    return t;
}

void BM_Load10000Rows(benchmark::State& state) {
    World world;
    const auto t = table(world);
    for (auto _ : state)
        lr::fireString(lr::bind<&lr::THIStringTable::doLoad>(*t), kFile);
}
BENCHMARK(BM_Load10000Rows)->Unit(benchmark::kMillisecond);

void BM_Save10000Rows(benchmark::State& state) {
    World world;
    const auto t = table(world);
    lr::fireString(lr::bind<&lr::THIStringTable::doLoad>(*t), kFile);
    for (auto _ : state)
        lr::fireString(lr::bind<&lr::THIStringTable::doSave>(*t), kFile);
}
BENCHMARK(BM_Save10000Rows)->Unit(benchmark::kMillisecond);

}  // namespace
