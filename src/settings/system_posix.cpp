// The system on Linux: program paths (code page 1251, backslashes) become UTF-8 paths with slashes here
// and nowhere else; the registry is an ini file under the user's configuration folder.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <utility>

#include "runtime/strings.h"
#include "settings/cp1251.h"
#include "settings/ini_registry.h"

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

// The registry file's folder is made on the first write.
class ConfigRegistry : public IniRegistry {
  public:
    ConfigRegistry(System& files, std::string folder)
        : IniRegistry(files, folder + "/registry.ini"), folder_(std::move(folder)) {}
    bool write(RegistryRoot root, std::string_view key, std::string_view name,
               const RegistryValue& value) override {
        makeFolders(nativePath(folder_));
        return IniRegistry::write(root, key, name, value);
    }

  private:
    static void makeFolders(const std::string& native) {
        for (std::size_t slash = native.find('/', 1);; slash = native.find('/', slash + 1)) {
            ::mkdir(native.substr(0, slash).c_str(), 0700);
            if (slash == std::string::npos) return;
        }
    }
    std::string folder_;
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
        std::string temp = target + ".XXXXXX";
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

    Registry& registry() override { return registry_; }

  private:
    ConfigRegistry registry_;
};

}  // namespace

System& nativeSystem() {
    static PosixSystem native;
    return native;
}

}  // namespace settings
