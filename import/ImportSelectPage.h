#pragma once
// One page of the project data import: a tree that shows the open project's objects of one
// kind merged with those of the other project, marks each imported object new, changed,
// renamed or moved, and keeps the user's checks by fixed rules. On OK the page deletes from
// the other project every object of its kind that is not checked. The four pages differ only
// in how they find, name and place objects; this class holds everything else.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/ImportTreeItem.h"

class CApplicationKav;
class CKavroObj;
class CProjectDataImportDlg;
class CTaskKav;

class CImportSelectPage {
public:
    explicit CImportSelectPage(CProjectDataImportDlg& dialog) : dialog_(dialog) {}
    virtual ~CImportSelectPage() = default;
    CImportSelectPage(const CImportSelectPage&) = delete;
    CImportSelectPage& operator=(const CImportSelectPage&) = delete;

    // Builds and shows the tree; a failure shows its message with the stop icon and leaves the
    // tree empty (the items built so far stay in the item tree).
    virtual void OnInitDialog();
    CImportTreeItem* GetRoot() const { return root_.get(); }

    // The user toggled the item's check box.
    void OnCheckBoxClicked(CImportTreeItem& item);
    // Checks or unchecks the items the flags pick: new ones, changed ones, and with automatic
    // set those the checked tasks use (after the marks were renewed).
    virtual void Autoselect(int value, int newItems, int changedItems, int automatic);
    // Clears the automatic marks below the item and redraws its check boxes from the selection.
    void ClearMarks(CImportTreeItem& item);
    // Deletes from the other project every object of the page's kind that is not checked.
    int RemoveUnselected();

    int GetAutoselect() const { return autoselect_; }
    void SetAutoselect(int on) { autoselect_ = on; }

    // The children the tree shows under an item, in the order the tree sorts them (by text).
    static std::vector<CImportTreeItem*> ShownChildren(const CImportTreeItem& item);
    static bool IsChecked(const CImportTreeItem& item) { return item.look.checkState == 2 || item.look.checkState == 4; }

protected:
    // ---- What each kind says
    // The other project's objects of the kind, in list order.
    virtual std::vector<CKavroObj*> OtherObjects() const = 0;
    // The identifier by which children name their parent, and the parent's one ("" when flat).
    virtual std::string IdOf(const CKavroObj& object) const = 0;
    virtual std::string ParentIdOf(const CKavroObj& object) const = 0;
    // The open project's duplicate of an imported object, or null.
    virtual CKavroObj* FindDuplicate(const CKavroObj& imported) const = 0;
    virtual std::string NameOf(const CKavroObj& object) const = 0;
    virtual bool IsSamePlace(const CKavroObj& duplicate, const CKavroObj& imported) const = 0;
    virtual bool IsHierarchical() const { return true; }
    // The root item with the open project's editable objects below it; null leaves the page empty.
    virtual std::unique_ptr<CImportTreeItem> BuildOpenItems() = 0;
    // Adds the other project's top-level objects under the root; false on a failure.
    virtual bool AddTopLevelItems();
    virtual int ImageOf(const CImportTreeItem& item) const = 0;
    // Marks what the checked task uses (automatic selection).
    virtual void MarkUsedBy(CTaskKav& /*task*/) {}
    // Removes the object from the other project's list and deletes it.
    virtual void DeleteOtherObject(CKavroObj* object) = 0;
    // The data page: nothing is selected automatically, so no automatic check states either.
    virtual bool UsesAutomaticSelection() const { return true; }

    // ---- Shared pieces
    CApplicationKav& OpenProject() const;
    CApplicationKav& OtherProject() const;
    CProjectDataImportDlg& Dialog() const { return dialog_; }
    std::string RootText() const;
    // The item further children go under; null on a failure (the message in the buffer).
    CImportTreeItem* AddImportedItem(CKavroObj& object, CImportTreeItem* parent);
    // The file check of an imported object: 1 offered, 0 skipped (read-only file), -1 no file (F0137).
    int CheckOtherFile(const CKavroObj& object) const;
    void SetCheckSubtree(CImportTreeItem& item, int value, int newItems, int changedItems, int keepSelected);
    void CheckAncestors(CImportTreeItem& item);
    // Marks an object of the other project as selected automatically.
    static void Mark(CKavroObj* object);
    void ShowTree();
    // The other project's objects of the kind below a parent identifier, in list order.
    const std::vector<CKavroObj*>& ChildrenOf(const std::string& parentId) const;
    // Shows the message in the global message buffer with the stop icon.
    static void ShowFailure();

    std::unique_ptr<CImportTreeItem> root_;

private:
    void InsertChildren(CImportTreeItem& item);
    void UpdateItemAppearance(CImportTreeItem& item);
    void IndexChildren();

    CProjectDataImportDlg& dialog_;
    int autoselect_ = 0;
    std::unordered_map<std::string, std::vector<CKavroObj*>> childrenByParentId_;
};
