#pragma once
// The file names of one kind of object page ("WND_", "TASK_", "TC_") and of its picture: the
// prefix and the object's name made safe for a file name. A later object whose name matches an
// earlier one's without regard to case gets "_2", "_3", ... after it, so that no page is written
// over another; its links carry the same name.
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

class PageNames {
public:
    explicit PageNames(std::string prefix) : prefix_(std::move(prefix)) {}

    // Names the object's page; objects are added in the order their pages are written.
    const std::string& Add(const void* object, std::string_view name);
    // The name given to the object, or, for one without a page, the prefix and its safe name.
    std::string Find(const void* object, std::string_view name) const;
    // With the extension: "WND_Login.htm".
    std::string Page(const void* object, std::string_view name) const { return Find(object, name) + ".htm"; }
    std::string Picture(const void* object, std::string_view name) const { return Find(object, name) + ".png"; }

private:
    std::string prefix_;
    std::unordered_map<const void*, std::string> names_;
    // The names given, lower-cased.
    std::unordered_set<std::string> taken_;
};
