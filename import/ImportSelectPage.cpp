#include "import/ImportSelectPage.h"

#include <algorithm>

#include "import/ProjectDataImportDlg.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kFileIdMissing = 41137;     // [F0137]
constexpr int kItemMissing = 41151;       // [F0151]
constexpr int kParentItemMissing = 41153;  // [F0153]

constexpr ImportItemLook::Colour kNewColour{5, 130, 10};
constexpr ImportItemLook::Colour kChangedColour{255, 0, 0};
constexpr ImportItemLook::Colour kUnchangedColour{0, 0, 255};
constexpr ImportItemLook::Colour kMovedAwayColour{100, 100, 100};
constexpr ImportItemLook::Colour kOpenColour{0, 0, 0};

const std::vector<CKavroObj*> kNoChildren;

}  // namespace

CApplicationKav& CImportSelectPage::OpenProject() const { return *CurrentApplication; }

CApplicationKav& CImportSelectPage::OtherProject() const { return *dialog_.GetOtherProject(); }

std::string CImportSelectPage::RootText() const { return "Project " + OpenProject().GetName(); }

void CImportSelectPage::ShowFailure() {
    GetInteraction().ShowMessage({GetGlobalMessageBuffer(), "", MessageButtons::Ok, MessageIcon::Error});
}

void CImportSelectPage::OnInitDialog() {
    IndexChildren();
    root_ = BuildOpenItems();
    if (!root_) return;
    if (!AddTopLevelItems()) {
        ShowFailure();
        return;
    }
    ShowTree();
}

void CImportSelectPage::IndexChildren() {
    childrenByParentId_.clear();
    if (!IsHierarchical()) return;
    for (CKavroObj* object : OtherObjects())
        if (std::string parentId = ParentIdOf(*object); !parentId.empty())
            childrenByParentId_[parentId].push_back(object);
}

const std::vector<CKavroObj*>& CImportSelectPage::ChildrenOf(const std::string& parentId) const {
    auto found = childrenByParentId_.find(parentId);
    return found == childrenByParentId_.end() ? kNoChildren : found->second;
}

int CImportSelectPage::CheckOtherFile(const CKavroObj& object) const {
    const CFileKav* file = OtherProject().FindFile(object.GetFileId(), true);
    if (!file) {
        SetMessage(kFileIdMissing);
        return -1;
    }
    return file->IsReadOnly() ? 0 : 1;
}

bool CImportSelectPage::AddTopLevelItems() {
    for (CKavroObj* object : OtherObjects()) {
        if (!ParentIdOf(*object).empty()) continue;
        const int offered = CheckOtherFile(*object);
        if (offered < 0) return false;
        if (offered && !AddImportedItem(*object, root_.get())) return false;
    }
    return true;
}

CImportTreeItem* CImportSelectPage::AddImportedItem(CKavroObj& object, CImportTreeItem* parent) {
    if (!parent) {
        SetMessage(kParentItemMissing);
        return nullptr;
    }
    CKavroObj* duplicate = FindDuplicate(object);
    if (duplicate && !duplicate->IsEditable(false)) return parent;

    CImportTreeItem* item = parent->AddChild(new CImportTreeItem(&object, true));
    CImportTreeItem* counterpart = nullptr;
    if (duplicate) {
        counterpart = duplicate->GetImportItem();
        if (!counterpart) {
            SetMessage(kItemMissing);
            return nullptr;
        }
        item->counterpart = counterpart;
        counterpart->counterpart = item;
        item->changed = duplicate->IsEqual(&object) ? 0 : 1;
        item->oldName = NameOf(*duplicate);
        item->newName = NameOf(object);
        const bool renamed = item->oldName != item->newName;
        if (renamed) item->displayText = item->newName + " <= " + item->oldName;
        if (IsSamePlace(*duplicate, object)) {
            item->sameParent = counterpart->sameParent = 1;
        } else {
            item->changed = 1;
            if (renamed) counterpart->displayText = item->oldName + " => " + item->newName;
        }
    }
    if (!IsHierarchical()) return item;

    for (CKavroObj* child : ChildrenOf(IdOf(object))) {
        const int offered = CheckOtherFile(*child);
        if (offered < 0) return nullptr;
        if (offered && !AddImportedItem(*child, item)) return nullptr;
    }
    item->UpdateHasNewOrChanged();
    if (counterpart) {
        for (CImportTreeItem* moved : counterpart->children) item->children.push_back(moved);
        counterpart->children.clear();
    }
    return item;
}

void CImportSelectPage::ShowTree() {
    root_->inTree = true;
    UpdateItemAppearance(*root_);
    InsertChildren(*root_);
}

void CImportSelectPage::InsertChildren(CImportTreeItem& item) {
    for (CImportTreeItem* child : item.children) {
        if (!child->fromOtherProject && child->counterpart && child->sameParent) continue;
        child->inTree = true;
        UpdateItemAppearance(*child);
        InsertChildren(*child);
    }
}

std::vector<CImportTreeItem*> CImportSelectPage::ShownChildren(const CImportTreeItem& item) {
    std::vector<CImportTreeItem*> shown;
    for (CImportTreeItem* child : item.children)
        if (child->inTree) shown.push_back(child);
    std::stable_sort(shown.begin(), shown.end(), [](const CImportTreeItem* a, const CImportTreeItem* b) {
        return CompareNoCase(a->displayText, b->displayText) < 0;
    });
    return shown;
}

void CImportSelectPage::UpdateItemAppearance(CImportTreeItem& item) {
    ImportItemLook& look = item.look;
    if (item.fromOtherProject) {
        look.checkState = 1;
        if (!item.counterpart) {
            look.textColour = kNewColour;
            look.fontStyle = ImportItemLook::kBold;
        } else if (item.changed) {
            look.textColour = kChangedColour;
            look.fontStyle = item.sameParent ? ImportItemLook::kBold : ImportItemLook::kBoldItalic;
        } else {
            look.textColour = kUnchangedColour;
            look.fontStyle = item.hasNewOrChanged ? ImportItemLook::kBold : ImportItemLook::kRegular;
        }
    } else {
        look.checkState = &item == root_.get() ? 1 : 0;
        const bool movedAway = item.counterpart && !item.sameParent;
        look.textColour = movedAway ? kMovedAwayColour : kOpenColour;
        look.fontStyle = movedAway ? ImportItemLook::kItalic : ImportItemLook::kRegular;
    }
    look.image = ImageOf(item);
}

// ---- Checks

void CImportSelectPage::SetCheckSubtree(CImportTreeItem& item, int value, int newItems, int changedItems,
                                        int keepSelected) {
    const bool isRoot = &item == root_.get();
    if (!item.fromOtherProject && !isRoot) {
        item.look.checkState = 0;
        return;
    }
    const bool both = newItems && changedItems;
    const bool apply = isRoot ? both
                              : both || (changedItems && item.changed) || (newItems && !item.counterpart) ||
                                    (keepSelected && item.selected);
    if (apply) {
        item.selected = value;
        const bool automatic = item.autoSelected && UsesAutomaticSelection();
        item.look.checkState = value ? (automatic ? 4 : 2) : (automatic ? 3 : 1);
        if (value && !item.counterpart) CheckAncestors(item);
    }
    for (CImportTreeItem* child : item.children)
        if (child->inTree) SetCheckSubtree(*child, value, newItems, changedItems, keepSelected);
}

void CImportSelectPage::CheckAncestors(CImportTreeItem& item) {
    CImportTreeItem* below = &item;
    for (CImportTreeItem* ancestor = item.parent; ancestor; below = ancestor, ancestor = ancestor->parent) {
        if (!ancestor->fromOtherProject || ancestor->counterpart || below->counterpart) continue;
        if (ancestor->look.checkState != 4 || !UsesAutomaticSelection()) ancestor->look.checkState = 2;
        ancestor->selected = 1;
    }
}

void CImportSelectPage::OnCheckBoxClicked(CImportTreeItem& item) {
    if (!item.inTree || item.look.checkState == 0) return;
    const int value = IsChecked(item) ? 0 : 1;
    item.look.checkState = value ? 2 : 1;
    // Checking a new item checks its new ancestors on the way.
    SetCheckSubtree(item, value, 1, 1, 1);
    if (!UsesAutomaticSelection()) return;
    if (!item.fromOtherProject && &item != root_.get()) return;
    ClearMarks(*root_);
    if (autoselect_) Autoselect(1, 0, 0, 1);
    dialog_.OnPageClicked(*this);
}

void CImportSelectPage::Autoselect(int value, int newItems, int changedItems, int automatic) {
    if (!root_ || !root_->inTree) return;
    if (automatic) {
        ClearMarks(*root_);
        if (value == 1)
            for (CTaskKav* task : OtherProject().GetTasks()) {
                const CImportTreeItem* item = task->GetImportItem();
                if (item && item->selected && !task->IsFolder()) MarkUsedBy(*task);
            }
    }
    SetCheckSubtree(*root_, value, newItems, changedItems, automatic);
}

void CImportSelectPage::ClearMarks(CImportTreeItem& item) {
    item.autoVisited = 0;
    item.autoSelected = 0;
    if (item.fromOtherProject && item.inTree) item.look.checkState = item.selected ? 2 : 1;
    for (CImportTreeItem* child : item.children) ClearMarks(*child);
}

void CImportSelectPage::Mark(CKavroObj* object) {
    if (!object) return;
    if (CImportTreeItem* item = object->GetImportItem()) {
        item->selected = 1;
        item->autoSelected = 1;
    }
}

int CImportSelectPage::RemoveUnselected() {
    for (CKavroObj* object : OtherObjects()) {
        CImportTreeItem* item = object->GetImportItem();
        if (item && item->selected) continue;
        if (item) item->object = nullptr;
        DeleteOtherObject(object);
    }
    return 1;
}
