#include <gtest/gtest.h>

#include "settings/memory_system.h"

using namespace settings;

TEST(IniRegistry, ValuesKeepTheirTypeAndEveryByte) {
    MemorySystem sys;
    Registry& reg = sys.registry();
    const std::string awkward = " =[\"'%@\r\n;\xE0\x01 ";
    const std::vector<std::pair<std::string, RegistryValue>> values = {
        {"WatchDog", {RegistryValue::Type::Integer, -17, {}}},
        {"AutoRUN", {RegistryValue::Type::String, 0, "1"}},
        {awkward, {RegistryValue::Type::String, 0, awkward}},
        {"", {RegistryValue::Type::String, 0, "the default value"}},
        {"@", {RegistryValue::Type::Binary, 0, std::string("\0\xFF\x10", 3)}},
    };
    for (const auto& [name, value] : values)
        ASSERT_TRUE(reg.write(RegistryRoot::LocalMachine, "Software\\Vxt_Lumenrig_12", name, value)) << name;
    for (const auto& [name, value] : values) {
        const auto back = reg.read(RegistryRoot::LocalMachine, "\\software\\VXT_LUMENRIG_12\\", name);
        ASSERT_TRUE(back) << name;
        EXPECT_EQ(back->type, value.type) << name;
        EXPECT_EQ(back->integer, value.integer) << name;
        EXPECT_EQ(back->bytes, value.bytes) << name;
    }
}

TEST(IniRegistry, RootsKeysAndRemoval) {
    MemorySystem sys;
    Registry& reg = sys.registry();
    const RegistryValue one{RegistryValue::Type::String, 0, "1"};
    ASSERT_TRUE(reg.write(RegistryRoot::CurrentUser, "Software\\A", "v", one));
    EXPECT_FALSE(reg.read(RegistryRoot::LocalMachine, "Software\\A", "v"));
    EXPECT_FALSE(reg.read(RegistryRoot::CurrentUser, "Software", "v"));
    EXPECT_FALSE(reg.read(RegistryRoot::CurrentUser, "Software\\A", "w"));
    EXPECT_TRUE(reg.remove(RegistryRoot::CurrentUser, "Software\\A", "v"));
    EXPECT_FALSE(reg.read(RegistryRoot::CurrentUser, "Software\\A", "v"));
    EXPECT_FALSE(reg.remove(RegistryRoot::CurrentUser, "Software\\A", "v"));
}

TEST(IniRegistry, AStoreEditedByHandNeverBreaksReading) {
    MemorySystem sys;
    sys.putFile(":registry:", "[HKEY_CURRENT_USER\\K]\nbad=xyz:1\nhex=bin:0g\nodd=bin:123\nint=int:12abc\n");
    Registry& reg = sys.registry();
    EXPECT_FALSE(reg.read(RegistryRoot::CurrentUser, "K", "bad"));
    EXPECT_FALSE(reg.read(RegistryRoot::CurrentUser, "K", "hex"));
    EXPECT_FALSE(reg.read(RegistryRoot::CurrentUser, "K", "odd"));
    EXPECT_EQ(reg.read(RegistryRoot::CurrentUser, "K", "int")->integer, 12);
}
