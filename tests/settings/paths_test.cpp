#include <gtest/gtest.h>

#include "settings/file_search.h"
#include "settings/memory_system.h"
#include "settings/paths.h"

using namespace settings;

class Paths : public testing::Test {
  protected:
    MemorySystem sys;
    ScopedSystem scope{sys};
};

TEST_F(Paths, ExpandPath) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"lumenrig.ini", "C:\\Prog\\lumenrig.ini"},
        {"", "C:\\Prog\\"},
        {"%windir%\\win.ini", "C:\\Windows\\win.ini"},
        {"%tmpdir%x.tmp", "C:\\Temp\\x.tmp"},
        {"%sysdir%\\a.dll", "C:\\Windows\\System32\\a.dll"},
        {".\\list.ini", ".\\list.ini"},
        {"D:x.ini", "D:x.ini"},
        {"sub/x.ini", "sub/x.ini"},
        {"%WINDIR%x", "C:\\Prog\\%WINDIR%x"},  // the names are exact
    };
    for (const auto& c : cases)
        EXPECT_EQ(expandPath(c.in), c.out) << c.in;
    sys.program = "/opt/lumenrig/lumenrig";
    EXPECT_EQ(expandPath("lumenrig.ini"), "/opt/lumenrig/lumenrig.ini");
}

TEST_F(Paths, NameWithoutFolderAndExtension) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {".\\schemes\\Disco.lsc", "Disco"},
        {"a/b\\c.d.lsc", "c.d"},
        {"./x/y.vsc", "y"},
        {"plain", "plain"},
        {"dir.v\\file", "file"},
        {"\\.lng", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nameWithoutFolderAndExtension(c.in), c.out) << c.in;
}

TEST_F(Paths, MasksMatchAsWindowsFileSearchDoes) {
    const struct {
        const char* name;
        const char* mask;
        bool match;
    } cases[] = {
        {"Disco.LSC", "*.lsc", true},
        {"disco.lsc", "*.LSC", true},
        {"disco.lscx", "*.lsc", false},
        {"a.lsc.bak", "*.lsc", false},
        {"noext", "*.*", true},
        {"x.lng", "?.lng", true},
        {"xy.lng", "?.lng", false},
        {"a*b", "a*b*", true},
        {"\xC0.lsc", "\xE0.lsc", false},
        {"", "*", true},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*c", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchesMask(c.name, c.mask), c.match) << c.name << " " << c.mask;
}

TEST_F(Paths, FindFilesDescendsIntoSubfoldersWhereTheyStand) {
    sys.putFile(".\\schemes\\B.lsc", "");
    sys.addFolder(".\\schemes\\sub");
    sys.putFile(".\\schemes\\readme.txt", "");
    sys.putFile(".\\schemes\\sub\\Deep.LSC", "");
    sys.putFile(".\\schemes\\A.lsc", "");
    sys.putFile(".\\other\\C.lsc", "");
    EXPECT_EQ(
        findFiles(".\\schemes\\", "*.lsc"),
        (std::vector<std::string>{".\\schemes\\B.lsc", ".\\schemes\\sub\\Deep.LSC", ".\\schemes\\A.lsc"}));
    EXPECT_EQ(findFiles(".\\schemes", "*.lsc").size(), 3u);
    EXPECT_TRUE(findFiles(".\\missing\\", "*.lsc").empty());
}

TEST_F(Paths, FindFilesStopsAtAbsurdDepth) {
    std::string folder = "loop";
    for (int i = 0; i < 100; ++i)
        folder += "\\d";
    sys.putFile(folder + "\\x.lsc", "");
    sys.putFile("loop\\d\\y.lsc", "");
    EXPECT_EQ(findFiles("loop", "*.lsc"), std::vector<std::string>{"loop\\d\\y.lsc"});
}
