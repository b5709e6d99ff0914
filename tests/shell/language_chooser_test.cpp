// The language chooser on the headless backend, against real folders: the languages come from
// ".\localization\" under the current folder, the setting from the program's folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "../organ/temp_folder.h"
#include "headless_fixture.h"
#include "recorder.h"
#include "settings/cp1251.h"
#include "settings/system.h"
#include "settings/translation.h"
#include "shell/language_chooser.h"
#include "ui/headless/user.h"

using namespace lr;
using namespace ui::headless;
namespace fs = std::filesystem;

namespace {

// The native system, with the program's file placed where the test wants it.
class ProgramIn : public settings::System {
  public:
    explicit ProgramIn(const fs::path& folder)
        : file_(settings::utf8ToCp1251((folder / "lumenrig").string())) {}
    std::string windowsFolder() override { return native().windowsFolder(); }
    std::string tempFolder() override { return native().tempFolder(); }
    std::string systemFolder() override { return native().systemFolder(); }
    std::string programFile() override { return file_; }
    std::optional<std::string> resourceText(std::string_view name) override {
        return native().resourceText(name);
    }
    settings::FileRead readFile(std::string_view path, std::size_t limit) override {
        return native().readFile(path, limit);
    }
    bool replaceFile(std::string_view path, std::string_view bytes) override {
        return native().replaceFile(path, bytes);
    }
    bool deleteFile(std::string_view path) override { return native().deleteFile(path); }
    bool fileExists(std::string_view path) override { return native().fileExists(path); }
    std::vector<settings::FolderEntry> listFolder(std::string_view path) override {
        return native().listFolder(path);
    }
    bool open(std::string_view, std::string_view, std::string_view) override { return false; }
    std::string currentFolder() override { return native().currentFolder(); }
    bool setCurrentFolder(std::string_view path) override { return native().setCurrentFolder(path); }
    settings::Registry& registry() override { return native().registry(); }

  private:
    static settings::System& native() { return settings::nativeSystem(); }
    std::string file_;
};

class CurrentFolder {
  public:
    explicit CurrentFolder(const fs::path& folder) : previous_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~CurrentFolder() { fs::current_path(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

  private:
    fs::path previous_;
};

void put(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

fs::path made(const fs::path& folder) {
    fs::create_directories(folder);
    return folder;
}

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class LanguageChooserTest : public HeadlessTest {
  protected:
    LanguageChooserTest() {
        resetLifecycle();  // the chooser is built while points still carry nothing
    }
    ~LanguageChooserTest() override {
        chooser_.reset();
        settings::clearTranslation();
    }

    void build() {
        chooser_ = std::make_unique<TClassChildFormEx_1EF9810>(nullptr);
        chooser_->onChosen = chosen.point();
        start();
    }
    // As window command 2 does.
    void open() {
        TData command = makeInteger(2);
        chooser_->doOpen(command);
    }
    HeadlessControl& form() { return asHeadless(chooser_->form().window()); }
    HeadlessControl& list() {
        HeadlessControl* c = find(form(), byName("languages"));
        EXPECT_NE(c, nullptr);
        return *c;
    }
    std::vector<std::string> sortedItems() {
        std::vector<std::string> items = list().items();
        std::sort(items.begin(), items.end());
        return items;
    }
    std::string selectedItem() {
        const int index = list().selected();
        return index < 0 ? std::string("(none)") : list().items().at(static_cast<std::size_t>(index));
    }
    void setLanguage(const std::string& name) {
        put(program / "lumenrig.ini", "[localization]\r\nlanguage=" + name + "\r\n");
    }

    TempFolder temp{"lumenrig-chooser"};
    const fs::path work = made(temp.path() / "work");
    const fs::path program = made(temp.path() / "program");
    ProgramIn sys{program};
    settings::ScopedSystem sysScope{sys};
    CurrentFolder current{work};
    Recorder chosen;

  private:
    std::unique_ptr<TClassChildFormEx_1EF9810> chooser_;
};

}  // namespace

TEST_F(LanguageChooserTest, OpeningListsTheLanguagesUnderTheCurrentFolderAndSelectsTheOneInUse) {
    put(work / "localization" / "Russian.lng", "Exit|x\r\n");
    put(work / "localization" / "more" / "Ukrainian.lng", "");
    put(work / "localization" / "German.LNG", "");
    put(work / "localization" / "readme.txt", "");
    put(work / "localization" / "Old.lng.bak", "");
    put(program / "localization" / "Program.lng", "");  // the program's folder is not where the list looks
    setLanguage("Ukrainian");
    build();
    EXPECT_FALSE(reachable(list())) << "hidden at creation";

    open();
    EXPECT_TRUE(form().visible());
    EXPECT_EQ(sortedItems(), (std::vector<std::string>{"German", "Russian", "Ukrainian"}));
    EXPECT_EQ(selectedItem(), "Ukrainian");

    put(work / "localization" / "Polish.lng", "");
    setLanguage("Polish");
    open();
    EXPECT_EQ(sortedItems(), (std::vector<std::string>{"German", "Polish", "Russian", "Ukrainian"}))
        << "the list is made afresh, without the earlier entries twice";
    EXPECT_EQ(selectedItem(), "Polish");
    EXPECT_TRUE(chosen.values.empty()) << "opening chooses nothing";
}

TEST_F(LanguageChooserTest, PickingALanguageStoresItAndReportsItOnce) {
    put(work / "localization" / "Russian.lng", "");
    put(work / "localization" / "Ukrainian.lng", "");
    put(program / "lumenrig.ini", "[init]\r\npage=4\r\n");
    build();
    open();
    EXPECT_EQ(selectedItem(), "(none)");

    ASSERT_TRUE(pick(list(), "Russian"));
    EXPECT_EQ(contents(program / "lumenrig.ini"),
              "[init]\r\npage=4\r\n[localization]\r\nlanguage=Russian\r\n");
    EXPECT_EQ(chosen.texts(), std::vector<std::string>{"Russian"});
    EXPECT_FALSE(fs::exists(work / "lumenrig.ini")) << "the setting lives in the program's folder";
}

TEST_F(LanguageChooserTest, TheCloseButtonHidesTheWindow) {
    build();
    open();
    HeadlessControl* close = find(form(), byName("close languages"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->bounds().width, 15);
    EXPECT_TRUE(click(*close));
    EXPECT_FALSE(form().visible());
    EXPECT_TRUE(chosen.values.empty());
    open();
    EXPECT_TRUE(form().visible()) << "and it opens again";
}

TEST_F(LanguageChooserTest, WithoutALocalizationFolderTheListIsEmpty) {
    setLanguage("Russian");
    build();
    open();
    EXPECT_TRUE(form().visible());
    EXPECT_TRUE(list().items().empty());
    EXPECT_EQ(selectedItem(), "(none)");
}

TEST_F(LanguageChooserTest, TheWindowAndItsLabelAreAsSpecifiedAndTranslated) {
    settings::setTranslation("Choose interface language:|\xC2\xFB\xE1\xE5\xF0\xE8\xF2\xE5 \xFF\xE7\xFB\xEA:");
    build();
    const ui::Rect bounds = form().bounds();
    EXPECT_EQ(bounds, (ui::Rect{35, 105, 242, 76}));
    EXPECT_FALSE(form().visible());
    EXPECT_NE(find(form(), byCaption("\xC2\xFB\xE1\xE5\xF0\xE8\xF2\xE5 \xFF\xE7\xFB\xEA:")), nullptr);
    EXPECT_EQ(find(form(), byCaption("Choose interface language:")), nullptr);
    const ui::Rect listBounds = list().bounds();
    EXPECT_EQ(listBounds.width, 230);
    EXPECT_EQ(listBounds.height, 21);
    for (std::size_t i = 0; HeadlessControl* c = childAt(form(), i); ++i) {
        const ui::Rect r = c->bounds();
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + r.width <= 242 && r.top + r.height <= 76)
            << "control " << i << " lies inside the window";
    }
}
