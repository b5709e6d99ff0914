// The shipped schemes, each rendered against a minute of the synth demo track: they must load cleanly
// and make a show that uses the whole range of levels on every channel.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include "organ/engine.h"
#include "organ/key_list.h"
#include "organ/render.h"
#include "runtime/globals.h"
#include "settings/ini_file.h"
#include "synth_track.h"
#include "temp_folder.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/recorded_message_boxes.h"
#include "ui/headless/virtual_loop.h"

namespace {

constexpr int kTicks = 1200;  // the demo's minute

std::vector<std::string> shippedSchemes() {
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(LUMENRIG_SCHEMES_DIR))
        if (entry.path().extension() == ".lsc") paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

// The level of each channel at every tick.
using Timeline = std::map<char, std::array<int, kTicks + 1>>;

struct Show {
    Timeline levels;
    std::vector<std::string> errors;
    int changes = 0;
};

class ShippedSchemes : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<TempFolder>("lumenrig-demo");
        track_ = folder_->file("demo.wav");
        ASSERT_TRUE(writeSynthTrack("demo", 60.0, track_));
    }
    static void TearDownTestSuite() { folder_.reset(); }
    ~ShippedSchemes() override { lr::resetGlobalVars(); }

    static Show play(const std::string& scheme) {
        Show show;
        for (char channel = 'A'; channel <= 'L'; ++channel)
            show.levels[channel].fill(-1);
        lr::organ::RenderSink sink;
        sink.command = [&](std::uint64_t ms, std::string_view command) {
            auto& timeline = show.levels[command[0]];
            std::fill(timeline.begin() + static_cast<std::ptrdiff_t>(ms / lr::kOrganTickMs), timeline.end(),
                      command[1] - '0');
            ++show.changes;
        };
        sink.formulaError = [&](std::string_view formula, int, int, int) {
            show.errors.emplace_back(formula);
        };
        ui::headless::VirtualLoop loop;
        ui::headless::RecordedMessageBoxes boxes;
        ui::headless::HeadlessPlatform platform(loop, boxes);
        const lr::organ::RenderWorld world{platform, [&loop](std::uint32_t ms) { loop.advance(ms); }};
        std::string error;
        EXPECT_TRUE(lr::organ::render({scheme, track_, 0, std::nullopt}, sink, world, error)) << error;
        return show;
    }

    static std::unique_ptr<TempFolder> folder_;
    static std::string track_;
};
std::unique_ptr<TempFolder> ShippedSchemes::folder_;
std::string ShippedSchemes::track_;

}  // namespace

TEST_F(ShippedSchemes, AtLeastEightAreShipped) {
    EXPECT_GE(shippedSchemes().size(), 8u);
}

TEST_F(ShippedSchemes, EachIsACleanFileWithADescriptionAndNamedBars) {
    for (const std::string& path : shippedSchemes()) {
        const settings::IniText scheme = settings::iniLoad(path);
        const std::string& bytes = scheme.bytes();
        EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), std::count(bytes.begin(), bytes.end(), '\r'))
            << path << ": CR LF line ends";
        EXPECT_FALSE(scheme.readString("description", "text", "").empty()) << path;
        int named = 0;
        for (std::string_view bar : lr::kBarNames)
            named += !scheme.readString("init", std::string(bar) + "_name", "").empty();
        EXPECT_GT(named, 0) << path;
        std::vector<std::string_view> formulas(lr::kChannelNames.begin(), lr::kChannelNames.end());
        formulas.insert(formulas.end(), lr::kExtraNames.begin(), lr::kExtraNames.end());
        for (std::string_view name : formulas) {
            const std::string translated =
                lr::organ::translateFormula(scheme.readString("calculation", name, ""));
            EXPECT_EQ(translated.find("%-1"), std::string::npos) << path << " " << name;
        }
    }
}

TEST_F(ShippedSchemes, EachUsesTheWholeRangeOnEveryChannel) {
    for (const std::string& path : shippedSchemes()) {
        const Show show = play(path);
        EXPECT_TRUE(show.errors.empty()) << path << ": " << testing::PrintToString(show.errors);
        std::set<int> used;
        for (const auto& [channel, timeline] : show.levels) {
            std::map<int, int> time;
            for (int t = 1; t <= kTicks; ++t)
                ++time[timeline[static_cast<std::size_t>(t)]];
            const int longest = std::max_element(time.begin(), time.end(), [](auto& a, auto& b) {
                                    return a.second < b.second;
                                })->second;
            EXPECT_GE(time.size(), 6u) << path << " " << channel << ": levels used";
            EXPECT_LE(longest, kTicks * 95 / 100) << path << " " << channel << ": stuck at one level";
            for (const auto& [level, ticks] : time)
                used.insert(level);
        }
        EXPECT_EQ(used, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8})) << path;
        EXPECT_GE(show.changes, 500) << path << ": a show that moves";
    }
}
