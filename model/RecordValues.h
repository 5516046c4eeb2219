#pragma once
// The values of a data record by field unique id, in key order. One sorted array, not a tree node
// per value: generation makes records by the hundred thousand, and their values are most of them.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class RecordValues {
public:
    using Entry = std::pair<std::string, std::string>;
    using const_iterator = std::vector<Entry>::const_iterator;

    RecordValues() = default;
    // A key given twice keeps its first value.
    RecordValues(std::initializer_list<Entry> entries);

    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    void reserve(std::size_t count) { entries_.reserve(count); }

    const_iterator find(std::string_view key) const;
    std::size_t count(std::string_view key) const { return find(key) == end() ? 0 : 1; }
    // Throws std::out_of_range for a key without a value.
    const std::string& at(std::string_view key) const;

    // Adds the key in its place or replaces its value.
    void Set(std::string_view key, std::string value);
    std::size_t erase(std::string_view key);

    bool operator==(const RecordValues& other) const = default;

private:
    const_iterator LowerBound(std::string_view key) const;

    // Sorted by key, each key once.
    std::vector<Entry> entries_;
};
