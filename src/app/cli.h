#pragma once
// The command line of lumenrig-cli: subcommands, options before arguments, "--" ends the options.
// Exit codes: 0 success, 1 failure (one line on stderr), 2 usage error.
#include <cstdio>
#include <string>
#include <vector>

namespace lumenrig::cli {

struct Args {
    std::vector<std::string> options;    // "--name" or "--name=value" as given
    std::vector<std::string> arguments;  // everything else, and everything after "--"
};

// Splits the words after the subcommand; `valued` names the options that take the next word as value.
Args splitArgs(const std::vector<std::string>& words, const std::vector<std::string>& valued);

int run(int argc, char** argv, std::FILE* out, std::FILE* err);

}  // namespace lumenrig::cli
