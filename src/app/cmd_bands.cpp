#include "app/cmd_bands.h"

#include "app/cli.h"
#include "audio/bands.h"

namespace lumenrig::cli {

int runBands(const std::vector<std::string>& words, std::FILE* out, std::FILE* err) {
    const Args args = splitArgs(words, {});
    if (!args.options.empty() || args.arguments.size() != 1) {
        std::fputs("usage: lumenrig-cli bands [--] LIST   (e.g. \"1;3;5;10;\")\n", err);
        return 2;
    }
    const lr::audio::Bounds bounds = lr::audio::parseBounds(args.arguments[0]);
    for (std::int32_t i = 0; i < bounds.rangeCount(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        std::fprintf(out, "%d %d %d\n", i, bounds.table[at], bounds.table[at + 1] - 1);
    }
    return 0;
}

}  // namespace lumenrig::cli
