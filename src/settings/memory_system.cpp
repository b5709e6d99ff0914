#include "settings/memory_system.h"

#include "runtime/strings.h"

namespace settings {

namespace {

// "C:/a/./b\" and "C:\a\b" are the same folder.
std::string normalize(std::string_view path) {
    std::string out;
    std::string segment;
    const auto flush = [&] {
        if (!segment.empty() && segment != ".") out.append(out.empty() ? "" : "\\").append(segment);
        segment.clear();
    };
    for (char c : path) {
        if (c == '\\' || c == '/') {
            flush();
        } else {
            segment += c;
        }
    }
    flush();
    return out;
}

std::string parentOf(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

MemorySystem::MemorySystem() : registry_(*this, ":registry:") {}

MemorySystem::Entry* MemorySystem::find(const std::string& path) {
    for (Entry& e : entries_) {
        if (e.path == path) return &e;
    }
    return nullptr;
}

void MemorySystem::addFolder(std::string_view path) {
    const std::string p = normalize(path);
    if (p.empty() || find(p)) return;
    addFolder(parentOf(p));
    entries_.push_back({p, true, {}});
}

void MemorySystem::putFile(std::string_view path, std::string bytes) {
    const std::string p = normalize(path);
    addFolder(parentOf(p));
    if (Entry* e = find(p)) {
        e->bytes = std::move(bytes);
    } else {
        entries_.push_back({p, false, std::move(bytes)});
    }
}

std::optional<std::string> MemorySystem::file(std::string_view path) const {
    const std::string p = normalize(path);
    for (const Entry& e : entries_) {
        if (e.path == p && !e.folder) return e.bytes;
    }
    return std::nullopt;
}

void MemorySystem::setReadOnly(std::string_view folder) {
    readOnly_.insert(normalize(folder));
}

void MemorySystem::setUnreadable(std::string_view path) {
    unreadable_.insert(normalize(path));
}

std::optional<std::string> MemorySystem::resourceText(std::string_view name) {
    for (const auto& [key, text] : resources) {
        if (key.size() == name.size() && lr::compareIgnoringCase(key, name) == 0) return text;
    }
    return std::nullopt;
}

FileRead MemorySystem::readFile(std::string_view path, std::size_t limit) {
    const std::string p = normalize(path);
    const Entry* e = find(p);
    if (!e) return {};
    if (e->folder || unreadable_.count(p) || e->bytes.size() > limit) return {FileRead::Status::Failed, {}};
    return {FileRead::Status::Ok, e->bytes};
}

bool MemorySystem::writableFolder(const std::string& folder) {
    const Entry* e = folder.empty() ? nullptr : find(folder);
    return (folder.empty() || (e && e->folder)) && !readOnly_.count(folder);
}

bool MemorySystem::replaceFile(std::string_view path, std::string_view bytes) {
    const std::string p = normalize(path);
    const Entry* e = find(p);
    if (p.empty() || (e && e->folder) || !writableFolder(parentOf(p))) return false;
    putFile(p, std::string(bytes));
    return true;
}

bool MemorySystem::deleteFile(std::string_view path) {
    const std::string p = normalize(path);
    const Entry* e = find(p);
    if (!e || e->folder || !writableFolder(parentOf(p))) return false;
    entries_.erase(entries_.begin() + (e - entries_.data()));
    return true;
}

bool MemorySystem::fileExists(std::string_view path) {
    const Entry* e = find(normalize(path));
    return e && !e->folder;
}

std::vector<FolderEntry> MemorySystem::listFolder(std::string_view path) {
    const std::string p = normalize(path);
    std::vector<FolderEntry> list;
    for (const Entry& e : entries_) {
        if (e.path != p && parentOf(e.path) == p)
            list.push_back({e.path.substr(p.empty() ? 0 : p.size() + 1), e.folder});
    }
    return list;
}

bool MemorySystem::open(std::string_view verb, std::string_view file, std::string_view parameters) {
    opened.push_back({std::string(verb), std::string(file), std::string(parameters)});
    return !refuseOpen && !file.empty();
}

bool MemorySystem::setCurrentFolder(std::string_view path) {
    const std::string p = normalize(path);
    const Entry* e = find(p);
    if (!e || !e->folder) return false;
    current = p;
    return true;
}

}  // namespace settings
