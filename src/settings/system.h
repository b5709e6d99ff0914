#pragma once
// What the program asks of the operating system besides windows: its folders, files, resources and the
// registry. Paths are program texts: code page 1251, folders separated by backslashes (slashes work too);
// each backend maps them to the file system in one place.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

struct FileRead {
    enum class Status { Ok, Missing, Failed };  // Failed: exists but unreadable, too large or a folder
    Status status = Status::Missing;
    std::string bytes;
};

struct FolderEntry {
    std::string name;
    bool folder = false;
};

enum class RegistryRoot { ClassesRoot = 0, CurrentUser = 1, LocalMachine = 2, Users = 3, CurrentConfig = 4 };

struct RegistryValue {
    enum class Type { Integer, String, Binary };
    Type type = Type::String;
    std::int32_t integer = 0;
    std::string bytes;  // the text of a String, the bytes of a Binary
};

class Registry {
  public:
    virtual ~Registry() = default;
    // Nothing when the key cannot be opened or holds no such value.
    virtual std::optional<RegistryValue> read(RegistryRoot root, std::string_view key,
                                              std::string_view name) = 0;
    // Creates the key when needed; false when refused (rights, bad names).
    virtual bool write(RegistryRoot root, std::string_view key, std::string_view name,
                       const RegistryValue& value) = 0;
    virtual bool remove(RegistryRoot root, std::string_view key, std::string_view name) = 0;
};

class System {
  public:
    virtual ~System() = default;

    // As the system gives them: the Windows and system folders without, the temporary folder with a
    // final separator.
    virtual std::string windowsFolder() = 0;
    virtual std::string tempFolder() = 0;
    virtual std::string systemFolder() = 0;
    // Full path of the program's executable.
    virtual std::string programFile() = 0;
    // The program's text resource of that name (the embedded tables "Str1".."Str6").
    virtual std::optional<std::string> resourceText(std::string_view name) = 0;

    // Files larger than `limit` bytes are not read (Failed).
    virtual FileRead readFile(std::string_view path, std::size_t limit) = 0;
    // Replaces the file as a whole: the new bytes go to a temporary file that then takes the old one's
    // place, so a failure (false) leaves the old file as it was.
    virtual bool replaceFile(std::string_view path, std::string_view bytes) = 0;
    virtual bool deleteFile(std::string_view path) = 0;
    virtual bool fileExists(std::string_view path) = 0;
    // The entries of a folder ("." and ".." left out), in the order the system gives them; empty when the
    // folder is missing.
    virtual std::vector<FolderEntry> listFolder(std::string_view path) = 0;

    // The system's open action ("open" a document, a web address or a program) with the parameters of
    // a program. The started program runs on its own; false when it could not be started.
    virtual bool open(std::string_view verb, std::string_view file, std::string_view parameters) = 0;
    // Without a final separator, as the system gives it.
    virtual std::string currentFolder() = 0;
    virtual bool setCurrentFolder(std::string_view path) = 0;

    virtual Registry& registry() = 0;
};

// The process-wide system: the one installed, else the native one of this platform.
System& system();
System& nativeSystem();
void setSystem(System* s);

// Installs a system for a scope (tests) and restores the previous one.
class ScopedSystem {
  public:
    explicit ScopedSystem(System& s);
    ~ScopedSystem();
    ScopedSystem(const ScopedSystem&) = delete;
    ScopedSystem& operator=(const ScopedSystem&) = delete;

  private:
    System* previous_;
};

}  // namespace settings
