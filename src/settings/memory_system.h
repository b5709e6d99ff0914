#pragma once
// A whole system in memory, for tests and demos: folders, files in creation order, resources, and a
// registry kept in one of its files. Folders can be made read-only and files unreadable.
#include <map>
#include <set>

#include "settings/ini_registry.h"
#include "settings/system.h"

namespace settings {

class MemorySystem : public System {
  public:
    MemorySystem();

    std::string windows = "C:\\Windows";
    std::string temp = "C:\\Temp\\";
    std::string systemDir = "C:\\Windows\\System32";
    std::string program = "C:\\Prog\\lumenrig.exe";
    std::map<std::string, std::string, std::less<>> resources;
    std::string current = "C:\\Prog";

    // Every call of the open action, in order; one without a file fails, as on the real systems.
    struct Opened {
        std::string verb;
        std::string file;
        std::string parameters;
    };
    std::vector<Opened> opened;
    bool refuseOpen = false;  // the open action fails (no program for the file), still recorded

    // Creates the file and its folders.
    void putFile(std::string_view path, std::string bytes);
    std::optional<std::string> file(std::string_view path) const;
    void addFolder(std::string_view path);
    // Writes and deletions in the folder fail.
    void setReadOnly(std::string_view folder);
    // Reading the file fails (as a file locked by another program).
    void setUnreadable(std::string_view path);

    std::string windowsFolder() override { return windows; }
    std::string tempFolder() override { return temp; }
    std::string systemFolder() override { return systemDir; }
    std::string programFile() override { return program; }
    std::optional<std::string> resourceText(std::string_view name) override;
    FileRead readFile(std::string_view path, std::size_t limit) override;
    bool replaceFile(std::string_view path, std::string_view bytes) override;
    bool deleteFile(std::string_view path) override;
    bool fileExists(std::string_view path) override;
    std::vector<FolderEntry> listFolder(std::string_view path) override;
    bool open(std::string_view verb, std::string_view file, std::string_view parameters) override;
    std::string currentFolder() override { return current; }
    // Only into a folder that exists.
    bool setCurrentFolder(std::string_view path) override;
    Registry& registry() override { return registry_; }

  private:
    struct Entry {
        std::string path;  // normalized
        bool folder = false;
        std::string bytes;
    };
    Entry* find(const std::string& path);
    bool writableFolder(const std::string& folder);

    std::vector<Entry> entries_;  // in creation order
    std::set<std::string> readOnly_;
    std::set<std::string> unreadable_;
    IniRegistry registry_;
};

}  // namespace settings
