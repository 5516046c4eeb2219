#include "shell/RecentFileList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/Registry.h"

namespace {

const std::string kRecentFileKey = std::string(kProductKey) + "\\Recent File List";

std::string EntryName(std::size_t index) { return "File" + std::to_string(index + 1); }

std::string Absolute(const std::string& path) {
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    return absolute.empty() ? path : absolute.lexically_normal().string();
}

}  // namespace

RecentFileList::RecentFileList(std::size_t capacity) : capacity_(capacity) {
    for (std::size_t i = 0; i < capacity_; ++i) {
        const std::string path = ReadRegistryString(SettingsHive::CurrentUser, kRecentFileKey, EntryName(i));
        if (!path.empty()) entries_.push_back(path);
    }
}

void RecentFileList::Add(const std::string& path) {
    if (path.empty() || capacity_ == 0) return;
    const std::string absolute = Absolute(path);
    entries_.erase(std::remove(entries_.begin(), entries_.end(), absolute), entries_.end());
    entries_.insert(entries_.begin(), absolute);
    if (entries_.size() > capacity_) entries_.resize(capacity_);
    Save();
}

void RecentFileList::Remove(std::size_t index) {
    if (index >= entries_.size()) return;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    Save();
}

std::string RecentFileList::GetFileName(std::size_t index) const {
    return index < entries_.size() ? entries_[index] : std::string();
}

std::string RecentFileList::GetDisplayName(std::size_t index, std::size_t maxLength) const {
    if (index >= entries_.size()) return {};
    std::string shown(1, '&');
    shown += std::to_string(index + 1);
    shown += ' ';
    // An ampersand of the path is shown, not taken as the item's mnemonic.
    for (char c : AbbreviatePath(entries_[index], maxLength)) {
        if (c == '&') shown += '&';
        shown += c;
    }
    return shown;
}

void RecentFileList::Save() const {
    // Every slot is written, so that a removed entry does not come back with the next start.
    for (std::size_t i = 0; i < capacity_; ++i)
        WriteRegistryString(SettingsHive::CurrentUser, kRecentFileKey, EntryName(i), GetFileName(i), kRegistryText);
}

std::string AbbreviatePath(const std::string& path, std::size_t maxLength) {
    if (path.size() <= maxLength) return path;
    const std::string name = path.substr(path.find_last_of('/') + 1);
    // The root stays, "..." stands for the leading folders, and the tail begins at a separator.
    const std::string head = path[0] == '/' ? "/..." : "...";
    for (std::size_t separator = path.find('/', 1); separator != std::string::npos;
         separator = path.find('/', separator + 1)) {
        if (head.size() + path.size() - separator <= maxLength) return head + path.substr(separator);
    }
    return name.substr(0, maxLength);
}
