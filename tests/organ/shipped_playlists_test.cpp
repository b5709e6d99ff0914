// The shipped list.ini: every playlist names shipped schemes only, each for a while, and "support" is there.
#include <gtest/gtest.h>

#include <filesystem>

#include "settings/ini_file.h"

TEST(ShippedPlaylists, EveryEntryIsAShippedSchemeWithATime) {
    const std::filesystem::path schemes(LUMENRIG_SCHEMES_DIR);
    const std::string list = (schemes.parent_path() / "list.ini").string();
    const std::vector<std::string> sections = settings::iniSectionNames(list);
    ASSERT_GE(sections.size(), 3u);
    EXPECT_EQ(sections.front(), "support");
    for (const std::string& playlist : sections) {
        if (playlist == "support") continue;
        SCOPED_TRACE(playlist);
        const std::string first = settings::iniReadString(list, playlist, "scheme0", "");
        EXPECT_FALSE(first.empty());
        for (int k = 0;; ++k) {
            const std::string name = settings::iniReadString(list, playlist, "scheme" + std::to_string(k), "");
            if (name.empty()) break;
            EXPECT_TRUE(std::filesystem::exists(schemes / (name + ".lsc"))) << name;
            EXPECT_GT(settings::iniReadInteger(list, playlist, "time" + std::to_string(k), 0), 0) << name;
        }
    }
}
