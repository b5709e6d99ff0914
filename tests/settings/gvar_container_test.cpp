#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/globals.h"
#include "settings/gvar_container.h"
#include "settings/memory_system.h"

using namespace lr;

class GVarContainer : public HeadlessTest {
  protected:
    GVarContainer() {
        sys.putFile("C:\\Prog\\schemes\\Disco.lsc", "[init]\r\nA=7\r\nB=x\r\nxA=2.5\r\n");
        vars.Vars = "A\r\nB=1\r\nxA\r\nxB=0.5\nC=3\n\n";
        vars.Section_ = "init";
        vars.onLoad = rec.point();
    }
    void load() {
        TData path = makeString("C:\\Prog\\schemes\\Disco.lsc");
        fire(bind<&THIGVarContainer::doLoad>(vars), path);
    }

    settings::MemorySystem sys;
    settings::ScopedSystem scope{sys};
    THIGVarContainer vars;
    Recorder rec;
};

TEST_F(GVarContainer, LoadKeepsTheKindEachVariableHolds) {
    load();
    EXPECT_EQ(rec.values.size(), 1u);
    EXPECT_EQ(globalVar("a").kind, kind::String);
    EXPECT_EQ(globalVar("a").text, "7");
    EXPECT_EQ(globalVar("B").text, "x");
    EXPECT_EQ(globalVar("xb").text, "0.5") << "a missing key gives the default text";
    globalVar("A") = makeInteger(0);
    globalVar("B") = makeInteger(0);
    globalVar("C") = makeInteger(0);
    globalVar("xA") = makeReal(0.0);
    globalVar("xB") = makeReal(1.0);
    load();
    EXPECT_EQ(globalVar("A").kind, kind::Integer);
    EXPECT_EQ(globalVar("A").intValue, 7);
    EXPECT_EQ(globalVar("B").intValue, 0) << "integer reading of \"x\"";
    EXPECT_EQ(globalVar("C").intValue, 3);
    EXPECT_EQ(globalVar("xA").realValue, 2.5);
    EXPECT_EQ(globalVar("xB").realValue, 0.5);
}

TEST_F(GVarContainer, OtherKindsAreLeftAlone) {
    int object = 0;
    globalVar("A") = makeStream(&object);
    load();
    EXPECT_EQ(globalVar("A").kind, kind::Stream);
}

TEST_F(GVarContainer, SaveWritesEveryVariableInOneGo) {
    globalVar("A") = makeInteger(4);
    globalVar("B") = makeString("y");
    globalVar("xA") = makeReal(0.25);
    vars.Vars = "A\nB\nxA\nbad=key=\n";
    TData path = makeString("C:\\Prog\\schemes\\Disco.lsc");
    vars.doSave(path);
    EXPECT_EQ(sys.file("C:\\Prog\\schemes\\Disco.lsc"), "[init]\r\nA=4\r\nB=y\r\nxA=0.25\r\nbad=\r\n");
}
