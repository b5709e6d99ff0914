#include "app/cmd_render.h"

#include <array>
#include <charconv>
#include <utility>

#include "app/cli.h"
#include "organ/render.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/recorded_message_boxes.h"
#include "ui/headless/virtual_loop.h"

namespace lumenrig::cli {

namespace {

constexpr const char* kUsage =
    "usage: lumenrig-cli render --scheme FILE.lsc --wav FILE.wav [--seed N] [--bars V,V,...]\n"
    "  --bars: 14 values 0..8 for bar_1 .. bar_12, bar_beat, bar_act\n";
constexpr std::int32_t kTopBar = 8;

template <class T>
bool parseNumber(std::string_view text, T& value) {
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    return failure == std::errc() && stop == end;
}

bool parseBars(std::string_view text, std::array<std::int32_t, 14>& bars) {
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const std::size_t comma = text.find(',');
        const bool last = i + 1 == bars.size();
        if (last != (comma == std::string_view::npos)) return false;
        if (!parseNumber(text.substr(0, comma), bars[i]) || bars[i] < 0 || bars[i] > kTopBar) return false;
        text.remove_prefix(last ? text.size() : comma + 1);
    }
    return true;
}

// False when an option is unknown, repeated or malformed, or a required one is missing.
bool parseOptions(const Args& args, lr::organ::RenderOptions& options) {
    bool scheme = false, wav = false, seed = false, bars = false;
    for (const std::string& option : args.options) {
        const std::size_t eq = option.find('=');
        if (eq == std::string::npos) return false;
        const std::string_view name = std::string_view(option).substr(0, eq);
        const std::string value = option.substr(eq + 1);
        if (name == "--scheme" && !std::exchange(scheme, true)) {
            options.scheme = value;
        } else if (name == "--wav" && !std::exchange(wav, true)) {
            options.track = value;
        } else if (name == "--seed" && !std::exchange(seed, true)) {
            if (!parseNumber(value, options.seed)) return false;
        } else if (name == "--bars" && !std::exchange(bars, true)) {
            options.bars.emplace();
            if (!parseBars(value, *options.bars)) return false;
        } else {
            return false;
        }
    }
    return scheme && wav && args.arguments.empty();
}

}  // namespace

int runRender(const std::vector<std::string>& words, std::FILE* out, std::FILE* err) {
    const Args args = splitArgs(words, {"--scheme", "--wav", "--seed", "--bars"});
    lr::organ::RenderOptions options;
    if (!parseOptions(args, options)) {
        std::fputs(kUsage, err);
        return 2;
    }
    lr::organ::RenderSink sink;
    sink.command = [out](std::uint64_t ms, std::string_view command) {
        std::fprintf(out, "%llu %.*s\n", static_cast<unsigned long long>(ms),
                     static_cast<int>(command.size()), command.data());
    };
    sink.formulaError = [err](std::string_view formula, int index, int line, int column) {
        std::fprintf(err, "formula %.*s: error %d %d:%d\n", static_cast<int>(formula.size()), formula.data(),
                     index, line, column);
    };
    ui::headless::VirtualLoop loop;
    ui::headless::RecordedMessageBoxes boxes;
    ui::headless::HeadlessPlatform platform(loop, boxes);
    const lr::organ::RenderWorld world{platform, [&loop](std::uint32_t ms) { loop.advance(ms); }};
    std::string error;
    if (!lr::organ::render(options, sink, world, error)) {
        std::fprintf(err, "lumenrig-cli: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace lumenrig::cli
