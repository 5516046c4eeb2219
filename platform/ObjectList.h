#pragma once
// The owning list of the model: holds heap objects by pointer, in order, and deletes them when
// it is emptied or destroyed. Callers see plain pointers, as every list of the model hands its
// objects around by pointer while the list keeps them alive.
#include <algorithm>
#include <cstddef>
#include <vector>

template <class T>
class OwningList {
public:
    OwningList() = default;
    OwningList(const OwningList&) = delete;
    OwningList& operator=(const OwningList&) = delete;
    OwningList(OwningList&& other) noexcept : items_(std::move(other.items_)) { other.items_.clear(); }
    OwningList& operator=(OwningList&& other) noexcept {
        if (this != &other) {
            DeleteAll();
            items_ = std::move(other.items_);
            other.items_.clear();
        }
        return *this;
    }
    ~OwningList() { DeleteAll(); }

    // Takes ownership.
    T* Add(T* item) {
        items_.push_back(item);
        return item;
    }
    T* InsertAt(size_t index, T* item) {
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(std::min(index, items_.size())), item);
        return item;
    }
    // Removes the item without deleting it and hands ownership back; false when it is not here.
    bool Release(const T* item) {
        auto it = std::find(items_.begin(), items_.end(), item);
        if (it == items_.end()) return false;
        items_.erase(it);
        return true;
    }
    T* ReleaseAt(size_t index) {
        T* item = items_[index];
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
        return item;
    }
    // Removes and deletes the item; false when it is not here.
    bool Delete(const T* item) {
        if (!Release(item)) return false;
        delete item;
        return true;
    }
    // Deletes every object in list order, skipping nulls, and empties the list.
    void DeleteAll() {
        std::vector<T*> items;
        items.swap(items_);
        for (T* item : items) delete item;
    }

    bool Contains(const T* item) const { return std::find(items_.begin(), items_.end(), item) != items_.end(); }
    // Index of the item, or -1.
    int IndexOf(const T* item) const {
        auto it = std::find(items_.begin(), items_.end(), item);
        return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    }
    template <class Pred>
    T* FindIf(Pred pred) const {
        for (T* item : items_)
            if (item && pred(item)) return item;
        return nullptr;
    }

    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    T* operator[](size_t index) const { return items_[index]; }
    T* front() const { return items_.front(); }
    T* back() const { return items_.back(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    // A copy of the pointers, for walks that may change the list.
    std::vector<T*> Snapshot() const { return items_; }
    // Reorders the pointers (sorting, moving); the set of objects must stay the same.
    std::vector<T*>& Pointers() { return items_; }

private:
    std::vector<T*> items_;
};

// The one shared way in which owners free their lists.
template <class T>
void DeleteAllObjects(OwningList<T>& list) {
    list.DeleteAll();
}
