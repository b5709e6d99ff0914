#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "recorder.h"
#include "settings/memory_system.h"
#include "settings/registry_element.h"

using namespace lr;

class RegistryElement : public HeadlessTest {
  protected:
    RegistryElement() {
        reg.Root = 2;
        reg.Key_ = "Software\\Vxt_Lumenrig_12";
        reg.Name_ = "WatchDog";
        reg.onRead = rec.point();
    }
    void read() {
        TData none;
        fire(bind<&THIRegistry::doRead>(reg), none);
    }
    void write(TData value) { fire(bind<&THIRegistry::doWrite>(reg), value); }

    settings::MemorySystem sys;
    settings::ScopedSystem scope{sys};
    THIRegistry reg;
    Recorder rec;
};

TEST_F(RegistryElement, HeartbeatWritesAndReadsAnInteger) {
    write(makeInteger(41));
    write(makeInteger(42));
    read();
    ASSERT_EQ(rec.values.size(), 1u);
    EXPECT_EQ(rec.values[0].kind, kind::Integer);
    EXPECT_EQ(rec.values[0].intValue, 42);
    reg.Key_ = "\\Software\\Vxt_Lumenrig_12";  // from the root: the same key
    read();
    EXPECT_EQ(rec.values.at(1).intValue, 42);
    EXPECT_FALSE(sys.registry().read(settings::RegistryRoot::LocalMachine,
                                     "Software\\Vxt_Lumenrig_12\\Software\\Vxt_Lumenrig_12", "WatchDog"))
        << "repeated writes with a relative key never nest";
}

TEST_F(RegistryElement, FailedReadsGiveNullUnlessOnlySuccessesAreWanted) {
    read();
    ASSERT_EQ(rec.values.size(), 1u);
    EXPECT_TRUE(isNull(rec.values[0]));
    write(makeString("text"));  // stored as an integer: parse integer of "text"
    reg.Type = THIRegistry::DataType::String;
    read();
    EXPECT_TRUE(isNull(rec.values.at(1))) << "a value of another type is not read";
    reg.OnlySuccessfulReads = true;
    read();
    reg.Root = 7;
    read();
    EXPECT_EQ(rec.values.size(), 2u);
}

TEST_F(RegistryElement, AutorunTextDefaultAndDelete) {
    reg.Root = 1;
    reg.Key_ = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    reg.Name_ = "Vxt_Lumenrig_12.exe";
    reg.Type = THIRegistry::DataType::String;
    reg.Default = "C:\\Prog\\lumenrig.exe";
    write(TData{});  // no value arrives: the default text is written
    read();
    EXPECT_EQ(rec.texts(), std::vector<std::string>{"C:\\Prog\\lumenrig.exe"});
    TData none;
    reg.doDelete(none);
    read();
    EXPECT_TRUE(isNull(rec.values.at(1)));
}

TEST_F(RegistryElement, RealsAndStreamsRoundTrip) {
    reg.Type = THIRegistry::DataType::Real;
    write(makeReal(-2.5));
    read();
    EXPECT_EQ(rec.values.at(0).kind, kind::Real);
    EXPECT_EQ(rec.values.at(0).realValue, -2.5);

    reg.Type = THIRegistry::DataType::Binary;
    reg.Name_ = "blob";
    MemoryStream source{std::string("\0\x01\xFF", 3), 0};
    write(makeStream(&source));
    read();
    ASSERT_EQ(rec.values.at(1).kind, kind::Stream);
    EXPECT_EQ(static_cast<MemoryStream*>(rec.values[1].ref)->bytes, source.bytes);
}

TEST_F(RegistryElement, RefusedWritesAreSkippedQuietly) {
    sys.setReadOnly("");  // the store cannot be written, as HKEY_LOCAL_MACHINE for a plain user
    write(makeInteger(1));
    read();
    EXPECT_TRUE(isNull(rec.values.at(0)));
    EXPECT_TRUE(boxes.shown().empty());
}
