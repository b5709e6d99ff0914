#include <gtest/gtest.h>

#include <cstdio>

#include "app/cli.h"

using lumenrig::cli::Args;
using lumenrig::cli::splitArgs;

TEST(CliArgs, OptionsComeFirstAndDoubleDashEndsThem) {
    const Args a = splitArgs({"--int", "--", "-2^2", "5"}, {});
    EXPECT_EQ(a.options, (std::vector<std::string>{"--int"}));
    EXPECT_EQ(a.arguments, (std::vector<std::string>{"-2^2", "5"}));

    const Args b = splitArgs({"--seed", "4", "x", "--int"}, {"--seed"});
    EXPECT_EQ(b.options, (std::vector<std::string>{"--seed=4"}));
    EXPECT_EQ(b.arguments, (std::vector<std::string>{"x", "--int"}));

    const Args c = splitArgs({"-", "a"}, {});
    EXPECT_TRUE(c.options.empty());
    EXPECT_EQ(c.arguments.size(), 2u);
}

namespace {
int runCli(std::vector<std::string> words) {
    std::vector<char*> argv;
    std::string program = "lumenrig-cli";
    argv.push_back(program.data());
    for (auto& w : words)
        argv.push_back(w.data());
    std::FILE* sink = std::tmpfile();
    const int code = lumenrig::cli::run(static_cast<int>(argv.size()), argv.data(), sink, sink);
    std::fclose(sink);
    return code;
}
}  // namespace

TEST(CliArgs, ExitCodes) {
    EXPECT_EQ(runCli({"--help"}), 0);
    EXPECT_EQ(runCli({"--version"}), 0);
    EXPECT_EQ(runCli({}), 2);
    EXPECT_EQ(runCli({"no-such-command"}), 2);
}
