#pragma once
// lumenrig-cli inputs [--driver NAME]: the recording inputs of the platform's audio driver (or the named
// one).
#include <cstdio>
#include <string>
#include <vector>

namespace lumenrig::cli {

// One line per input: index, name, volume 0-100 and "on" or "off", separated by tabs.
int runInputs(const std::vector<std::string>& words, std::FILE* out, std::FILE* err);

}  // namespace lumenrig::cli
