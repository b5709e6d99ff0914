// The system on Windows: program texts (code page 1251) are converted to UTF-16 here, explicitly, and
// every call is a "W" call; the registry is the real one.
#include <windows.h>
// after windows.h
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>

#include "settings/cp1251.h"
#include "settings/system.h"

namespace settings {

namespace {

std::wstring wide(std::string_view text) {
    const std::u16string u = cp1251ToUtf16(text);
    return std::wstring(u.begin(), u.end());
}

std::string narrow(const wchar_t* text, std::size_t length) {
    return utf16ToCp1251(std::u16string_view(reinterpret_cast<const char16_t*>(text), length));
}

// Calls `get(buffer, size)` (a Win32 "fill this buffer" function) with a growing buffer.
template <class Get>
std::string folderFrom(Get get) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = get(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return narrow(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}

struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

Handle openFile(const std::wstring& path, DWORD access, DWORD disposition) {
    HANDLE h = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return Handle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

std::wstring folderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
}

// A writer killed between making its temporary and the move leaves it behind; the next replace in the
// folder removes such files once they are old enough to belong to no writer still at work.
void removeStaleTemporaries(const std::wstring& folder) {
    constexpr ULONGLONG kStaleTicks = 30ull * 10'000'000;  // 30 s in 100 ns units
    FILETIME nowTime{};
    GetSystemTimeAsFileTime(&nowTime);
    const auto ticks = [](FILETIME t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    WIN32_FIND_DATAW found{};
    HANDLE h = FindFirstFileExW((folder + L"lri????.tmp").c_str(), FindExInfoBasic, &found,
                                FindExSearchNameMatch, nullptr, 0);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        const bool plain = !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        if (plain && ticks(nowTime) - ticks(found.ftLastWriteTime) > kStaleTicks)
            DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(h, &found));
    FindClose(h);
}

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using Key = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

HKEY rootKey(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case RegistryRoot::CurrentUser:
            return HKEY_CURRENT_USER;
        case RegistryRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case RegistryRoot::Users:
            return HKEY_USERS;
        case RegistryRoot::CurrentConfig:
            break;
    }
    return HKEY_CURRENT_CONFIG;
}

Key openKey(RegistryRoot root, std::string_view key, REGSAM access) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(rootKey(root), wide(key).c_str(), 0, access, &h) != ERROR_SUCCESS) return Key();
    return Key(h);
}

RegistryValue fromStored(DWORD type, const std::string& data) {
    RegistryValue v;
    if (type == REG_DWORD && data.size() == sizeof(DWORD)) {
        v.type = RegistryValue::Type::Integer;
        std::memcpy(&v.integer, data.data(), sizeof v.integer);
    } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
        std::wstring text(data.size() / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
        text.erase(std::min(text.find(L'\0'), text.size()));
        v.bytes = narrow(text.data(), text.size());
    } else {
        v.type = RegistryValue::Type::Binary;
        v.bytes = data;
    }
    return v;
}

// The shell may hand the file to an extension that needs COM on this thread.
class ComScope {
  public:
    ComScope()
        : owned_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComScope() {
        if (owned_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    bool owned_;
};

class WinRegistry : public Registry {
  public:
    std::optional<RegistryValue> read(RegistryRoot root, std::string_view key,
                                      std::string_view name) override {
        const Key k = openKey(root, key, KEY_READ);
        if (!k) return std::nullopt;
        const std::wstring valueName = wide(name);
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(k.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::string data(size, '\0');
        if (RegQueryValueExW(k.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                             &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        data.resize(size);
        return fromStored(type, data);
    }

    bool write(RegistryRoot root, std::string_view key, std::string_view name,
               const RegistryValue& value) override {
        HKEY h = nullptr;
        if (RegCreateKeyExW(rootKey(root), wide(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h,
                            nullptr) != ERROR_SUCCESS) {
            return false;
        }
        const Key k(h);
        DWORD type = REG_BINARY;
        std::string data = value.bytes;
        if (value.type == RegistryValue::Type::Integer) {
            type = REG_DWORD;
            data.assign(reinterpret_cast<const char*>(&value.integer), sizeof value.integer);
        } else if (value.type == RegistryValue::Type::String) {
            type = REG_SZ;
            const std::wstring text = wide(value.bytes);
            data.assign(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
        }
        return RegSetValueExW(k.get(), wide(name).c_str(), 0, type,
                              reinterpret_cast<const BYTE*>(data.data()),
                              static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
    }

    bool remove(RegistryRoot root, std::string_view key, std::string_view name) override {
        const Key k = openKey(root, key, KEY_SET_VALUE);
        return k && RegDeleteValueW(k.get(), wide(name).c_str()) == ERROR_SUCCESS;
    }
};

class WinSystem : public System {
  public:
    std::string windowsFolder() override {
        return folderFrom([](wchar_t* b, DWORD n) { return GetWindowsDirectoryW(b, n); });
    }
    std::string tempFolder() override {
        return folderFrom([](wchar_t* b, DWORD n) { return GetTempPathW(n, b); });
    }
    std::string systemFolder() override {
        return folderFrom([](wchar_t* b, DWORD n) { return GetSystemDirectoryW(b, n); });
    }
    std::string programFile() override {
        return folderFrom([](wchar_t* b, DWORD n) {
            const DWORD got = GetModuleFileNameW(nullptr, b, n);
            return got == n ? n : got;  // a cut name fills the buffer: ask again with more room
        });
    }

    std::optional<std::string> resourceText(std::string_view name) override {
        HRSRC found = FindResourceW(nullptr, wide(name).c_str(), MAKEINTRESOURCEW(100));
        HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
        const void* bytes = loaded ? LockResource(loaded) : nullptr;
        if (!bytes) return std::nullopt;
        return std::string(static_cast<const char*>(bytes), SizeofResource(nullptr, found));
    }

    FileRead readFile(std::string_view path, std::size_t limit) override {
        const Handle file = openFile(wide(path), GENERIC_READ, OPEN_EXISTING);
        if (!file) {
            const DWORD error = GetLastError();
            const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
            return {missing ? FileRead::Status::Missing : FileRead::Status::Failed, {}};
        }
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(file.get(), &size) || static_cast<unsigned long long>(size.QuadPart) > limit) {
            return {FileRead::Status::Failed, {}};
        }
        FileRead result{FileRead::Status::Ok, std::string(static_cast<std::size_t>(size.QuadPart), '\0')};
        DWORD got = 0;
        if (!result.bytes.empty() && (!ReadFile(file.get(), result.bytes.data(),
                                                static_cast<DWORD>(result.bytes.size()), &got, nullptr) ||
                                      got != result.bytes.size())) {
            return {FileRead::Status::Failed, {}};
        }
        return result;
    }

    bool replaceFile(std::string_view path, std::string_view bytes) override {
        const std::wstring target = wide(path);
        wchar_t temp[MAX_PATH + 1] = {};
        removeStaleTemporaries(folderOf(target));
        if (!GetTempFileNameW(folderOf(target).c_str(), L"lri", 0, temp)) return false;
        bool written = false;
        if (const Handle file = openFile(temp, GENERIC_WRITE, TRUNCATE_EXISTING)) {
            written = writeAll(file.get(), bytes) && FlushFileBuffers(file.get());
        }
        if (!written ||
            !MoveFileExW(temp, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            DeleteFileW(temp);
            return false;
        }
        return true;
    }

    bool deleteFile(std::string_view path) override { return DeleteFileW(wide(path).c_str()) != 0; }

    bool fileExists(std::string_view path) override {
        const DWORD attributes = GetFileAttributesW(wide(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    std::vector<FolderEntry> listFolder(std::string_view path) override {
        std::vector<FolderEntry> entries;
        std::wstring pattern = wide(path);
        if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
        WIN32_FIND_DATAW found{};
        HANDLE h = FindFirstFileExW((pattern + L"*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                    nullptr, 0);
        if (h == INVALID_HANDLE_VALUE) return entries;
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                                !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
            entries.push_back({narrow(name.data(), name.size()), folder});
        } while (FindNextFileW(h, &found));
        FindClose(h);
        return entries;
    }

    // Values above 32 mean started; below are the shell's error codes (file not found, no association).
    bool open(std::string_view verb, std::string_view file, std::string_view parameters) override {
        if (file.empty()) return false;
        const ComScope com;
        const std::wstring wideVerb = wide(verb);
        const std::wstring wideParameters = wide(parameters);
        const HINSTANCE result =
            ShellExecuteW(nullptr, verb.empty() ? nullptr : wideVerb.c_str(), wide(file).c_str(),
                          parameters.empty() ? nullptr : wideParameters.c_str(), nullptr, SW_SHOWNORMAL);
        return reinterpret_cast<INT_PTR>(result) > 32;
    }

    std::string currentFolder() override {
        return folderFrom([](wchar_t* b, DWORD n) { return GetCurrentDirectoryW(n, b); });
    }
    bool setCurrentFolder(std::string_view path) override {
        return !path.empty() && SetCurrentDirectoryW(wide(path).c_str()) != 0;
    }

    Registry& registry() override { return registry_; }

  private:
    WinRegistry registry_;
};

}  // namespace

System& nativeSystem() {
    static WinSystem native;
    return native;
}

}  // namespace settings
