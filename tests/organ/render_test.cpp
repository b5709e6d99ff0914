// lumenrig-cli render: the engine run offline on a track, tick n at n x 50 ms of the track.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

#include "app/cmd_render.h"
#include "runtime/globals.h"
#include "synth_track.h"
#include "temp_folder.h"

namespace {

using Lines = std::vector<std::string>;

struct Result {
    int status = -1;
    Lines out;
    Lines err;
};

Lines readLines(std::FILE* file) {
    std::rewind(file);
    Lines lines;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, file)) {
        std::string line(buffer);
        if (!line.empty() && line.back() == '\n') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

Lines starting(const Lines& lines, const std::string& prefix) {
    Lines out;
    for (const std::string& line : lines)
        if (line.find(prefix) != std::string::npos) out.push_back(line);
    return out;
}

}  // namespace

class Render : public testing::Test {
  protected:
    ~Render() override { lr::resetGlobalVars(); }  // a render leaves its shared values behind

    std::string scheme(const std::string& text) {
        std::string crlf;
        for (char c : text) {
            if (c == '\n') crlf += '\r';
            crlf += c;
        }
        const std::string path = (folder / "scheme.lsc").string();
        std::ofstream(path, std::ios::binary) << crlf;
        return path;
    }

    Result render(std::vector<std::string> words) {
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        Result r;
        r.status = lumenrig::cli::runRender(words, out, err);
        r.out = readLines(out);
        r.err = readLines(err);
        std::fclose(out);
        std::fclose(err);
        return r;
    }
    Result render(const std::string& schemeText, std::vector<std::string> more = {}) {
        std::vector<std::string> words = {"--scheme", scheme(schemeText), "--wav", track};
        words.insert(words.end(), more.begin(), more.end());
        return render(words);
    }

    TempFolder temp{"lumenrig-render"};
    const std::filesystem::path& folder = temp.path();
    std::string track = temp.file("track.wav");
};

TEST_F(Render, OneLinePerCommandAtTheTimeOfItsTick) {
    ASSERT_TRUE(writeSynthTrack("silence", 1.0, track));
    const Result r = render("[calculation]\nA={count} mod 9\n");
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.empty());
    const Lines a = starting(r.out, " A");
    ASSERT_EQ(a.size(), 20u) << "a one-second track has twenty ticks";
    EXPECT_EQ(a.front(), "50 A0");
    EXPECT_EQ(a[9], "500 A0");
    EXPECT_EQ(a.back(), "1000 A1");
    EXPECT_EQ(starting(r.out, " B"), Lines{"50 B0"});
    const std::regex line("[1-9][0-9]*0 [A-L][0-8]");
    for (const std::string& l : r.out)
        EXPECT_TRUE(std::regex_match(l, line)) << l;
}

TEST_F(Render, EachTickAnalysesTheLatestSamplesUpToItsTime) {
    // A second of silence, then a loud tone on bin 5: tick 20 still hears only silence, tick 21 only tone.
    std::vector<std::int16_t> samples(44100, 0);
    const auto tone = synthSamples("sine:107.666015625:0.5", 1.0);
    samples.insert(samples.end(), tone.begin(), tone.end());
    ASSERT_TRUE(writeTrack(samples, track));
    const Result r = render("[init]\nstrfreq=1;5;6;7;\n[calculation]\nA={band_2}*16\n");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(starting(r.out, " A"), (Lines{"50 A0", "1050 A8"}));
}

TEST_F(Render, BarsFromTheCommandLineReplaceTheSchemes) {
    ASSERT_TRUE(writeSynthTrack("silence", 0.2, track));
    const std::string text =
        "[init]\nbar_1=2\nbar_act=1\n[calculation]\nA={bar_1}\nB={bar_act}\nC={bar_beat}\n";
    EXPECT_EQ(render(text).out, (Lines{"50 A2", "50 B1", "50 C0", "50 D0", "50 E0", "50 F0", "50 G0", "50 H0",
                                       "50 I0", "50 J0", "50 K0", "50 L0"}));
    const Result r = render(text, {"--bars", "7,0,0,0,0,0,0,0,0,0,0,0,5,8"});
    EXPECT_EQ(Lines(r.out.begin(), r.out.begin() + 3), (Lines{"50 A7", "50 B8", "50 C5"}));
}

TEST_F(Render, TheSeedFixesTheRandomNumbers) {
    ASSERT_TRUE(writeSynthTrack("silence", 2.0, track));
    const std::string text = "[calculation]\nA={rnd} mod 9\nB={rnd_cnl} mod 9\n";
    const Result first = render(text, {"--seed", "7"});
    EXPECT_EQ(render(text, {"--seed", "7"}).out, first.out);
    EXPECT_NE(render(text, {"--seed", "8"}).out, first.out);
    EXPECT_NE(render(text).out, first.out);
    EXPECT_GT(starting(first.out, " A").size(), 20u);
}

TEST_F(Render, AFormulaErrorIsPrintedOnceAndTheOthersRunOn) {
    ASSERT_TRUE(writeSynthTrack("silence", 1.0, track));
    const Result r = render("[calculation]\nA={count} mod 9\nB={nothing}\nxC=1/({count}-3)\n");
    ASSERT_EQ(r.status, 0);
    // Places are those of the translated formula, 1/(%14-3).
    EXPECT_EQ(r.err, (Lines{"formula B: error 0 1:1", "formula xC: error 1 1:10"}));
    EXPECT_EQ(starting(r.out, " A").size(), 20u);
    EXPECT_TRUE(starting(r.out, " B").empty());
}

TEST_F(Render, BadWordsAreUsageErrorsAndMissingFilesFailures) {
    ASSERT_TRUE(writeSynthTrack("silence", 0.1, track));
    const std::string good = scheme("[calculation]\nA=1\n");
    const std::vector<std::vector<std::string>> usage = {
        {"--scheme", good},
        {"--wav", track},
        {"--scheme", good, "--wav", track, "extra"},
        {"--scheme", good, "--wav", track, "--seed", "-1"},
        {"--scheme", good, "--wav", track, "--seed", "12x"},
        {"--scheme", good, "--wav", track, "--bars", "1,2,3"},
        {"--scheme", good, "--wav", track, "--bars", "0,0,0,0,0,0,0,0,0,0,0,0,0,9"},
        {"--scheme", good, "--wav", track, "--bars", "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"},
        {"--scheme", good, "--wav", track, "--scheme", good},
        {"--scheme", good, "--wav", track, "--loud"},
    };
    for (const auto& words : usage)
        EXPECT_EQ(render(words).status, 2) << testing::PrintToString(words);
    const Result noScheme = render({"--scheme", (folder / "none.lsc").string(), "--wav", track});
    EXPECT_EQ(noScheme.status, 1);
    ASSERT_EQ(noScheme.err.size(), 1u);
    EXPECT_NE(noScheme.err[0].find("none.lsc"), std::string::npos);
    std::ofstream(folder / "bad.wav") << "not a wav";
    EXPECT_EQ(render({"--scheme", good, "--wav", (folder / "bad.wav").string()}).status, 1);
    EXPECT_EQ(render({"--scheme", good, "--wav", (folder / "none.wav").string()}).status, 1);
}
