#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/cmd_compile.h"
#include "app/cmd_eval.h"

using namespace lumenrig::cli;

namespace {
struct Case {
    std::vector<std::string> words;
    int status;
    std::string out;
};
}  // namespace

TEST(ExprCli, EvalFollowsTheCommandLineContract) {
    const std::vector<Case> cases = {
        {{"1+2"}, 0, "3\n"},
        {{"%1/%2", "7", "2"}, 0, "3.5\n"},
        {{"--int", "%1/%2", "7", "2"}, 0, "4\n"},
        {{"--int", "2.5"}, 0, "2\n"},
        {{"--", "-2^2"}, 0, "-4\n"},
        {{"--degrees", "sin(90)"}, 0, "1\n"},
        {{"--int", "--degrees", "--", "-sin(%1)", "-90"}, 0, "1\n"},
        {{"%1"}, 0, "0\n"},
        {{"1/3"}, 0, "0.333333333333333\n"},
        {{"2*-3"}, 1, "error 0 1:3\n"},
        {{"1/0"}, 1, "error 1 1:4\n"},
        {{"1 +\r\n %2", "5"}, 1, "error 0 2:2\n"},
        {{}, 2, ""},
        {{"--bogus", "1"}, 2, ""},
        {{"-2^2"}, 2, ""},
    };
    for (const auto& c : cases) {
        std::string out, err;
        EXPECT_EQ(evalCommand(c.words, out, err), c.status) << c.words.size();
        EXPECT_EQ(out, c.out);
        EXPECT_EQ(err.empty(), c.status == 0);
    }
}

TEST(ExprCli, CompilePrintsTheListingThenTheResult) {
    std::string out, err;
    EXPECT_EQ(compileCommand({"%2 / (%1/8)", "64", "100"}, out, err), 0);
    EXPECT_EQ(out,
              "53      \tpush    ebx\n"
              "56      \tpush    esi\n"
              "8BD8    \tmov     ebx,eax \tself\n"
              "8BF2    \tmov     esi,edx \tdata array\n"
              "--------\t-----------------\tBEGIN equation\n"
              "DD06    \tfld     [esi+8*0]\tX2\n"
              "DC7608  \tfdiv    [esi+8*1]\tX1\n"
              "DC4E10  \tfmul    [esi+8*2]\t8\n"
              "--------\t-----------------\tEND equation\n"
              "9B      \tfwait\n"
              "5E      \tpop     esi\n"
              "5B      \tpop     ebx\n"
              "C3      \tret\n"
              "result 12\n");
    const std::vector<Case> cases = {
        {{"--real", "%2 / (%1/8)", "64", "100"}, 0, "result 12.5"},
        {{"--", "-%1", "3"}, 0, "result -3"},
        {{"%2 / (%1/8)", "0", "100"}, 1, "error fpu\n"},
        {{"%1/0", "1"}, 1, "error fpu\n"},
        {{"2^3"}, 1, "error 34\n"},
        {{"%1"}, 1, "error 34\n"},
        {{"--int", "1"}, 2, ""},
        {{}, 2, ""},
    };
    for (const auto& c : cases) {
        out.clear();
        err.clear();
        EXPECT_EQ(compileCommand(c.words, out, err), c.status);
        if (c.status == 0) {
            EXPECT_EQ(out.substr(out.size() - c.out.size() - 1), c.out + "\n");
        } else {
            EXPECT_EQ(out, c.out);
        }
    }
}
