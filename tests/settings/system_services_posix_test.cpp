// The open action, the current folder and "Start with Windows" of the Linux system, against real
// processes and files in a scratch folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "settings/cp1251.h"
#include "settings/process_launch.h"
#include "settings/system.h"

using namespace settings;
namespace fs = std::filesystem;

namespace {

// Sets an environment variable for a scope; unset when `value` is null.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// Everything written into a FIFO by the program at its other end, once it closes it; nothing when no
// program wrote within ten seconds.
std::optional<std::string> readFifo(const fs::path& fifo) {
    const int fd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string text;
    bool writerSeen = false;
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 10000) <= 0) break;
        char chunk[256];
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n > 0) {
            text.append(chunk, static_cast<std::size_t>(n));
            writerSeen = true;
        } else if (n == 0 && (writerSeen || (p.revents & POLLHUP))) {
            ::close(fd);
            return text;
        }
    }
    ::close(fd);
    return std::nullopt;
}

void writeExecutable(const fs::path& file, const std::string& text) {
    std::ofstream(file) << text;
    fs::permissions(file, fs::perms(0755));
}

void writeScript(const fs::path& file, const std::string& body) {
    writeExecutable(file, "#!/bin/sh\n" + body);
}

// No child of ours is left, neither running nor a zombie.
bool noChildren() {
    return ::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

}  // namespace

class PosixServices : public testing::Test {
  protected:
    PosixServices() {
        std::string pattern = (fs::temp_directory_path() / "lumenrig-services-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        fs::create_directory(root / "bin");
    }
    ~PosixServices() override {
        fs::current_path(startFolder);
        fs::remove_all(root);
    }

    // A path as the program writes it: code page 1251, backslashes.
    std::string programPath(const fs::path& native) const {
        std::string p = utf8ToCp1251(native.string());
        std::replace(p.begin(), p.end(), '/', '\\');
        return p;
    }
    // A stand-in for the desktop's opener that reports what it was asked to open.
    void fakeOpener() {
        ::mkfifo((root / "opened.fifo").c_str(), 0600);
        writeScript(root / "bin" / "xdg-open",
                    "printf '%s\\n' \"$@\" > \"" + (root / "opened.fifo").string() + "\"\n");
    }

    System& sys = nativeSystem();
    fs::path root;
    fs::path startFolder = fs::current_path();
};

// The program is started on its own: it is still waiting for the test when open() has returned, and
// it is not our child.
TEST_F(PosixServices, OpenStartsAProgramWithItsParametersWithoutWaiting) {
    const fs::path folder = root / "Мой prog";
    fs::create_directory(folder);
    ::mkfifo((folder / "args.fifo").c_str(), 0600);
    ::mkfifo((folder / "release.fifo").c_str(), 0600);
    writeScript(folder / "lumenrig",
                "cd \"$(dirname \"$0\")\"\nprintf '%s\\n' \"$@\" > args.fifo\nread line < release.fifo\n");
    ASSERT_TRUE(sys.open("open", programPath(folder / "lumenrig"), "--demo \"two words\" \xE0uto"));
    EXPECT_TRUE(noChildren());
    EXPECT_EQ(readFifo(folder / "args.fifo"), "--demo\ntwo words\n\xD0\xB0uto\n");
    std::ofstream(folder / "release.fifo") << "\n";
}

TEST_F(PosixServices, DocumentsAndAddressesGoToTheDesktopsOpener) {
    fakeOpener();
    const ScopedEnv path("PATH", (root / "bin").c_str());
    std::ofstream(root / "marked.pdf") << "%PDF-1.4";
    fs::permissions(root / "marked.pdf", fs::perms(0755));  // as every file on a FAT stick
    struct Case {
        std::string file;
        std::string opened;
    };
    const Case cases[] = {
        {programPath(root / "manual" / "Manual_Русский.pdf"),
         (root / "manual" / "Manual_Русский.pdf").string()},
        {"https://example.org/a?b=c", "https://example.org/a?b=c"},
        {programPath(root / "marked.pdf"), (root / "marked.pdf").string()},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(sys.open("open", c.file, "ignored")) << c.file;
        EXPECT_EQ(readFifo(root / "opened.fifo"), c.opened + "\n");
    }
    EXPECT_TRUE(noChildren());
}

TEST_F(PosixServices, OpenFailsWhenNothingCanBeStarted) {
    writeExecutable(root / "bin" / "broken", "#!/no/such/interpreter\n");
    std::ofstream(root / "doc.txt") << "x";
    struct Case {
        const char* what;
        std::string verb;
        std::string file;
        const char* path;
    };
    const std::string bin = (root / "bin").string();
    const Case cases[] = {
        {"an interpreter that does not exist", "open", programPath(root / "bin" / "broken"), nullptr},
        {"a verb the desktop has no action for", "print", "\\bin\\true", nullptr},
        {"no file", "open", "", nullptr},
        {"no opener for documents", "open", programPath(root / "doc.txt"), "/nonexistent"},
    };
    for (const Case& c : cases) {
        const ScopedEnv path("PATH", c.path ? c.path : std::getenv("PATH"));
        EXPECT_FALSE(sys.open(c.verb, c.file, "")) << c.what;
    }
    EXPECT_TRUE(sys.open("OPEN", "\\bin\\true", "")) << "verbs ignore case";
    EXPECT_TRUE(noChildren());
}

TEST_F(PosixServices, ParametersSplitAsACommandLine) {
    struct Case {
        const char* line;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"", {}},
        {"  a   b ", {"a", "b"}},
        {"\"two words\" x", {"two words", "x"}},
        {"pre\"fix mid\"post", {"prefix midpost"}},
        {"\"\" a", {"", "a"}},
        {"\tx\ty", {"x", "y"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitParameters(c.line), c.args) << c.line;
}

TEST_F(PosixServices, CurrentFolderFollowsTheProgramsChoice) {
    const fs::path folder = root / "Диско";
    fs::create_directory(folder);
    ASSERT_TRUE(sys.setCurrentFolder(programPath(folder) + "\\"));
    EXPECT_EQ(sys.currentFolder(), utf8ToCp1251(fs::canonical(folder).string()));
    std::ofstream(folder / "here.txt") << "x";
    EXPECT_TRUE(sys.fileExists(".\\here.txt")) << "relative paths start there";
    for (const std::string& missing : {programPath(root / "none"), std::string()}) {
        EXPECT_FALSE(sys.setCurrentFolder(missing)) << missing;
        EXPECT_EQ(sys.currentFolder(), utf8ToCp1251(fs::canonical(folder).string()));
    }
}
