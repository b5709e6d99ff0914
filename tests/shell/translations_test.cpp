// Every text the program puts through the translation table must have an entry in each shipped
// translation: build the whole tree, list what it asked for, and look each text up.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "runtime/strings.h"
#include "settings/translation.h"
#include "shell_fixture.h"

namespace {

std::set<std::string> sourcesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::set<std::string> sources;
    for (const std::string& line : lr::splitLines(bytes.str()))
        sources.insert(line.substr(0, line.find('|')));
    return sources;
}

class TranslationsTest : public ShellTest {};

}  // namespace

TEST_F(TranslationsTest, EveryShownTextHasAnEntryInEveryShippedLanguage) {
    std::vector<std::string> shown;
    {
        settings::TranslationWatch watch;
        build(true);
        loop.advance(1);
        shown = watch.texts();
    }
    ASSERT_GT(shown.size(), 20u);  // the mode bar, the top strip, the tray menu, the Connect page
    const std::filesystem::path folder = std::filesystem::path(LUMENRIG_DATA_DIR) / "localization";
    for (const char* language : {"Russian.lng", "Ukrainian.lng"}) {
        SCOPED_TRACE(language);
        const std::set<std::string> sources = sourcesOf(folder / language);
        for (const std::string& text : shown)
            EXPECT_TRUE(sources.count(text)) << "no entry for \"" << text << "\"";
    }
}
