#include "app/cli.h"

#include "app/cmd_bands.h"
#include "app/cmd_compile.h"
#include "app/cmd_eval.h"
#include "app/cmd_inputs.h"
#include "app/cmd_ports.h"
#include "app/cmd_render.h"
#include "app/cmd_send.h"

#include <algorithm>
#include <functional>
#include <map>

namespace lumenrig::cli {

namespace {

constexpr const char* kVersion = "0.1.0";

using Command = std::function<int(const std::vector<std::string>& words, std::FILE* out, std::FILE* err)>;

struct Subcommand {
    const char* summary;
    Command run;
};

const std::map<std::string, Subcommand>& subcommands() {
    static const std::map<std::string, Subcommand> table = {
        {"bands", {"bin ranges of a band list: bands [--] LIST", runBands}},
        {"compile", {"formula compiler listing and result: compile [--real] FORMULA [ARG ...]", runCompile}},
        {"eval", {"formula interpreter result: eval [--int] [--degrees] FORMULA [ARG ...]", runEval}},
        {"inputs", {"recording inputs of the audio driver: inputs [--driver NAME]", runInputs}},
        {"ports", {"the serial ports found by the scan: ports", runPorts}},
        {"render",
         {"the colour organ offline: render --scheme FILE.lsc --wav FILE.wav [--seed N] [--bars V,...]",
          runRender}},
        {"send",
         {"commands to the controller: send --port NAME TEXT... | send --port NAME --read-state", runSend}},
    };
    return table;
}

void printHelp(std::FILE* out) {
    std::fputs(
        "Usage: lumenrig-cli SUBCOMMAND [OPTIONS] [--] ARGS...\n"
        "       lumenrig-cli --help | --version\n\n"
        "Options come before the arguments; \"--\" ends them, so an argument may begin with \"-\".\n"
        "Exit status: 0 success, 1 failure, 2 usage error.\n",
        out);
    if (!subcommands().empty()) std::fputs("\nSubcommands:\n", out);
    for (const auto& [name, sub] : subcommands())
        std::fprintf(out, "  %-10s %s\n", name.c_str(), sub.summary);
}

}  // namespace

Args splitArgs(const std::vector<std::string>& words, const std::vector<std::string>& valued) {
    Args args;
    std::size_t i = 0;
    for (; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w == "--") {
            ++i;
            break;
        }
        if (w.size() < 2 || w[0] != '-') break;
        args.options.push_back(w);
        if (std::find(valued.begin(), valued.end(), w) != valued.end() && i + 1 < words.size()) {
            args.options.back() += "=" + words[++i];
        }
    }
    args.arguments.assign(words.begin() + static_cast<std::ptrdiff_t>(std::min(i, words.size())),
                          words.end());
    return args;
}

int run(int argc, char** argv, std::FILE* out, std::FILE* err) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        printHelp(err);
        return 2;
    }
    const std::string& first = words[0];
    if (first == "--help" || first == "-h" || first == "help") {
        printHelp(out);
        return 0;
    }
    if (first == "--version") {
        std::fprintf(out, "lumenrig-cli %s\n", kVersion);
        return 0;
    }
    const auto it = subcommands().find(first);
    if (it == subcommands().end()) {
        std::fprintf(err, "lumenrig-cli: unknown subcommand \"%s\" (try --help)\n", first.c_str());
        return 2;
    }
    return it->second.run(std::vector<std::string>(words.begin() + 1, words.end()), out, err);
}

}  // namespace lumenrig::cli
