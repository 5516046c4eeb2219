#pragma once
// The top of each tree that the links made so far form, for linking objects that start without
// parents one child at a time. A link closes a cycle exactly when its child is the top of its
// parent's tree, so no link walks up from its parent; paths are halved on every look-up, so a
// whole hierarchy, however deep, costs about as much as its number of links.
#include <unordered_map>

template <class T>
class TreeTops {
public:
    const T* Top(const T* node) {
        for (auto up = up_.find(node); up != up_.end(); up = up_.find(node)) {
            if (auto grand = up_.find(up->second); grand != up_.end()) up->second = grand->second;
            node = up->second;
        }
        return node;
    }
    // The child, the top of a tree of its own, now stands below the top of another.
    void Linked(const T* child, const T* top) { up_[child] = top; }

private:
    std::unordered_map<const T*, const T*> up_;
};
