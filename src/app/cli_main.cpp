// lumenrig-cli: tools for users and tests. lumenrig-cli SUBCOMMAND [OPTIONS] [--] ARGS...
#include <cstdio>
#include <string_view>

#include "app/cli.h"

int main(int argc, char** argv) {
    return lumenrig::cli::run(argc, argv, stdout, stderr);
}
