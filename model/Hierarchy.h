#pragma once
// The parent/child links of tasks, requirements and windows: child lists that do not own, and
// parent pointers that agree with them.
#include <algorithm>
#include <vector>

template <class T>
bool HasChild(const std::vector<T*>& children, const T* child) {
    return std::find(children.begin(), children.end(), child) != children.end();
}

// The candidate is the node itself or one of its ancestors: attaching it below the node would
// close a cycle.
template <class T>
bool IsNodeOrAncestor(const T* node, const T* candidate) {
    for (const T* ancestor = node; ancestor; ancestor = ancestor->GetParent())
        if (ancestor == candidate) return true;
    return false;
}

// Takes the child out of the list; false when it is not there.
template <class T>
bool EraseChild(std::vector<T*>& children, const T* child) {
    auto it = std::find(children.begin(), children.end(), child);
    if (it == children.end()) return false;
    children.erase(it);
    return true;
}
