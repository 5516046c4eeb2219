#include "views/picker/WindowSelectDlg.h"

#include <set>

#include "conditions/ValueTypes.h"
#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "resources/MessageCatalogue.h"
#include "views/trees/TreeLook.h"

namespace {

constexpr int kWindowSelectionTitle = 49302;
constexpr int kDataSelectionTitle = 49303;
constexpr int kDesignatorSelectionTitle = 49304;

// The windows whose items were left open, by internal ID, for the life of the program.
std::set<std::string>& OpenWindows() {
    static std::set<std::string> open;
    return open;
}

std::string Typed(const std::string& name, int valueType) { return name + " (" + GetValueTypeName(valueType) + ")"; }

// An item's text up to its first blank: ":" and the name of an attribute or parameter.
std::string UpToBlank(const std::string& text) { return text.substr(0, text.find(' ')); }

}  // namespace

void CWindowSelectDlg::SetContext(int flags, CTaskKav* task, CDataSet* dataSet, const OwningList<CDataEffect>* list) {
    flags_ = flags;
    task_ = task;
    dataSet_ = dataSet;
    list_ = list;
}

std::string CWindowSelectDlg::GetTitle() const {
    if (flags_ == kPickWindows) return LoadMessage(kWindowSelectionTitle);
    if (flags_ == kPickOnlyDataSet) return LoadMessage(kDataSelectionTitle);
    return LoadMessage(kDesignatorSelectionTitle);
}

std::string CWindowSelectDlg::PathOf(const CKavroObj* object) const {
    const CApplicationKav* project = CurrentApplication;
    return project ? project->GetObjectPathText(object) : std::string();
}

void CWindowSelectDlg::Fill() {
    tree_.DeleteAllItems();
    CApplicationKav* project = CurrentApplication;
    if (!project) return;
    tree_.AddFileItems(*project, [this, project](int root) { AddPart(*project, root); });
}

int CWindowSelectDlg::AddSection(int parent, const std::string& text) {
    const int item = tree_.InsertItem(parent, text, CWindowSelectTree::kSectionItem, nullptr);
    tree_.SetLook(item, text, CWindowSelectTree::kImageSection, false, {});
    return item;
}

void CWindowSelectDlg::AddPart(CApplicationKav& project, int root) {
    const CFileKav& file = *tree_.FileOf(root);
    const bool isProject = &file == project.GetMainFile();
    tree_.SetLook(root, FileItemText(project, file),
                  isProject ? CWindowSelectTree::kImageProject : CWindowSelectTree::kImageLibrary, false, {});
    if (flags_ & kPickWindows) {
        const int section = AddSection(root, "WINDOWS");
        for (CWindowKav* window : project.GetWindowList().Snapshot())
            if (!window->GetParent() && window->GetFile() == &file) AddWindow(project, *window, section);
        tree_.SortChildren(section);
        tree_.Expand(section);
    }
    if (flags_ & (kPickOnlyDataSet | kPickDataSetParts)) {
        const int section = AddSection(root, "TEST DATA");
        for (CDataSet* dataSet : project.GetDataSets())
            if (dataSet->GetFile() == &file && (!(flags_ & kPickOnlyDataSet) || dataSet == dataSet_))
                AddDataSet(*dataSet, section);
        tree_.SortChildren(section);
        tree_.Expand(section);
    }
    const CFileKav* taskFile = task_ && task_->GetFile() ? task_->GetFile() : project.GetMainFile();
    if ((flags_ & kPickTaskParameters) && task_ && taskFile == &file) {
        const int section = AddSection(root, "PARAMETERS OF TASK " + task_->GetName());
        for (const CAttributeKav* parameter : task_->GetParameters())
            tree_.InsertItem(section, Typed(":" + parameter->GetName(), parameter->GetType()),
                             CWindowSelectTree::kParameterItem, task_);
        tree_.Expand(section);
    }
    if (flags_ & kPickAttributes) {
        const int section = AddSection(root, "GLOBAL ATTRIBUTES");
        for (CAttributeKav* attribute : project.GetAttributes())
            if (attribute->GetFile() == &file)
                tree_.InsertItem(section, Typed(":" + attribute->GetName(), attribute->GetType()),
                                 CWindowSelectTree::kGlobalAttributeItem, attribute);
    }
    tree_.Expand(root);
}

void CWindowSelectDlg::AddWindow(const CApplicationKav& project, CWindowKav& window, int parent) {
    const std::string text = window.GetName() + " (" + GetWindowTypeName(window.GetType()) + ")";
    const int item = tree_.InsertItem(parent, text, CWindowSelectTree::kWindowItem, &window);
    tree_.SetLook(item, text, window.GetType() + CWindowSelectTree::kFirstWindowImage,
                  &window == project.GetStartWindow(), {});
    if (flags_ & kPickAttributes)
        for (const CAttributeKav* attribute : window.GetAttributes())
            tree_.InsertItem(item, Typed(":" + attribute->GetName(), attribute->GetType()),
                             CWindowSelectTree::kWindowAttributeItem, &window);
    for (CWindowKav* child : window.GetChildren()) AddWindow(project, *child, item);
    tree_.SortChildren(item);
    if (OpenWindows().count(window.GetInternalID())) tree_.Expand(item);
}

void CWindowSelectDlg::AddDataSet(CDataSet& dataSet, int parent) {
    const int item = tree_.InsertItem(parent, dataSet.GetName(), CWindowSelectTree::kDataSetItem, &dataSet);
    tree_.SetLook(item, dataSet.GetName(), CWindowSelectTree::kImageDataSet, false, {});
    const auto addPart = [&](const std::string& text, int kind) {
        const int part = tree_.InsertItem(item, text, kind, &dataSet);
        tree_.SetLook(part, text, CWindowSelectTree::kImagePart, false, {});
    };
    // In the data-only mode the set offers what its results can name: its fields and the list.
    if ((flags_ & kPickAttributes) || IsDataOnly()) {
        addPart(":$id", CWindowSelectTree::kFieldItem);
        addPart(":$valid", CWindowSelectTree::kFieldItem);
        for (const CDataField* field : dataSet.GetFields()) addPart(":" + field->GetName(), CWindowSelectTree::kFieldItem);
    }
    if (((flags_ & kPickDataSetParts) || IsDataOnly()) && list_)
        for (const CDataEffect* listed : *list_) addPart("%" + listed->GetName(), CWindowSelectTree::kListItem);
    if (flags_ & kPickDataSetParts) {
        for (const CDataEffect* effect : dataSet.GetEffects()) addPart(":~" + effect->GetName(), CWindowSelectTree::kEffectItem);
        for (const CAttributeKav* attribute : dataSet.GetAttributes())
            addPart(Typed(":@" + attribute->GetName(), attribute->GetType()), CWindowSelectTree::kDataSetAttributeItem);
    }
    tree_.SortChildren(item);
    tree_.Expand(item);
}

std::optional<std::string> CWindowSelectDlg::Choose() {
    const int item = tree_.GetCaret();
    const TreeNode* node = tree_.Find(item);
    if (!node) return std::nullopt;
    auto* object = static_cast<CKavroObj*>(node->data);
    std::optional<std::string> result;
    CKavroObj* chosen = nullptr;
    switch (node->kind) {
        case CWindowSelectTree::kWindowItem:
            result = PathOf(object);
            chosen = object;
            break;
        case CWindowSelectTree::kWindowAttributeItem:
        case CWindowSelectTree::kParameterItem: result = PathOf(object) + UpToBlank(node->text); break;
        case CWindowSelectTree::kDataSetItem:
            if (IsDataOnly()) break;
            result = PathOf(object);
            chosen = object;
            break;
        case CWindowSelectTree::kFieldItem:
            result = IsDataOnly() ? node->text.substr(1) : PathOf(object) + node->text;
            break;
        case CWindowSelectTree::kListItem:
            result = IsDataOnly() ? node->text : PathOf(object) + ":~" + node->text.substr(1);
            break;
        case CWindowSelectTree::kEffectItem: result = PathOf(object) + node->text; break;
        case CWindowSelectTree::kDataSetAttributeItem: result = PathOf(object) + UpToBlank(node->text); break;
        case CWindowSelectTree::kGlobalAttributeItem: result = PathOf(object); break;
        default: break;
    }
    if (result) {
        result_ = *result;
        chosen_ = chosen;
    }
    return result;
}

void CWindowSelectDlg::OnExpanded(int item, bool expanded) {
    tree_.SetExpanded(item, expanded);
    if (tree_.KindOf(item) != CWindowSelectTree::kWindowItem) return;
    const auto* window = static_cast<const CWindowKav*>(tree_.DataOf(item));
    if (expanded) OpenWindows().insert(window->GetInternalID());
    else OpenWindows().erase(window->GetInternalID());
}
