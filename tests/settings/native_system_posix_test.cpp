// The Linux system against the real file system, in a scratch folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "settings/cp1251.h"
#include "settings/system.h"

using namespace settings;
namespace fs = std::filesystem;

class PosixSystem : public testing::Test {
  protected:
    PosixSystem() {
        std::string pattern = (fs::temp_directory_path() / "lumenrig-settings-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
    }
    ~PosixSystem() override { fs::remove_all(root); }

    // The scratch folder as the program writes paths: code page 1251, backslashes.
    std::string programPath(const std::string& relative) const {
        std::string p = utf8ToCp1251(root.string()) + "\\" + relative;
        return p;
    }

    System& sys = nativeSystem();
    fs::path root;
};

TEST_F(PosixSystem, ReplaceWritesWholeFilesAndKeepsTheirMode) {
    const std::string file = programPath("a.ini");
    ASSERT_TRUE(sys.replaceFile(file, "[s]\r\nk=1\r\n"));
    fs::permissions(root / "a.ini", fs::perms(0640));
    ASSERT_TRUE(sys.replaceFile(file, "[s]\r\nk=2\r\n"));
    const FileRead read = sys.readFile(file, 1000);
    EXPECT_EQ(read.status, FileRead::Status::Ok);
    EXPECT_EQ(read.bytes, "[s]\r\nk=2\r\n");
    EXPECT_EQ(fs::status(root / "a.ini").permissions(), fs::perms(0640));
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1)
        << "no temporary left";
}

// What a killed replace left is cleared by the next replace of that file, once old; a user's own
// files beside it and a temporary still being written stay.
TEST_F(PosixSystem, ReplaceClearsOnlyOldTemporariesOfItsOwnFile) {
    const auto touch = [&](const char* name, fs::file_time_type::duration age) {
        std::ofstream(root / name) << "x";
        fs::last_write_time(root / name, fs::file_time_type::clock::now() - age);
    };
    touch("a.ini.lrtmp-Ab12Cd", std::chrono::hours(1));
    touch("a.ini.lrtmp-Zz99zz", std::chrono::seconds(0));
    touch("b.ini.lrtmp-Ab12Cd", std::chrono::hours(1));
    touch("a.ini.backup", std::chrono::hours(1));
    touch("a.ini.lrtmp-Ab12Cd7", std::chrono::hours(1));
    ASSERT_TRUE(sys.replaceFile(programPath("a.ini"), "1"));
    EXPECT_FALSE(fs::exists(root / "a.ini.lrtmp-Ab12Cd"));
    for (const char* kept :
         {"a.ini.lrtmp-Zz99zz", "b.ini.lrtmp-Ab12Cd", "a.ini.backup", "a.ini.lrtmp-Ab12Cd7"})
        EXPECT_TRUE(fs::exists(root / kept)) << kept;
}

TEST_F(PosixSystem, ReplaceWritesThroughALink) {
    fs::create_directory(root / "real");
    ASSERT_TRUE(sys.replaceFile(programPath("real\\a.ini"), "1"));
    fs::create_symlink(root / "real" / "a.ini", root / "link.ini");
    ASSERT_TRUE(sys.replaceFile(programPath("link.ini"), "2"));
    EXPECT_TRUE(fs::is_symlink(root / "link.ini"));
    EXPECT_EQ(sys.readFile(programPath("real\\a.ini"), 10).bytes, "2");
}

TEST_F(PosixSystem, FailuresLeaveEverythingAsItWas) {
    EXPECT_FALSE(sys.replaceFile(programPath("missing\\a.ini"), "x"));
    EXPECT_FALSE(fs::exists(root / "missing"));
    fs::create_directory(root / "ro");
    ASSERT_TRUE(sys.replaceFile(programPath("ro\\a.ini"), "old"));
    fs::permissions(root / "ro", fs::perms(0555));
    if (::geteuid() != 0) {  // the superuser writes into read-only folders
        EXPECT_FALSE(sys.replaceFile(programPath("ro\\a.ini"), "new"));
        EXPECT_EQ(sys.readFile(programPath("ro\\a.ini"), 10).bytes, "old");
        EXPECT_EQ(std::distance(fs::directory_iterator(root / "ro"), fs::directory_iterator()), 1);
    }
    fs::permissions(root / "ro", fs::perms(0755));
}

TEST_F(PosixSystem, ReadingTellsMissingFromUnreadable) {
    EXPECT_EQ(sys.readFile(programPath("none.ini"), 10).status, FileRead::Status::Missing);
    EXPECT_EQ(sys.readFile(programPath("none\\x.ini"), 10).status, FileRead::Status::Missing);
    fs::create_directory(root / "dir.ini");
    EXPECT_EQ(sys.readFile(programPath("dir.ini"), 10).status, FileRead::Status::Failed);
    ASSERT_TRUE(sys.replaceFile(programPath("big.ini"), std::string(100, 'x')));
    EXPECT_EQ(sys.readFile(programPath("big.ini"), 99).status, FileRead::Status::Failed);
    EXPECT_EQ(sys.readFile(programPath("big.ini"), 100).status, FileRead::Status::Ok);
}

TEST_F(PosixSystem, FoldersListSortedWithNamesInTheCodePage) {
    fs::create_directory(root / "schemes");
    fs::create_directory(root / "schemes" / "sub");
    std::ofstream(root / "schemes" / "Диско.lsc") << "x";
    std::ofstream(root / "schemes" / "b.lsc") << "y";
    fs::create_directory_symlink(root / "schemes", root / "schemes" / "loop");
    const auto entries = sys.listFolder(programPath("schemes\\"));
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].name, "b.lsc");
    EXPECT_EQ(entries[1].name, "loop");
    EXPECT_FALSE(entries[1].folder) << "a linked folder is not descended into";
    EXPECT_EQ(entries[2].name, "sub");
    EXPECT_TRUE(entries[2].folder);
    EXPECT_EQ(entries[3].name, "\xC4\xE8\xF1\xEA\xEE.lsc");
    EXPECT_EQ(sys.readFile(programPath("schemes\\" + entries[3].name), 10).bytes, "x");
    EXPECT_TRUE(sys.listFolder(programPath("nothing")).empty());
}

TEST_F(PosixSystem, DeleteAndExistence) {
    ASSERT_TRUE(sys.replaceFile(programPath("x.txt"), "1"));
    EXPECT_TRUE(sys.fileExists(programPath("x.txt")));
    EXPECT_FALSE(sys.fileExists(utf8ToCp1251(root.string())));
    EXPECT_TRUE(sys.deleteFile(programPath("x.txt")));
    EXPECT_FALSE(sys.fileExists(programPath("x.txt")));
    EXPECT_FALSE(sys.deleteFile(programPath("x.txt")));
}

TEST_F(PosixSystem, FoldersOfTheProgramAndTheSystem) {
    EXPECT_TRUE(sys.programFile().ends_with("/settings_tests"));
    EXPECT_EQ(sys.tempFolder().back(), '/');
    EXPECT_FALSE(sys.windowsFolder().empty());
    EXPECT_FALSE(sys.systemFolder().empty());
}
