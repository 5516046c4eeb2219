#pragma once
// The values of a data record by field unique id, in key order. Generation makes records by the
// hundred thousand, all with the same keys and mostly the same few values: a record keeps one
// sorted array of pairs of numbers of shared texts (8 bytes a value), each text kept once for all
// records while some record holds it.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class RecordValues {
public:
    using Text = std::uint32_t;
    struct Entry {
        Text key;
        Text value;
        bool operator==(const Entry&) const = default;
    };
    // A key and its value.
    using value_type = std::pair<const std::string&, const std::string&>;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = RecordValues::value_type;
        using difference_type = std::ptrdiff_t;
        using reference = value_type;
        struct pointer {
            value_type pair;
            const value_type* operator->() const { return &pair; }
        };

        const_iterator() = default;
        explicit const_iterator(const Entry* entry) : entry_(entry) {}
        value_type operator*() const;
        pointer operator->() const { return {**this}; }
        const_iterator& operator++() {
            ++entry_;
            return *this;
        }
        const_iterator operator++(int) { return const_iterator(entry_++); }
        difference_type operator-(const const_iterator& other) const { return entry_ - other.entry_; }
        bool operator==(const const_iterator& other) const = default;

    private:
        friend class RecordValues;
        const Entry* entry_ = nullptr;
    };

    RecordValues() = default;
    // A key given twice keeps its first value.
    RecordValues(std::initializer_list<std::pair<std::string_view, std::string_view>> entries);
    RecordValues(const RecordValues& other);
    RecordValues(RecordValues&& other) noexcept : entries_(std::move(other.entries_)) {}
    RecordValues& operator=(const RecordValues& other);
    RecordValues& operator=(RecordValues&& other) noexcept;
    ~RecordValues();

    const_iterator begin() const { return const_iterator(entries_.data()); }
    const_iterator end() const { return const_iterator(entries_.data() + entries_.size()); }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    void reserve(std::size_t count) { entries_.reserve(count); }

    const_iterator find(std::string_view key) const;
    std::size_t count(std::string_view key) const { return find(key) == end() ? 0 : 1; }
    // Throws std::out_of_range for a key without a value.
    const std::string& at(std::string_view key) const;

    // Adds the key in its place or replaces its value.
    void Set(std::string_view key, std::string_view value);
    std::size_t erase(std::string_view key);

    // Equal texts are one shared text: comparing the numbers compares the texts.
    bool operator==(const RecordValues& other) const { return entries_ == other.entries_; }

private:
    std::vector<Entry>::const_iterator LowerBound(std::string_view key) const;

    // Sorted by key text, each key once.
    std::vector<Entry> entries_;
};
