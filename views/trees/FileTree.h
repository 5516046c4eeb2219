#pragma once
// A workspace tree whose roots show the project's files: the main file's item ("Project " and
// its name) first, then one item ("Library " and its name) for each library that has a name,
// sorted by text. Below them each tree puts its own model objects.
#include <functional>
#include <string>

#include "views/trees/ItemTree.h"

class CApplicationKav;
class CFileKav;

class CFileTree : public CItemTree {
public:
    // The kind of the file items; each tree numbers its own kinds after it.
    static constexpr int kFileItem = 1;

    // The main file's item; kNoItem when there is none.
    int GetProjectItem() const { return Find(projectItem_) ? projectItem_ : kNoItem; }
    // The file of a file item, or null.
    CFileKav* FileOf(int item) const;
    // The file's item, or kNoItem.
    int FileItemOf(const CFileKav* file) const;

    // Adds the files' items to a tree without roots; fillFile gives each its contents once it
    // stands. The project's item is not dragged.
    void AddFileItems(CApplicationKav& project, const std::function<void(int fileItem)>& fillFile);

protected:
    // "Project " or "Library " and the file's name in black, the project's item bold.
    void ShowFileItem(int item, const CApplicationKav& project, int projectImage, int libraryImage);
    // A refused drop: the warning box with its caption.
    static void RefuseDrop(const std::string& text, int captionId);
    // True when the target is a library's item, where nothing is dropped; the user is told so.
    bool RefuseDropOnLibrary(int target) const;

private:
    int projectItem_ = kNoItem;
};
