#include <gtest/gtest.h>

#include <cstdio>

#include "app/cli.h"

namespace {

struct Result {
    int code;
    std::string out, err;
};

std::string slurp(std::FILE* f) {
    std::rewind(f);
    std::string text;
    for (int c; (c = std::fgetc(f)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(f);
    return text;
}

Result cli(std::vector<std::string> words) {
    words.insert(words.begin(), "lumenrig-cli");
    std::vector<char*> argv;
    for (auto& w : words)
        argv.push_back(w.data());
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int code = lumenrig::cli::run(static_cast<int>(argv.size()), argv.data(), out, err);
    return {code, slurp(out), slurp(err)};
}

}  // namespace

TEST(BandsCommand, PrintsEachRangeAsItsBounds) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"bands", "1;5;"}, "0 1 4\n"},
        {{"bands", "1;5"}, ""},
        {{"bands", "--", "10;5;20;"}, "0 10 4\n1 5 19\n"},
        {{"bands", "--", "-3;0;2000;"}, "0 1 0\n1 1 742\n"},
        {{"bands", ";;3;"}, "0 1 2\n"},
        {{"bands", ""}, "0 1 2\n1 3 4\n2 5 9\n3 10 19\n4 20 29\n5 30 49\n6 50 99\n7 100 149\n8 150 199\n"},
    };
    for (const auto& [words, expected] : cases) {
        const Result r = cli(words);
        EXPECT_EQ(r.code, 0) << words.back();
        EXPECT_EQ(r.out, expected) << words.back();
    }
}

TEST(BandsCommand, NeedsExactlyOneList) {
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"bands"}, {"bands", "1;2;", "3;"}, {"bands", "-3;4;"}}) {
        const Result r = cli(words);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find("usage: lumenrig-cli bands"), std::string::npos);
    }
}

TEST(InputsCommand, ListsIndexNameVolumeAndSwitch) {
    const Result r = cli({"inputs", "--driver", "synth:silence"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "0\tSynth silence\t100\ton\n");
}

TEST(InputsCommand, ReportsABadDriverOrUsage) {
    const Result bad = cli({"inputs", "--driver", "wav:/nonexistent/x.wav"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.err, "lumenrig-cli: cannot open \"/nonexistent/x.wav\"\n");
    EXPECT_EQ(cli({"inputs", "extra"}).code, 2);
    EXPECT_EQ(cli({"inputs", "--verbose"}).code, 2);
}
