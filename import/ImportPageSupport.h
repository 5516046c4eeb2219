#pragma once
// Pieces the four import pages share: indexing objects by key and taking an object of the
// other project out of its tree before it is deleted.
#include <string>

#include "import/ImportPages.h"

template <class List, class Key>
ImportKeyIndex IndexByKey(const List& objects, Key key) {
    ImportKeyIndex index;
    for (auto* object : objects) index.emplace(key(*object), object);
    return index;
}

inline CKavroObj* FindInIndex(const ImportKeyIndex& index, const std::string& key) {
    auto found = index.find(key);
    return found == index.end() ? nullptr : found->second;
}

// An object of the other project leaves its parent and leaves its children without parent (they
// keep their parent-ID texts), so that deleting it frees nothing that another object still holds.
template <class T>
void DetachFromTree(T& object) {
    if (T* parent = object.GetParent()) parent->RemoveChild(&object);
    const auto children = object.GetChildren();
    for (T* child : children) object.RemoveChild(child);
}
