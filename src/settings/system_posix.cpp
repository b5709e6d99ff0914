// The system on Linux: program paths (code page 1251, backslashes) become UTF-8 paths with slashes here
// and nowhere else; the registry is an ini file under the user's configuration folder, except the Run
// key, whose values are XDG autostart entries.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <utility>

#include "runtime/strings.h"
#include "settings/cp1251.h"
#include "settings/desktop_entry.h"
#include "settings/ini_registry.h"
#include "settings/process_launch.h"

namespace settings {

namespace {

std::string nativePath(std::string_view path) {
    std::string native = cp1251ToUtf8(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

std::string programPath(std::string_view native) {
    return utf8ToCp1251(native);
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

// A symbolic link is written through, so the link stays a link.
std::string resolvedTarget(const std::string& native) {
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(native.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : native;
}

std::string folderOf(const std::string& native) {
    const std::size_t slash = native.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : native.substr(0, slash);
}

void syncFolder(const std::string& folder) {
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

// A replace's temporary is the target's name with this and six random characters.
constexpr std::string_view kTempMark = ".lrtmp-";
constexpr time_t kStaleTempSeconds = 30;

// A writer killed between making its temporary and the rename leaves it behind; the next replace of
// the same file removes it, once it is old enough to belong to no writer still at work.
void removeStaleTemporaries(const std::string& target) {
    const std::string folder = folderOf(target);
    const std::string prefix = target.substr(target.rfind('/') + 1) + std::string(kTempMark);
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
    if (!dir) return;
    const time_t now = ::time(nullptr);
    while (const dirent* e = ::readdir(dir.get())) {
        const std::string_view name = e->d_name;
        if (!name.starts_with(prefix) || name.size() != prefix.size() + 6) continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir.get()), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            now - st.st_mtime > kStaleTempSeconds)
            ::unlinkat(::dirfd(dir.get()), e->d_name, 0);
    }
}

void makeFolders(const std::string& native) {
    for (std::size_t slash = native.find('/', 1);; slash = native.find('/', slash + 1)) {
        ::mkdir(native.substr(0, slash).c_str(), 0700);
        if (slash == std::string::npos) return;
    }
}

constexpr std::string_view kElfMagic = "\177ELF";

// XDG_CONFIG_HOME, else ~/.config; a relative setting is ignored, as the base directory rules say.
std::optional<std::string> userConfigFolder() {
    const std::string config = environment("XDG_CONFIG_HOME");
    if (config.starts_with('/')) return config;
    const std::string home = environment("HOME");
    if (home.starts_with('/')) return home + "/.config";
    return std::nullopt;
}

bool sameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() && lr::compareIgnoringCase(a, b) == 0;
}

// The values of HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run: one entry file per
// value in the autostart folder, named by the value without ".exe", so the desktop starts the program at
// log-in. The folder is looked up at every call: the user's configuration may move under a running
// program (tests do that).
class AutostartEntries {
  public:
    explicit AutostartEntries(System& files) : files_(files) {}

    static bool holds(RegistryRoot root, std::string_view key) {
        key.remove_prefix(std::min(key.find_first_not_of('\\'), key.size()));
        while (key.ends_with('\\'))
            key.remove_suffix(1);
        return root == RegistryRoot::CurrentUser &&
               sameKey(key, "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    }

    std::optional<RegistryValue> read(std::string_view name) {
        const auto file = entryFile(name);
        const FileRead entry = file ? files_.readFile(programPath(*file), kEntryLimit) : FileRead{};
        const auto program =
            entry.status == FileRead::Status::Ok ? autostartProgram(entry.bytes) : std::nullopt;
        if (!program) return std::nullopt;
        return RegistryValue{RegistryValue::Type::String, 0, programPath(*program)};
    }

    bool write(std::string_view name, const RegistryValue& value) {
        const auto file = entryFile(name);
        const auto entry = value.type == RegistryValue::Type::String
                               ? autostartEntry(cp1251ToUtf8(stem(name)), nativePath(value.bytes))
                               : std::nullopt;
        if (!file || !entry) return false;
        makeFolders(folderOf(*file));
        return files_.replaceFile(programPath(*file), *entry);
    }

    bool remove(std::string_view name) {
        const auto file = entryFile(name);
        return file && files_.deleteFile(programPath(*file));
    }

  private:
    static constexpr std::size_t kEntryLimit = 1u << 16;

    static std::string_view stem(std::string_view name) {
        const bool exe = name.size() > 4 && sameKey(name.substr(name.size() - 4), ".exe");
        return exe ? name.substr(0, name.size() - 4) : name;
    }

    // Nothing for a name that is no plain file name.
    static std::optional<std::string> entryFile(std::string_view name) {
        const std::string_view s = stem(name);
        const bool plain =
            !s.empty() && s != "." && s != ".." && std::none_of(s.begin(), s.end(), [](char c) {
                return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
            });
        const auto config = userConfigFolder();
        if (!plain || !config) return std::nullopt;
        return *config + "/autostart/" + cp1251ToUtf8(s) + ".desktop";
    }

    System& files_;
};

// The registry file's folder is made on the first write.
class ConfigRegistry : public IniRegistry {
  public:
    ConfigRegistry(System& files, std::string folder)
        : IniRegistry(files, folder + "/registry.ini"), folder_(std::move(folder)), autostart_(files) {}

    std::optional<RegistryValue> read(RegistryRoot root, std::string_view key,
                                      std::string_view name) override {
        if (AutostartEntries::holds(root, key)) return autostart_.read(name);
        return IniRegistry::read(root, key, name);
    }
    bool write(RegistryRoot root, std::string_view key, std::string_view name,
               const RegistryValue& value) override {
        if (AutostartEntries::holds(root, key)) return autostart_.write(name, value);
        makeFolders(nativePath(folder_));
        return IniRegistry::write(root, key, name, value);
    }
    bool remove(RegistryRoot root, std::string_view key, std::string_view name) override {
        if (AutostartEntries::holds(root, key)) return autostart_.remove(name);
        return IniRegistry::remove(root, key, name);
    }

  private:
    std::string folder_;
    AutostartEntries autostart_;
};

std::string configFolder() {
    std::string base = environment("XDG_CONFIG_HOME");
    if (base.empty() && !environment("HOME").empty()) base = environment("HOME") + "/.config";
    return programPath(base.empty() ? "." : base) + "/lumenrig";
}

class PosixSystem : public System {
  public:
    PosixSystem() : registry_(*this, configFolder()) {}

    std::string windowsFolder() override { return "/etc"; }
    std::string tempFolder() override {
        const std::string tmp = environment("TMPDIR");
        return programPath(tmp.empty() ? "/tmp/" : (tmp.back() == '/' ? tmp : tmp + "/"));
    }
    std::string systemFolder() override { return "/usr/lib"; }

    std::string programFile() override {
        std::string buffer(4096, '\0');
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        return n > 0 ? programPath(buffer.substr(0, static_cast<std::size_t>(n))) : std::string();
    }

    // Text resources are files beside the program: resources/<name in lower case>.txt.
    std::optional<std::string> resourceText(std::string_view name) override {
        std::string file = programFile();
        file = file.substr(0, file.rfind('/') + 1) + "resources/" + lr::lowerAscii(name) + ".txt";
        FileRead read = readFile(file, 1u << 20);
        if (read.status != FileRead::Status::Ok) return std::nullopt;
        return std::move(read.bytes);
    }

    FileRead readFile(std::string_view path, std::size_t limit) override {
        Fd fd(::open(nativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
        if (fd.get() < 0)
            return {
                errno == ENOENT || errno == ENOTDIR ? FileRead::Status::Missing : FileRead::Status::Failed,
                {}};
        struct stat st {};
        if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return {FileRead::Status::Failed, {}};
        FileRead result{FileRead::Status::Ok, {}};
        char chunk[65536];
        for (;;) {
            const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 || result.bytes.size() + static_cast<std::size_t>(n) > limit)
                return {FileRead::Status::Failed, {}};
            if (n == 0) return result;
            result.bytes.append(chunk, static_cast<std::size_t>(n));
        }
    }

    bool replaceFile(std::string_view path, std::string_view bytes) override {
        const std::string target = resolvedTarget(nativePath(path));
        removeStaleTemporaries(target);
        std::string temp = target + std::string(kTempMark) + "XXXXXX";
        Fd fd(::mkstemp(temp.data()));
        if (fd.get() < 0) return false;
        struct stat st {};
        const mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
        const bool written = writeAll(fd.get(), bytes) && ::fchmod(fd.get(), mode) == 0 &&
                             ::fsync(fd.get()) == 0 && ::close(fd.release()) == 0;
        if (!written || ::rename(temp.c_str(), target.c_str()) != 0) {
            ::unlink(temp.c_str());
            return false;
        }
        syncFolder(folderOf(target));
        return true;
    }

    bool deleteFile(std::string_view path) override { return ::unlink(nativePath(path).c_str()) == 0; }

    bool fileExists(std::string_view path) override {
        struct stat st {};
        return ::stat(nativePath(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
    }

    // Sorted by name: the order of the directory itself means nothing to a user.
    std::vector<FolderEntry> listFolder(std::string_view path) override {
        std::vector<FolderEntry> entries;
        const std::string native = nativePath(path);
        const std::unique_ptr<DIR, DirCloser> dir(::opendir(native.empty() ? "." : native.c_str()));
        if (!dir) return entries;
        while (const dirent* e = ::readdir(dir.get())) {
            const std::string name = e->d_name;
            if (name == "." || name == "..") continue;
            struct stat st {};
            const bool folder = ::fstatat(::dirfd(dir.get()), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                                S_ISDIR(st.st_mode);
            entries.push_back({programPath(name), folder});
        }
        std::sort(entries.begin(), entries.end(),
                  [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
        return entries;
    }

    bool open(std::string_view verb, std::string_view file, std::string_view parameters) override {
        if (file.empty() || !(verb.empty() || sameKey(verb, "open"))) return false;
        if (isAddress(file)) return startOpener(cp1251ToUtf8(file));
        const std::string native = nativePath(file);
        if (!isProgram(native)) return startOpener(native);
        std::vector<std::string> args = splitParameters(cp1251ToUtf8(parameters));
        args.insert(args.begin(), native);
        return startDetached(args);
    }

    std::string currentFolder() override {
        const std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
        return cwd ? programPath(cwd.get()) : std::string();
    }
    bool setCurrentFolder(std::string_view path) override {
        return !path.empty() && ::chdir(nativePath(path).c_str()) == 0;
    }

    Registry& registry() override { return registry_; }

  private:
    static bool isAddress(std::string_view file) {
        return file.find("://") != std::string_view::npos || file.starts_with("mailto:");
    }

    // An executable file that the kernel runs itself; a document marked executable (as every file on
    // a FAT stick is) goes to its viewer instead.
    static bool isProgram(const std::string& native) {
        struct stat st {};
        if (::stat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || ::access(native.c_str(), X_OK) != 0)
            return false;
        Fd fd(::open(native.c_str(), O_RDONLY | O_CLOEXEC));
        char magic[4] = {};
        const bool read = fd.get() >= 0 && ::read(fd.get(), magic, sizeof magic) >= 2;
        const std::string_view head(magic, sizeof magic);
        return read && (head.starts_with("#!") || head == kElfMagic);
    }

    // Documents, folders and web addresses open in the program the desktop chose for them.
    static bool startOpener(const std::string& target) {
        const auto opener = findInPath("xdg-open");
        return opener && startDetached({*opener, target});
    }

    ConfigRegistry registry_;
};

}  // namespace

System& nativeSystem() {
    static PosixSystem native;
    return native;
}

}  // namespace settings
