#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "recorder.h"
#include "settings/file_tools_element.h"
#include "settings/ini_element.h"
#include "settings/ini_file.h"
#include "settings/memory_system.h"
#include "values.h"

using namespace lr;

class SettingsElements : public HeadlessTest {
  protected:
    SettingsElements() {
        sys.putFile("C:\\Prog\\lumenrig.ini",
                    "[init]\r\npage=3\r\nauto_music=1\r\ncur_com=COM3\r\n[scheme]\r\nscheme=Disco\r\n");
    }
    settings::MemorySystem sys;
    settings::ScopedSystem scope{sys};
    Recorder rec;
};

TEST_F(SettingsElements, IniReadsTextAndIntegerKeysOfTheProgramsFile) {
    THIini ini;
    ini.FileName_ = "lumenrig.ini";
    ini.Section_ = "init";
    ini.onRead = rec.point();
    ini.Key_ = "cur_com";
    TData none;
    fire(bind<&THIini::doRead>(ini), none);
    ini.Type = THIini::ValueType::Integer;
    ini.Key_ = "page";
    fire(bind<&THIini::doRead>(ini), none);
    ini.Key_ = "\xE0uto_music";  // the Latin spelling in the file is another key
    fire(bind<&THIini::doRead>(ini), none);
    ini.Key_ = "missing";
    fire(bind<&THIini::doRead>(ini), none);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"COM3", "3", "0", "0"}));
    EXPECT_EQ(rec.values.at(1).kind, kind::Integer);
}

TEST_F(SettingsElements, IniTakesUnsetNamesFromTheEvent) {
    THIini ini;
    ini.onRead = rec.point();
    TData event = listOf({makeString("C:\\Prog\\lumenrig.ini"), makeString("scheme"), makeString("scheme")});
    fire(bind<&THIini::doRead>(ini), event);
    EXPECT_EQ(rec.texts(), std::vector<std::string>{"Disco"});
}

TEST_F(SettingsElements, IniWritesTheValueAndKeepsTheRestOfTheFile) {
    THIini ini;
    ini.FileName_ = "lumenrig.ini";
    ini.Section_ = "init";
    ini.Key_ = "page";
    ini.Type = THIini::ValueType::Integer;
    TData page = makeString("5");
    ini.doWrite(page);
    EXPECT_EQ(sys.file("C:\\Prog\\lumenrig.ini"),
              "[init]\r\npage=5\r\nauto_music=1\r\ncur_com=COM3\r\n[scheme]\r\nscheme=Disco\r\n");
    Source value(makeString("COM 7"));
    ini.Value = value.point();
    ini.Type = THIini::ValueType::String;
    ini.Key_ = "cur_com";
    TData none;
    ini.doWrite(none);
    EXPECT_EQ(settings::iniReadString("C:\\Prog\\lumenrig.ini", "init", "cur_com", ""), "COM 7");
}

TEST_F(SettingsElements, AFailedIniWriteIsQuietAndHarmless) {
    const auto before = sys.file("C:\\Prog\\lumenrig.ini");
    sys.setReadOnly("C:\\Prog");
    THIini ini;
    ini.FileName_ = "lumenrig.ini";
    ini.Section_ = "init";
    ini.Key_ = "page";
    TData value = makeString("6");
    ini.doWrite(value);
    EXPECT_EQ(sys.file("C:\\Prog\\lumenrig.ini"), before);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SettingsElements, IniListsSectionsInFileOrder) {
    THIini ini;
    ini.FileName_ = "lumenrig.ini";
    ini.onSection = rec.point();
    TData none;
    ini.doSections(none);
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"init", "scheme"}));
}

TEST_F(SettingsElements, FileToolsDeletesAndReportsFilesThatAreGone) {
    sys.putFile("C:\\d\\a.txt", "");
    sys.putFile("C:\\d\\b.txt", "");
    sys.putFile("C:\\ro\\c.txt", "");
    sys.setReadOnly("C:\\ro");
    THIFileTools tools;
    tools.onOK = rec.point();
    const Point del = bind<&THIFileTools::doDelete>(tools);
    TData a = makeString("C:\\d\\a.txt");
    fire(del, a);
    TData missing = makeString("C:\\d\\never.txt");
    fire(del, missing);
    TData locked = makeString("C:\\ro\\c.txt");
    fire(del, locked);
    EXPECT_EQ(rec.values.size(), 2u) << "a file that stays gets no onOK";
    tools.Mode = 1;
    TData both = makeString("C:\\d\\b.txt;C:\\ro\\c.txt");
    fire(del, both);
    EXPECT_EQ(rec.values.size(), 2u);
    EXPECT_FALSE(sys.fileExists("C:\\d\\b.txt"));
    sys.putFile("C:\\d\\b.txt", "");
    TData list = makeString("C:\\d\\a.txt;C:\\d\\b.txt;");
    fire(del, list);
    EXPECT_EQ(rec.values.size(), 3u);
    EXPECT_FALSE(sys.fileExists("C:\\d\\b.txt"));
}
