#pragma once
// A workspace page's model tree: a file tree whose other items show model objects. A derived
// tree says how an item looks by what it shows (Dress).
#include "views/trees/FileTree.h"
#include "views/trees/TreeLook.h"

class CModelTree : public CFileTree {
public:
    // The model object of an item below the files, whose type the tree knows; null for a file
    // item.
    void* ObjectDataOf(int item) const { return KindOf(item) == kObjectItem ? DataOf(item) : nullptr; }

protected:
    // A new item of the object among the parent's children at the index, dressed.
    int Insert(int parent, std::size_t index, void* object) {
        return InsertItemAt(parent, index, std::string(), kObjectItem, object);
    }
    // The same as the parent's last child.
    int Append(int parent, void* object) { return Insert(parent, Children(parent).size(), object); }

private:
    static constexpr int kObjectItem = kFileItem + 1;
};
