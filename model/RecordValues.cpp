#include "model/RecordValues.h"

#include <algorithm>
#include <bit>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <unordered_map>

namespace {

// Every text that some record holds, by number, with the count of its holders; a text no record
// holds is forgotten. Texts lie in segments that never move, so they are read without the lock.
class SharedTexts {
public:
    using Text = RecordValues::Text;

    static SharedTexts& Instance() {
        // Never destroyed: records in static objects may go after it.
        static auto* texts = new SharedTexts;
        return *texts;
    }

    std::mutex& Mutex() { return mutex_; }

    // The functions below run under the lock.
    Text Hold(std::string_view text) {
        if (auto known = numbers_.find(text); known != numbers_.end()) {
            ++At(known->second).holders;
            return known->second;
        }
        Text number = next_;
        if (free_.empty()) {
            std::unique_ptr<Node[]>& nodes = segments_[Segment(number)];
            if (!nodes) nodes = std::make_unique<Node[]>(std::size_t{1} << (Segment(number) + kFirstSegmentBits));
            ++next_;
        } else {
            number = free_.back();
            free_.pop_back();
        }
        Node& node = At(number);
        node.text = text;
        node.holders = 1;
        numbers_.emplace(node.text, number);
        return number;
    }
    void HoldAgain(Text number) { ++At(number).holders; }
    void Drop(Text number) {
        Node& node = At(number);
        if (--node.holders > 0) return;
        numbers_.erase(node.text);
        node.text = std::string();
        free_.push_back(number);
    }

    const std::string& Get(Text number) { return At(number).text; }

private:
    struct Node {
        std::string text;
        std::uint32_t holders = 0;
    };
    static constexpr unsigned kFirstSegmentBits = 10;
    // Segment s holds 1024 << s texts: 23 segments number every 32-bit value.
    static constexpr int kSegments = 23;

    static int Segment(Text number) { return static_cast<int>(std::bit_width((number >> kFirstSegmentBits) + 1)) - 1; }
    Node& At(Text number) {
        const int segment = Segment(number);
        return segments_[segment][number - (((Text{1} << segment) - 1) << kFirstSegmentBits)];
    }

    std::mutex mutex_;
    std::unique_ptr<Node[]> segments_[kSegments];
    Text next_ = 0;
    std::vector<Text> free_;
    std::unordered_map<std::string_view, Text> numbers_;
};

const std::string& TextOf(RecordValues::Text number) { return SharedTexts::Instance().Get(number); }

}  // namespace

RecordValues::value_type RecordValues::const_iterator::operator*() const {
    return {TextOf(entry_->key), TextOf(entry_->value)};
}

RecordValues::RecordValues(std::initializer_list<std::pair<std::string_view, std::string_view>> entries) {
    for (const auto& [key, value] : entries) {
        if (!count(key)) Set(key, value);
    }
}

RecordValues::RecordValues(const RecordValues& other) : entries_(other.entries_) {
    SharedTexts& texts = SharedTexts::Instance();
    std::lock_guard lock(texts.Mutex());
    for (const Entry& entry : entries_) {
        texts.HoldAgain(entry.key);
        texts.HoldAgain(entry.value);
    }
}

RecordValues& RecordValues::operator=(const RecordValues& other) {
    if (this != &other) *this = RecordValues(other);
    return *this;
}

RecordValues& RecordValues::operator=(RecordValues&& other) noexcept {
    std::swap(entries_, other.entries_);
    return *this;
}

RecordValues::~RecordValues() {
    if (entries_.empty()) return;
    SharedTexts& texts = SharedTexts::Instance();
    std::lock_guard lock(texts.Mutex());
    for (const Entry& entry : entries_) {
        texts.Drop(entry.key);
        texts.Drop(entry.value);
    }
}

std::vector<RecordValues::Entry>::const_iterator RecordValues::LowerBound(std::string_view key) const {
    // Records are mostly filled in key order: a new last key needs no search.
    if (entries_.empty() || std::string_view(TextOf(entries_.back().key)) < key) return entries_.end();
    return std::lower_bound(entries_.begin(), entries_.end(), key,
                            [](const Entry& entry, std::string_view k) { return std::string_view(TextOf(entry.key)) < k; });
}

RecordValues::const_iterator RecordValues::find(std::string_view key) const {
    auto found = LowerBound(key);
    return found != entries_.end() && TextOf(found->key) == key ? const_iterator(&*found) : end();
}

const std::string& RecordValues::at(std::string_view key) const {
    const_iterator found = find(key);
    if (found == end()) throw std::out_of_range("record value of " + std::string(key));
    return TextOf(found.entry_->value);
}

void RecordValues::Set(std::string_view key, std::string_view value) {
    auto place = entries_.begin() + (LowerBound(key) - entries_.cbegin());
    SharedTexts& texts = SharedTexts::Instance();
    std::lock_guard lock(texts.Mutex());
    const Text held = texts.Hold(value);
    if (place != entries_.end() && TextOf(place->key) == key) {
        texts.Drop(place->value);
        place->value = held;
    } else {
        entries_.insert(place, {texts.Hold(key), held});
    }
}

std::size_t RecordValues::erase(std::string_view key) {
    auto place = entries_.begin() + (LowerBound(key) - entries_.cbegin());
    if (place == entries_.end() || TextOf(place->key) != key) return 0;
    SharedTexts& texts = SharedTexts::Instance();
    std::lock_guard lock(texts.Mutex());
    texts.Drop(place->key);
    texts.Drop(place->value);
    entries_.erase(place);
    return 1;
}
