#pragma once
// The selected windows of a window view, in the order selected, each with the identifier by
// which it is found again after undo or redo replaced the model's objects.
#include <string>
#include <vector>

class CWindowKav;
class CWindowList;

class DialogSelection {
public:
    const std::vector<CWindowKav*>& Windows() const { return windows_; }
    bool Empty() const { return windows_.empty(); }
    std::size_t Size() const { return windows_.size(); }
    bool Contains(const CWindowKav* window) const;

    void Clear();
    void Add(CWindowKav* window);
    void Remove(const CWindowKav* window);
    void Assign(const std::vector<CWindowKav*>& windows);
    // Keeps only the windows for which keep holds.
    template <class Keep>
    void KeepOnly(Keep keep) {
        std::vector<CWindowKav*> kept;
        for (CWindowKav* window : windows_)
            if (keep(window)) kept.push_back(window);
        Assign(kept);
    }
    // Each window is replaced by the table's window of its identifier, or leaves. Reads only the
    // identifiers: the windows themselves may be gone.
    void Rebind(CWindowList& windows);

private:
    std::vector<CWindowKav*> windows_;
    std::vector<std::string> ids_;
};
