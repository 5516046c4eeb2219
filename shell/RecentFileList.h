#pragma once
// The list of recently opened projects, newest first, kept in the settings as "File1" to
// "File<n>" under the product key's "Recent File List".
#include <cstddef>
#include <string>
#include <vector>

class RecentFileList {
public:
    // Reads the entries from the settings.
    explicit RecentFileList(std::size_t capacity);

    // Puts the file first, as an absolute path; an entry for the same file moves up, and the
    // oldest entry drops out of a full list. The settings follow at once.
    void Add(const std::string& path);
    // Removes the entry at the index (nothing for an index out of range).
    void Remove(std::size_t index);

    std::size_t Size() const { return entries_.size(); }
    std::size_t Capacity() const { return capacity_; }
    // The path of the entry, or "" when the index is not below the size.
    std::string GetFileName(std::size_t index) const;
    // The entry as a menu shows it: "&1 " and the path shortened to maxLength characters, its
    // ampersands doubled.
    std::string GetDisplayName(std::size_t index, std::size_t maxLength) const;

private:
    void Save() const;

    std::size_t capacity_;
    std::vector<std::string> entries_;
};

// The path, when longer than maxLength, as its root, "..." and the longest tail of folders that
// fits before the file name; a file name that does not fit on its own is cut at the end.
std::string AbbreviatePath(const std::string& path, std::size_t maxLength);
