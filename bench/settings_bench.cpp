// Costs of the settings files: a scheme-sized ini read key by key (each access reads the file afresh,
// as a scheme load does), one key rewritten, code page conversion for the screen.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "settings/cp1251.h"
#include "settings/ini_file.h"
#include "settings/system.h"

namespace {

void addLine(std::string& text, const std::string& key, const std::string& value) {
    text.append(key).append("=").append(value).append("\r\n");
}

// A scheme file: 14 bars with names, 24 variables, 24 formulas, CRLF lines.
std::string schemeText() {
    std::string text =
        "[description]\r\ntext=A demo / scheme\r\n[init]\r\nstrfreq=20,60,120,250,500,1000\r\n";
    for (int i = 1; i <= 14; ++i) {
        const std::string bar = "bar_" + std::to_string(i);
        addLine(text, bar, "4");
        addLine(text, std::string(bar).append("_name"), "Bar");
    }
    for (char c = 'A'; c <= 'L'; ++c) {
        addLine(text, std::string(1, c), "0");
        addLine(text, std::string("x").append(1, c), "0");
    }
    text += "[calculation]\r\n";
    for (char c = 'A'; c <= 'L'; ++c) {
        addLine(text, std::string(1, c), "({band1}+{band2})/2*{bar_1}");
        addLine(text, std::string("x").append(1, c), "{xA}*0.9");
    }
    return text;
}

void BM_IniFindLastKey(benchmark::State& state) {
    const settings::IniText ini(schemeText());
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.readString("calculation", "xL", ""));
}
BENCHMARK(BM_IniFindLastKey);

void BM_IniSetKey(benchmark::State& state) {
    const std::string text = schemeText();
    for (auto _ : state) {
        settings::IniText ini(text);
        benchmark::DoNotOptimize(ini.set("init", "bar_7", "5"));
    }
}
BENCHMARK(BM_IniSetKey);

// 24 formulas and 24 starting values, each read through the file system as a scheme load does.
void BM_SchemeLoadFromDisk(benchmark::State& state) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "lumenrig-bench.lsc";
    const std::string path = settings::utf8ToCp1251(file.string());
    settings::system().replaceFile(path, schemeText());
    for (auto _ : state) {
        for (char c = 'A'; c <= 'L'; ++c) {
            for (const std::string& key : {std::string(1, c), std::string("x").append(1, c)}) {
                benchmark::DoNotOptimize(settings::iniReadString(path, "calculation", key, ""));
                benchmark::DoNotOptimize(settings::iniReadString(path, "init", key, ""));
            }
        }
    }
    std::filesystem::remove(file);
    state.SetItemsProcessed(state.iterations() * 48);
}
BENCHMARK(BM_SchemeLoadFromDisk);

void BM_Cp1251ToUtf16(benchmark::State& state) {
    const std::string text(256, '\xE0');
    for (auto _ : state)
        benchmark::DoNotOptimize(settings::cp1251ToUtf16(text));
    state.SetBytesProcessed(state.iterations() * 256);
}
BENCHMARK(BM_Cp1251ToUtf16);

void BM_Utf16ToCp1251(benchmark::State& state) {
    const std::u16string text(256, u'\u2116');  // the numero sign: found last in the table
    for (auto _ : state)
        benchmark::DoNotOptimize(settings::utf16ToCp1251(text));
    state.SetBytesProcessed(state.iterations() * 256);
}
BENCHMARK(BM_Utf16ToCp1251);

}  // namespace
