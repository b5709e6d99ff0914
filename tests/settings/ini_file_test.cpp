#include <gtest/gtest.h>

#include "settings/ini_file.h"
#include "settings/memory_system.h"

using namespace settings;

class IniFile : public testing::Test {
  protected:
    MemorySystem sys;
    ScopedSystem scope{sys};
};

TEST_F(IniFile, AMissingFileGivesDefaultsAndAWriteCreatesIt) {
    sys.addFolder("C:\\Prog");
    EXPECT_EQ(iniReadString("C:\\Prog\\lumenrig.ini", "init", "cur_com", ""), "");
    EXPECT_EQ(iniReadInteger("C:\\Prog\\lumenrig.ini", "init", "page", 0), 0);
    EXPECT_TRUE(iniSectionNames("C:\\Prog\\lumenrig.ini").empty());
    ASSERT_TRUE(iniWriteString("C:\\Prog\\lumenrig.ini", "init", "page", "4"));
    EXPECT_EQ(sys.file("C:\\Prog\\lumenrig.ini"), "[init]\r\npage=4\r\n");
    EXPECT_EQ(iniReadInteger("C:\\Prog\\lumenrig.ini", "init", "page", 0), 4);
}

TEST_F(IniFile, FailedWritesLeaveTheFileAsItWas) {
    const std::string original = "[init]\r\npage=1\r\n";
    sys.putFile("C:\\ro\\a.ini", original);
    sys.setReadOnly("C:\\ro");
    EXPECT_FALSE(iniWriteString("C:\\ro\\a.ini", "init", "page", "2"));
    EXPECT_EQ(sys.file("C:\\ro\\a.ini"), original);

    EXPECT_FALSE(iniWriteString("C:\\missing\\a.ini", "init", "page", "2"));
    EXPECT_FALSE(sys.fileExists("C:\\missing\\a.ini"));

    sys.putFile("C:\\locked\\a.ini", original);
    sys.setUnreadable("C:\\locked\\a.ini");
    EXPECT_FALSE(iniWriteString("C:\\locked\\a.ini", "init", "other", "2"))
        << "a file that cannot be read is never replaced by one key";
    EXPECT_EQ(sys.file("C:\\locked\\a.ini"), original);
    EXPECT_EQ(iniReadInteger("C:\\locked\\a.ini", "init", "page", 9), 9);
}

TEST_F(IniFile, OversizedFilesAreNeitherReadNorReplaced) {
    const std::string huge = "[init]\r\npage=1\r\n" + std::string(kIniFileLimit, ';');
    sys.putFile("C:\\Prog\\big.ini", huge);
    EXPECT_EQ(iniReadInteger("C:\\Prog\\big.ini", "init", "page", 7), 7);
    EXPECT_FALSE(iniWriteString("C:\\Prog\\big.ini", "init", "page", "2"));
    EXPECT_EQ(sys.file("C:\\Prog\\big.ini")->size(), huge.size());
}

TEST_F(IniFile, EachAccessReadsTheFileAfresh) {
    sys.putFile("C:\\Prog\\a.ini", "[s]\nk=1\n");
    EXPECT_EQ(iniReadString("C:\\Prog\\a.ini", "s", "k", ""), "1");
    sys.putFile("C:\\Prog\\a.ini", "[s]\nk=2\n");  // edited by hand meanwhile
    EXPECT_EQ(iniReadString("C:\\Prog\\a.ini", "s", "k", ""), "2");
    ASSERT_TRUE(iniWriteString("C:\\Prog\\a.ini", "s", "j", "3"));
    EXPECT_EQ(sys.file("C:\\Prog\\a.ini"), "[s]\nk=2\nj=3\n");
}
