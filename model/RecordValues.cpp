#include "model/RecordValues.h"

#include <algorithm>
#include <stdexcept>

RecordValues::RecordValues(std::initializer_list<Entry> entries) {
    for (const Entry& entry : entries) {
        if (!count(entry.first)) Set(entry.first, entry.second);
    }
}

RecordValues::const_iterator RecordValues::LowerBound(std::string_view key) const {
    // Records are mostly filled in key order: a new last key needs no search.
    if (entries_.empty() || std::string_view(entries_.back().first) < key) return entries_.end();
    return std::lower_bound(entries_.begin(), entries_.end(), key,
                            [](const Entry& entry, std::string_view k) { return std::string_view(entry.first) < k; });
}

RecordValues::const_iterator RecordValues::find(std::string_view key) const {
    const_iterator found = LowerBound(key);
    return found != end() && found->first == key ? found : end();
}

const std::string& RecordValues::at(std::string_view key) const {
    const_iterator found = find(key);
    if (found == end()) throw std::out_of_range("record value of " + std::string(key));
    return found->second;
}

void RecordValues::Set(std::string_view key, std::string value) {
    auto place = entries_.begin() + (LowerBound(key) - begin());
    if (place != entries_.end() && place->first == key)
        place->second = std::move(value);
    else
        entries_.emplace(place, std::string(key), std::move(value));
}

std::size_t RecordValues::erase(std::string_view key) {
    auto place = entries_.begin() + (LowerBound(key) - begin());
    if (place == entries_.end() || place->first != key) return 0;
    entries_.erase(place);
    return 1;
}
