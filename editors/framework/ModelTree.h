#pragma once
// A workspace page's model tree: an item tree whose roots show the project's files and whose
// other items show model objects. A derived tree says how an item looks by what it shows
// (Dress); the project's root is the one the page adds to.
#include "views/trees/ItemTree.h"
#include "views/trees/TreeLook.h"

class CFileKav;

class CModelTree : public CItemTree {
public:
    // The main file's root item; kNoItem when there is none.
    int GetProjectRoot() const { return Find(projectRoot_) ? projectRoot_ : kNoItem; }
    // The file of a root item; null for the others.
    CFileKav* FileOf(int item) const;
    // The model object of any other item, whose type the tree knows; null for a root item.
    void* ObjectDataOf(int item) const;

protected:
    // Deletes every item.
    void Clear() { DeleteAllItems(); }
    // A new item among the parent's children at the index, dressed.
    int Insert(int parent, std::size_t index, CFileKav* file, void* object);
    // The same as the parent's last child.
    int Append(int parent, CFileKav* file, void* object) {
        return Insert(parent, Children(parent).size(), file, object);
    }
    void SetProjectRoot(int item) { projectRoot_ = item; }

private:
    enum ItemKind : int { kFileItem = 1, kObjectItem = 2 };

    int projectRoot_ = kNoItem;
};
