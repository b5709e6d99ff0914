#pragma once
// lumenrig-cli bands [--] LIST: the bin ranges the spectrum element makes of a band list.
#include <cstdio>
#include <string>
#include <vector>

namespace lumenrig::cli {

// One line "I FIRST LAST" per range; nothing when the list gives no range.
int runBands(const std::vector<std::string>& words, std::FILE* out, std::FILE* err);

}  // namespace lumenrig::cli
