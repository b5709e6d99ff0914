// The open action, the program's file and folder as elements, on the in-memory system.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/elements/hub.h"
#include "settings/memory_system.h"
#include "settings/program_elements.h"
#include "values.h"

using namespace lr;
using Opened = settings::MemorySystem::Opened;

namespace settings {
bool operator==(const MemorySystem::Opened& a, const MemorySystem::Opened& b) {
    return a.verb == b.verb && a.file == b.file && a.parameters == b.parameters;
}
std::ostream& operator<<(std::ostream& out, const MemorySystem::Opened& o) {
    return out << "{" << o.verb << ", " << o.file << ", " << o.parameters << "}";
}
}  // namespace settings

class ProgramElements : public HeadlessTest {
  protected:
    ProgramElements() { exec.onError = errors.point(); }

    settings::MemorySystem sys;
    settings::ScopedSystem scope{sys};
    THIWinExec exec;
    Recorder errors;
};

TEST_F(ProgramElements, ExecReadsFileAndParametersByTheDefaultRule) {
    struct Case {
        const char* what;
        std::string file;
        std::string params;
        std::string verb;
        TData event;
        Opened expected;
    };
    const Case cases[] = {
        {"the file arrives with the event",
         "",
         "",
         "open",
         makeString("https://example.org/"),
         {"open", "https://example.org/", ""}},
        {"the property wins; the event becomes the parameters",
         "notepad.exe",
         "",
         "open",
         makeString("readme.txt"),
         {"open", "notepad.exe", "readme.txt"}},
        {"a two-item event gives file and parameters",
         "",
         "",
         "open",
         listOf({makeString("C:\\Prog\\lumenrig.exe"), makeString("--demo")}),
         {"open", "C:\\Prog\\lumenrig.exe", "--demo"}},
        {"both properties, the event is left alone",
         "a.pdf",
         "/p",
         "print",
         makeString("ignored"),
         {"print", "a.pdf", "/p"}},
    };
    for (const Case& c : cases) {
        sys.opened.clear();
        exec.FileName_ = c.file;
        exec.Params_ = c.params;
        exec.Verb = c.verb;
        fireAt<&THIWinExec::doExec>(exec, c.event);
        ASSERT_EQ(sys.opened.size(), 1u) << c.what;
        EXPECT_EQ(sys.opened[0], c.expected) << c.what;
    }
    EXPECT_TRUE(errors.values.empty());
}

TEST_F(ProgramElements, ConnectedInputsWinOverPropertiesAndEvent) {
    Source file(makeString("C:\\Prog\\manual\\Manual_.pdf"));
    Source params(makeString("-page 2"));
    exec.FileName = file.point();
    exec.Params = params.point();
    exec.FileName_ = "other.pdf";
    fireAt<&THIWinExec::doExec>(exec, makeString("event"));
    ASSERT_EQ(sys.opened.size(), 1u);
    EXPECT_EQ(sys.opened[0], (Opened{"open", "C:\\Prog\\manual\\Manual_.pdf", "-page 2"}));
}

// The restart after a change of language: the program's own file, opened with nothing after it, so the
// new instance starts as a plain start would.
TEST_F(ProgramElements, RestartOpensTheProgramsOwnFile) {
    THIApplication application;
    THIHub restart(2);
    restart.outputs[1] = bind<&THIWinExec::doExec>(exec);
    exec.FileName = bind<&THIApplication::FileName>(application);
    sys.program = "C:\\Program Files\\Lumenrig\\lumenrig.exe";
    fireAt<&THIHub::doEvent>(restart);
    ASSERT_EQ(sys.opened.size(), 1u);
    EXPECT_EQ(sys.opened[0], (Opened{"open", "C:\\Program Files\\Lumenrig\\lumenrig.exe", ""}));
}

TEST_F(ProgramElements, OnlyTheOpenActionTellsOfAFailure) {
    exec.FileName_ = "C:\\Prog\\manual\\Manual_Missing.pdf";
    fireAt<&THIWinExec::doExec>(exec);
    EXPECT_EQ(sys.opened.size(), 1u) << "a missing file is the open action's to report";
    EXPECT_TRUE(errors.values.empty());
    sys.refuseOpen = true;
    fireAt<&THIWinExec::doExec>(exec);
    sys.refuseOpen = false;
    exec.FileName_.clear();
    fireAt<&THIWinExec::doExec>(exec);  // no file at all
    ASSERT_EQ(errors.values.size(), 2u);
    for (const TData& error : errors.values) {
        EXPECT_EQ(error.kind, kind::Integer);
        EXPECT_EQ(error.intValue, 1);
    }
}

TEST_F(ProgramElements, TheProgramsFileAndFolder) {
    struct Case {
        const char* program;
        const char* folder;
    };
    const Case cases[] = {
        {"C:\\Prog\\lumenrig.exe", "C:\\Prog\\"},
        {"/opt/lumenrig/lumenrig", "/opt/lumenrig\\"},  // program texts join folders with backslashes
        {"lumenrig", ""},
    };
    THIApplication application;
    THIDir dir;
    for (const Case& c : cases) {
        sys.program = c.program;
        TData file;
        application.FileName(file);
        EXPECT_EQ(toString(file), c.program);
        TData folder;
        dir.Dir(folder);
        EXPECT_EQ(toString(folder), c.folder) << c.program;
    }
}
