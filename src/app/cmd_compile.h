#pragma once
// lumenrig-cli compile [--real] FORMULA [ARG ...]: the formula compiler's listing and one calculation,
// each ARG a number on a connected input X1, X2, ...
// Prints every listing line, then "result V"; on an error only "error 34", "error 10" or "error fpu"
// (exit 1).
#include <cstdio>
#include <string>
#include <vector>

namespace lumenrig::cli {

int compileCommand(const std::vector<std::string>& words, std::string& out, std::string& err);
int runCompile(const std::vector<std::string>& words, std::FILE* out, std::FILE* err);

}  // namespace lumenrig::cli
