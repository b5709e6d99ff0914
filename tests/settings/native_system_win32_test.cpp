// The Windows system against the real file system and registry.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "settings/system.h"

using namespace settings;
namespace fs = std::filesystem;

class WinSystem : public testing::Test {
  protected:
    WinSystem() : root(fs::temp_directory_path() / "lumenrig-settings-tests") {
        fs::remove_all(root);
        fs::create_directories(root);
    }
    ~WinSystem() override { fs::remove_all(root); }

    std::string programPath(const std::string& relative) const { return root.string() + "\\" + relative; }

    System& sys = nativeSystem();
    fs::path root;
};

TEST_F(WinSystem, ReplaceWritesWholeFilesWithoutLeavingTemporaries) {
    const std::string file = programPath("a.ini");
    ASSERT_TRUE(sys.replaceFile(file, "[s]\r\nk=1\r\n"));
    ASSERT_TRUE(sys.replaceFile(file, "[s]\r\nk=2\r\n"));
    const FileRead read = sys.readFile(file, 1000);
    EXPECT_EQ(read.status, FileRead::Status::Ok);
    EXPECT_EQ(read.bytes, "[s]\r\nk=2\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1);
    EXPECT_FALSE(sys.replaceFile(programPath("missing\\a.ini"), "x"));
}

// What a killed replace left is cleared by a later replace in its folder, once old; a user's own files
// and a temporary still being written stay.
TEST_F(WinSystem, ReplaceClearsOnlyOldTemporaries) {
    const auto touch = [&](const char* name, fs::file_time_type::duration age) {
        std::ofstream(root / name) << "x";
        fs::last_write_time(root / name, fs::file_time_type::clock::now() - age);
    };
    touch("lri1A2B.tmp", std::chrono::hours(1));
    touch("lri3C4D.tmp", std::chrono::seconds(0));
    touch("lrics.tmp", std::chrono::hours(1));
    touch("a.ini.bak", std::chrono::hours(1));
    ASSERT_TRUE(sys.replaceFile(programPath("a.ini"), "1"));
    EXPECT_FALSE(fs::exists(root / "lri1A2B.tmp"));
    for (const char* kept : {"lri3C4D.tmp", "lrics.tmp", "a.ini.bak"})
        EXPECT_TRUE(fs::exists(root / kept)) << kept;
}

TEST_F(WinSystem, ReadingListingAndDeleting) {
    EXPECT_EQ(sys.readFile(programPath("none.ini"), 10).status, FileRead::Status::Missing);
    fs::create_directory(root / "sub");
    ASSERT_TRUE(sys.replaceFile(programPath("\xC4\xE8\xF1\xEA\xEE.lsc"), "x"));  // a Cyrillic name
    const auto entries = sys.listFolder(programPath(""));
    ASSERT_EQ(entries.size(), 2u);
    const auto named = [&](const std::string& name) {
        return std::find_if(entries.begin(), entries.end(),
                            [&](const FolderEntry& e) { return e.name == name; });
    };
    ASSERT_NE(named("sub"), entries.end());
    EXPECT_TRUE(named("sub")->folder);
    ASSERT_NE(named("\xC4\xE8\xF1\xEA\xEE.lsc"), entries.end());
    EXPECT_TRUE(sys.fileExists(programPath("\xC4\xE8\xF1\xEA\xEE.lsc")));
    EXPECT_FALSE(sys.fileExists(programPath("sub")));
    EXPECT_TRUE(sys.deleteFile(programPath("\xC4\xE8\xF1\xEA\xEE.lsc")));
    EXPECT_FALSE(sys.fileExists(programPath("\xC4\xE8\xF1\xEA\xEE.lsc")));
}

TEST_F(WinSystem, FoldersOfTheProgramAndTheSystem) {
    EXPECT_TRUE(sys.programFile().ends_with("settings_tests.exe"));
    EXPECT_EQ(sys.tempFolder().back(), '\\');
    EXPECT_FALSE(sys.windowsFolder().empty());
    EXPECT_FALSE(sys.systemFolder().empty());
}

TEST(WinRegistry, ValuesRoundTripUnderTheCurrentUser) {
    Registry& reg = nativeSystem().registry();
    const char* key = "Software\\LumenrigTests";
    ASSERT_TRUE(reg.write(RegistryRoot::CurrentUser, key, "n", {RegistryValue::Type::Integer, -5, {}}));
    ASSERT_TRUE(reg.write(RegistryRoot::CurrentUser, key, "s", {RegistryValue::Type::String, 0, "\xE0uto"}));
    ASSERT_TRUE(
        reg.write(RegistryRoot::CurrentUser, key, "b", {RegistryValue::Type::Binary, 0, {"\0\1", 2}}));
    EXPECT_EQ(reg.read(RegistryRoot::CurrentUser, key, "n")->integer, -5);
    EXPECT_EQ(reg.read(RegistryRoot::CurrentUser, key, "s")->bytes, "\xE0uto");
    EXPECT_EQ(reg.read(RegistryRoot::CurrentUser, key, "b")->bytes, std::string("\0\1", 2));
    for (const char* name : {"n", "s", "b"})
        EXPECT_TRUE(reg.remove(RegistryRoot::CurrentUser, key, name));
    EXPECT_FALSE(reg.read(RegistryRoot::CurrentUser, key, "n"));
    EXPECT_FALSE(reg.read(RegistryRoot::CurrentUser, "Software\\NoSuchKeyAnywhere", "n"));
}
