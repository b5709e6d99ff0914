#pragma once
// lumenrig-cli ports: the port scan of the port panel, one item per line ("COM 3").
#include <cstdio>
#include <string>
#include <vector>

namespace lumenrig::cli {

int runPorts(const std::vector<std::string>& words, std::FILE* out, std::FILE* err);

}  // namespace lumenrig::cli
