// The open action and the current folder of the Windows system, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "settings/system.h"

using namespace settings;
namespace fs = std::filesystem;

namespace {

// Waits for a file to appear in a folder: woken by the folder's change notice, never by time.
bool appears(const fs::path& file) {
    HANDLE change =
        FindFirstChangeNotificationW(file.parent_path().c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    if (change == INVALID_HANDLE_VALUE) return false;
    bool found = fs::exists(file);
    while (!found && WaitForSingleObject(change, 10000) == WAIT_OBJECT_0) {
        found = fs::exists(file);
        FindNextChangeNotification(change);
    }
    FindCloseChangeNotification(change);
    return found;
}

}  // namespace

class WinServices : public testing::Test {
  protected:
    WinServices() : root(fs::temp_directory_path() / "lumenrig-services-tests") {
        std::error_code ignored;
        fs::remove_all(root, ignored);
        fs::create_directories(root);
    }
    // The started program may still be on its way out; what it keeps open is left for the next run.
    ~WinServices() override {
        sys.setCurrentFolder(start);
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }

    System& sys = nativeSystem();
    fs::path root;
    std::string start = sys.currentFolder();
};

TEST_F(WinServices, OpenStartsAProgramAndTellsWhatCannotBeStarted) {
    const fs::path marker = root / "started.txt";
    ASSERT_TRUE(sys.open("open", "cmd.exe", "/c echo started> \"" + marker.string() + "\""));
    EXPECT_TRUE(appears(marker));
    EXPECT_FALSE(sys.open("open", (root / "missing.exe").string(), ""));
    EXPECT_FALSE(sys.open("open", "", ""));
}

TEST_F(WinServices, CurrentFolderFollowsTheProgramsChoice) {
    const std::string folder = root.string() + "\\\xC4\xE8\xF1\xEA\xEE";  // a Cyrillic name
    EXPECT_FALSE(sys.setCurrentFolder(folder)) << "not made yet";
    fs::create_directory(fs::path(root) / L"\u0414\u0438\u0441\u043a\u043e");
    ASSERT_TRUE(sys.setCurrentFolder(folder));
    EXPECT_EQ(sys.currentFolder(), folder);
    std::ofstream(fs::path(root) / L"\u0414\u0438\u0441\u043a\u043e" / "here.txt") << "x";
    EXPECT_TRUE(sys.fileExists("here.txt")) << "relative paths start there";
    EXPECT_FALSE(sys.setCurrentFolder(root.string() + "\\none"));
    EXPECT_EQ(sys.currentFolder(), folder);
}
