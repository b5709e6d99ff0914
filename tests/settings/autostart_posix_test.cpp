// "Start with Windows" on Linux: the Run value of the registry as an XDG autostart entry.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "settings/desktop_entry.h"
#include "settings/system.h"

using namespace settings;
namespace fs = std::filesystem;

namespace {

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kName = "Vxt_Lumenrig_12.exe";

RegistryValue text(std::string s) {
    return {RegistryValue::Type::String, 0, std::move(s)};
}

std::string contents(const fs::path& file) {
    std::ostringstream out;
    out << std::ifstream(file).rdbuf();
    return out.str();
}

}  // namespace

class Autostart : public testing::Test {
  protected:
    Autostart() {
        std::string pattern = (fs::temp_directory_path() / "lumenrig-autostart-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        entry = root / "config" / "autostart" / "Vxt_Lumenrig_12.desktop";
        keep("HOME");
        keep("XDG_CONFIG_HOME");
        ::setenv("HOME", (root / "home").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    }
    ~Autostart() override {
        for (const auto& [name, value] : saved)
            value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root);
    }
    void keep(const char* name) {
        const char* value = std::getenv(name);
        saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    std::optional<RegistryValue> readRun() { return reg.read(RegistryRoot::CurrentUser, kRun, kName); }

    Registry& reg = nativeSystem().registry();
    fs::path root;
    fs::path entry;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};

TEST_F(Autostart, TheRunValueIsAnAutostartEntry) {
    ASSERT_TRUE(reg.write(RegistryRoot::CurrentUser, kRun, kName, text("/opt/Lumen rig/lumenrig")));
    EXPECT_EQ(contents(entry),
              "[Desktop Entry]\nType=Application\nName=Vxt_Lumenrig_12\nExec=\"/opt/Lumen rig/lumenrig\"\n"
              "X-GNOME-Autostart-enabled=true\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(entry.parent_path()), fs::directory_iterator()), 1)
        << "no temporary left";
    ASSERT_TRUE(readRun());
    EXPECT_EQ(readRun()->type, RegistryValue::Type::String);
    EXPECT_EQ(readRun()->bytes, "/opt/Lumen rig/lumenrig");
    EXPECT_TRUE(
        reg.read(RegistryRoot::CurrentUser, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\", kName))
        << "keys are named regardless of case and edge backslashes";
    EXPECT_FALSE(reg.read(RegistryRoot::LocalMachine, kRun, kName)) << "only the user's own Run key";

    EXPECT_TRUE(reg.remove(RegistryRoot::CurrentUser, kRun, kName));
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_FALSE(readRun());
    EXPECT_FALSE(reg.remove(RegistryRoot::CurrentUser, kRun, kName));
}

TEST_F(Autostart, WithoutAConfigurationSettingTheHomeFolderHoldsIt) {
    for (const char* config : {"", "relative/config"}) {
        ::setenv("XDG_CONFIG_HOME", config, 1);
        ASSERT_TRUE(reg.write(RegistryRoot::CurrentUser, kRun, kName, text("/usr/bin/lumenrig"))) << config;
        EXPECT_TRUE(fs::exists(root / "home" / ".config" / "autostart" / "Vxt_Lumenrig_12.desktop"))
            << config;
        EXPECT_TRUE(reg.remove(RegistryRoot::CurrentUser, kRun, kName));
    }
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("HOME");
    EXPECT_FALSE(reg.write(RegistryRoot::CurrentUser, kRun, kName, text("/usr/bin/lumenrig")))
        << "no folder to write to";
}

TEST_F(Autostart, RefusedWritesLeaveNothingBehind) {
    struct Case {
        const char* what;
        std::string name;
        RegistryValue value;
    };
    const Case cases[] = {
        {"a name with a folder in it", "..\\..\\evil.exe", text("/bin/x")},
        {"a name with a slash", "a/b", text("/bin/x")},
        {"no name", "", text("/bin/x")},
        {"a line break in the path", kName, text("/bin/x\nHidden=true")},
        {"no path", kName, text("")},
        {"not a text", kName, {RegistryValue::Type::Integer, 1, {}}},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(reg.write(RegistryRoot::CurrentUser, kRun, c.name, c.value)) << c.what;
    EXPECT_FALSE(fs::exists(root / "config" / "autostart") && !fs::is_empty(root / "config" / "autostart"));
    if (::geteuid() == 0) return;  // the superuser writes into read-only folders
    fs::create_directories(entry.parent_path());
    fs::permissions(entry.parent_path(), fs::perms(0555));
    EXPECT_FALSE(reg.write(RegistryRoot::CurrentUser, kRun, kName, text("/bin/x")));
    EXPECT_FALSE(readRun());
    fs::permissions(entry.parent_path(), fs::perms(0755));
}

// The user may switch the entry off in the desktop's settings, which edits the file: the program then
// does not start at log-in, and the box must not say it does.
TEST_F(Autostart, AnEntrySwitchedOffReadsAsAbsent) {
    struct Case {
        const char* file;
        std::optional<std::string> program;
    };
    const Case cases[] = {
        {"[Desktop Entry]\nExec=\"/opt/x\"\n", "/opt/x"},
        {"[Desktop Entry]\r\nExec = /usr/bin/lumenrig --min\r\n", "/usr/bin/lumenrig"},
        {"[Desktop Entry]\nExec=\"/opt/x\"\nHidden=true\n", std::nullopt},
        {"[Desktop Entry]\nExec=\"/opt/x\"\nX-GNOME-Autostart-enabled=false\n", std::nullopt},
        {"[Desktop Action min]\nExec=\"/opt/x\"\n", std::nullopt},
        {"garbage\x01\xFF", std::nullopt},
    };
    fs::create_directories(entry.parent_path());
    for (const Case& c : cases) {
        std::ofstream(entry) << c.file;
        const auto read = readRun();
        EXPECT_EQ(read ? std::optional(read->bytes) : std::nullopt, c.program) << c.file;
    }
}

TEST(DesktopEntry, ProgramPathsSurviveQuoting) {
    for (const std::string path : {"/opt/Lumen rig/lumenrig", "/a\"b/c", "/$HOME/`x`", "/back\\slash",
                                   "/100%/x %f", "/Диско/lumenrig", "/a\\\"b"}) {
        const auto entry = autostartEntry("Name", path);
        ASSERT_TRUE(entry) << path;
        EXPECT_EQ(autostartProgram(*entry), path) << *entry;
    }
    EXPECT_FALSE(autostartEntry("Name", "/a\rb"));
    EXPECT_FALSE(autostartEntry("Na\nme", "/a"));
}
