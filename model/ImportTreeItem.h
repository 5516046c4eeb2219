#pragma once
// A node of the trees that the project data import shows: the object it stands for, its
// counterpart in the other project, how the tree shows it and whether the user ticked it. The
// item registers itself as its object's import item; it owns its child items, never the object.
#include <string>
#include <vector>

class CKavroObj;

// How a tree shows an item: the state of its check box (0 none, 1 unchecked, 2 checked, 3 and
// 4 unchecked and checked by the automatic selection), text colour, font style and image.
struct ImportItemLook {
    enum FontStyle : int { kRegular = 0, kBold = 1, kItalic = 2, kBoldItalic = 3 };
    struct Colour {
        int red = 0, green = 0, blue = 0;
        bool operator==(const Colour&) const = default;
    };
    int checkState = 0;
    Colour textColour;
    int fontStyle = kRegular;
    int image = 0;
};

class CImportTreeItem {
public:
    // An item for an object of the open project (fromOtherProject false) or of the imported one.
    CImportTreeItem(CKavroObj* object, bool fromOtherProject);
    // A tree's root, which stands for a whole project.
    explicit CImportTreeItem(std::string rootText);
    CImportTreeItem(const CImportTreeItem&) = delete;
    CImportTreeItem& operator=(const CImportTreeItem&) = delete;
    virtual ~CImportTreeItem();

    bool IsFromOtherProject() const { return fromOtherProject != 0; }
    // Takes ownership and links the child to this item.
    CImportTreeItem* AddChild(CImportTreeItem* child);
    // 1 as soon as a direct child is new, changed or holds such a child itself.
    int UpdateHasNewOrChanged();

    CKavroObj* object = nullptr;
    CImportTreeItem* parent = nullptr;
    CImportTreeItem* counterpart = nullptr;
    std::vector<CImportTreeItem*> children;
    std::string displayText;
    std::string oldName;
    std::string newName;
    int fromOtherProject = 0;
    int sameParent = 0;
    int selected = 0;
    int changed = 0;
    int hasNewOrChanged = 0;
    int autoVisited = 0;
    int autoSelected = 0;
    // Whether the tree shows the item, and how.
    bool inTree = false;
    ImportItemLook look;
};
