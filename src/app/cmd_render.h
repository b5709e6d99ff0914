#pragma once
// lumenrig-cli render --scheme FILE.lsc --wav FILE.wav [--seed N] [--bars V,V,...]: the colour organ run
// offline on a track. Prints "MS COMMAND" for every channel command, and "formula CH: error I L:C" on
// stderr once for each formula that fails.
#include <cstdio>
#include <string>
#include <vector>

namespace lumenrig::cli {

int runRender(const std::vector<std::string>& words, std::FILE* out, std::FILE* err);

}  // namespace lumenrig::cli
