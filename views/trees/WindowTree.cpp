#include "views/trees/WindowTree.h"

#include <unordered_map>

#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "model/XMLElement.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "views/trees/TreeLook.h"

namespace {

constexpr int kNoDropOnReadOnlyWindow = 44359;   // [W0359]
constexpr int kReadOnlyWindowCaption = 47240;
constexpr int kInvalidRelationshipCaption = 47008;
constexpr int kDragWindowUndo = 48090;

std::string SortKeyOf(const CWindowKav& window, const std::string& sortOrder) {
    if (sortOrder == kSortOrderUftClass) {
        const CXMLElement* toolData = window.GetToolData();
        return toolData ? toolData->GetAttributeValue("Class") : std::string();
    }
    if (sortOrder == kSortOrderType) return GetWindowTypeName(window.GetType());
    return {};
}

int CompareKeyed(const std::string& firstKey, const std::string& firstName, const std::string& secondKey,
                 const std::string& secondName) {
    if (firstKey == secondKey) return CompareNoCase(firstName, secondName);
    return CompareNoCase(firstKey, secondKey);
}

ItemColours ColoursOf(const CWindowKav& window, bool current) {
    if (current) return CurrentItemColours();
    if (!window.IsEditable(false)) return PlainItemColours(kTreeTextGrey);
    if (window.CountTransitions() > 0) return PlainItemColours(kTreeTextBlue);
    return PlainItemColours(kTreeTextBlack);
}

}  // namespace

int CompareWindows(const CWindowKav* first, const CWindowKav* second, const std::string& sortOrder) {
    if (!first) return -1;
    if (!second) return 1;
    return CompareKeyed(SortKeyOf(*first, sortOrder), first->GetName(), SortKeyOf(*second, sortOrder),
                        second->GetName());
}

std::string ReadWindowSortOrder() {
    return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), kSortOrderValue);
}

CWindowKav* CWindowTree::WindowOf(int item) const {
    return KindOf(item) == kWindowItem ? static_cast<CWindowKav*>(DataOf(item)) : nullptr;
}

int CWindowTree::ItemOf(const CWindowKav* window) const {
    if (!window) return kNoItem;
    const int item = ItemOfKey(window->GetTreeItem());
    return WindowOf(item) == window ? item : kNoItem;
}

void CWindowTree::CaretMoved() {
    const CWindowKav* window = WindowOf(GetCaret());
    caretWindowId_ = window ? window->GetInternalID() : std::string();
}

void CWindowTree::Fill() {
    DeleteAllItems();
    current_ = nullptr;
    sortOrder_ = ReadWindowSortOrder();
    CApplicationKav* project = CurrentApplication;
    if (!project) return;
    AddFileItems(*project, [this](int fileItem) { UpdateWindowItem(fileItem, false); });
    // One walk over the table; each window without parent goes below its file's item.
    std::unordered_map<const CFileKav*, int> fileItems;
    for (int root : Children(kNoItem)) fileItems[FileOf(root)] = root;
    for (CWindowKav* window : project->GetWindowList().Snapshot()) {
        if (window->GetParent()) continue;
        const auto fileItem = fileItems.find(window->GetFile());
        if (fileItem != fileItems.end()) AppendWindowItem(window, fileItem->second);
    }
    for (int root : Children(kNoItem)) SortWindowChildren(root);
    Expand(GetProjectItem());
}

int CWindowTree::AppendWindowItem(CWindowKav* window, int parent) {
    const int item = InsertItem(parent, window->GetName(), kWindowItem, window);
    if (item == kNoItem) return kNoItem;
    window->SetTreeItem(Handle(item));
    UpdateWindowItem(item, false);
    for (CWindowKav* child : window->GetChildren()) AppendWindowItem(child, item);
    SortWindowChildren(item);
    return item;
}

void CWindowTree::SortWindowChildren(int item, bool recursive) {
    const std::vector<int>& children = Children(item);
    // The keys of the children, taken once for the whole sort.
    std::unordered_map<int, std::string> keys;
    for (int child : children)
        if (const CWindowKav* window = WindowOf(child)) keys.emplace(child, SortKeyOf(*window, sortOrder_));
    SortChildren(item, [this, &keys](int first, int second) {
        const CWindowKav* firstWindow = WindowOf(first);
        const CWindowKav* secondWindow = WindowOf(second);
        if (!firstWindow || !secondWindow) return firstWindow == nullptr && secondWindow != nullptr;
        return CompareKeyed(keys[first], firstWindow->GetName(), keys[second], secondWindow->GetName()) < 0;
    });
    if (recursive)
        for (int child : Children(item)) SortWindowChildren(child, true);
}

void CWindowTree::SortAll() {
    sortOrder_ = ReadWindowSortOrder();
    for (int root : Children(kNoItem)) SortWindowChildren(root, true);
}

void CWindowTree::UpdateWindowItem(int item, bool ancestors) {
    UpdateOwnLook(item);
    if (!ancestors) return;
    for (const CWindowKav* window = WindowOf(item); window && window->GetParent(); window = window->GetParent())
        UpdateOwnLook(ItemOf(window->GetParent()));
}

void CWindowTree::UpdateOwnLook(int item) {
    const CApplicationKav* project = CurrentApplication;
    if (!project || !Find(item)) return;
    if (FileOf(item)) return ShowFileItem(item, *project, kImageProject, kImageLibrary);
    const CWindowKav* window = WindowOf(item);
    if (!window) return;
    std::string text = window->GetName();
    if (!window->GetParent() && !window->IsEditable(false)) text += ReadOnlyMark();
    SetLook(item, text, window->GetType() + kFirstWindowImage, window == project->GetStartWindow(),
            ColoursOf(*window, window == current_));
}

void CWindowTree::SetCurrentWindow(CWindowKav* window) {
    CWindowKav* previous = current_;
    current_ = window;
    if (previous) UpdateWindowItem(ItemOf(previous), true);
    if (window) UpdateWindowItem(ItemOf(window), true);
}

bool CWindowTree::MayDrag(int item) const {
    const CWindowKav* window = WindowOf(item);
    return window && window->IsEditable(false);
}

void CWindowTree::ItemDropped(int dragged, int target) {
    CApplicationKav* project = CurrentApplication;
    CWindowKav* window = WindowOf(dragged);
    if (!project || !window) return;
    CWindowKav* oldParent = window->GetParent();
    if (RefuseDropOnLibrary(target)) return;
    if (FileOf(target)) {
        // A window without parent stands there already.
        if (!oldParent) return;
        if (!oldParent->RemoveChild(window)) return RefuseDrop(GetGlobalMessageBuffer(), kInvalidRelationshipCaption);
        MoveItem(dragged, target, window, oldParent);
    } else {
        CWindowKav* newParent = WindowOf(target);
        if (!newParent) return;
        if (!newParent->IsEditable(false))
            return RefuseDrop(LoadMessage(kNoDropOnReadOnlyWindow), kReadOnlyWindowCaption);
        if (oldParent == newParent) return;
        if (!newParent->AddChild(window, project))
            return RefuseDrop(GetGlobalMessageBuffer(), kInvalidRelationshipCaption);
        MoveItem(dragged, target, window, oldParent);
        WindowRect rect = window->GetRect();
        rect.right -= rect.left;
        rect.bottom -= rect.top;
        rect.left = 0;
        rect.top = 0;
        window->SetRect(rect);
        CWindowList::FitParents(window);
    }
    host_.RefreshAllViews();
    host_.SetModified(LoadMessage(kDragWindowUndo));
}

void CWindowTree::MoveItem(int dragged, int target, CWindowKav* window, CWindowKav* oldParent) {
    DeleteItem(dragged);
    const int moved = InsertItem(target, window->GetName(), kWindowItem, window);
    window->SetTreeItem(Handle(moved));
    UpdateWindowItem(moved, true);
    if (oldParent) UpdateWindowItem(ItemOf(oldParent), true);
    SortWindowChildren(target);
    for (CWindowKav* child : window->GetChildren()) AppendWindowItem(child, moved);
    SortWindowChildren(moved);
    Select(moved);
}
