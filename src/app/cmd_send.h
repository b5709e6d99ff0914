#pragma once
// lumenrig-cli send --port NAME TEXT...: opens the port at 9600 8N1, writes each TEXT as one write and
// closes it. With --read-state it sends "Z2" instead, waits 100 ms and prints the decoded device state.
// NAME is "COMn" or, where the system names its ports by path, that path.
#include <cstdio>
#include <string>
#include <vector>

namespace lumenrig::cli {

int runSend(const std::vector<std::string>& words, std::FILE* out, std::FILE* err);

}  // namespace lumenrig::cli
