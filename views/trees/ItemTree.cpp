#include "views/trees/ItemTree.h"

#include <algorithm>

#include "platform/TextUtil.h"

namespace {

const std::vector<int> kNoChildren;

}  // namespace

const TreeNode* CItemTree::Find(int item) const {
    if (item < firstItem_) return nullptr;
    const auto index = static_cast<std::size_t>(item - firstItem_);
    return index < slots_.size() && slots_[index].live ? &slots_[index].node : nullptr;
}

TreeNode* CItemTree::Get(int item) { return const_cast<TreeNode*>(Find(item)); }

const std::vector<int>& CItemTree::Children(int item) const {
    if (item == kNoItem) return roots_;
    const TreeNode* node = Find(item);
    return node ? node->children : kNoChildren;
}

int CItemTree::GetParent(int item) const {
    const TreeNode* node = Find(item);
    return node ? node->parent : kNoItem;
}

int CItemTree::KindOf(int item) const {
    const TreeNode* node = Find(item);
    return node ? node->kind : 0;
}

void* CItemTree::DataOf(int item) const {
    const TreeNode* node = Find(item);
    return node ? node->data : nullptr;
}

int CItemTree::InsertItem(int parent, const std::string& text, int kind, void* data, bool first) {
    return InsertItemAt(parent, first ? 0 : Children(parent).size(), text, kind, data);
}

int CItemTree::InsertItemAt(int parent, std::size_t index, const std::string& text, int kind, void* data) {
    if (parent != kNoItem && !Find(parent)) return kNoItem;
    const int item = firstItem_ + static_cast<int>(slots_.size());
    Slot slot;
    slot.node.parent = parent;
    slot.node.text = text;
    slot.node.kind = kind;
    slot.node.data = data;
    slot.live = true;
    slots_.push_back(std::move(slot));
    std::vector<int>& siblings = parent == kNoItem ? roots_ : Get(parent)->children;
    index = std::min(index, siblings.size());
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(index), item);
    Dress(item);
    if (observer_) observer_->ItemInserted(item, static_cast<int>(index));
    return item;
}

void CItemTree::Redress(int item) {
    if (!Find(item)) return;
    Dress(item);
    if (observer_) observer_->ItemChanged(item);
}

void CItemTree::Forget(int item) {
    TreeNode* node = Get(item);
    if (!node) return;
    for (int child : node->children) Forget(child);
    if (caret_ == item) caret_ = kNoItem;
    ForgetItem(Key(item));
    slots_[static_cast<std::size_t>(item - firstItem_)] = Slot{};
}

void CItemTree::DeleteItem(int item) {
    const TreeNode* node = Find(item);
    if (!node) return;
    if (observer_) observer_->ItemDeleting(item);
    std::vector<int>& siblings = node->parent == kNoItem ? roots_ : Get(node->parent)->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), item), siblings.end());
    const bool caretGoes = caret_ != kNoItem;
    Forget(item);
    if (caretGoes && caret_ == kNoItem) CaretMoved();
}

void CItemTree::DeleteAllItems() {
    for (int root : std::vector<int>(roots_)) Forget(root);
    firstItem_ += static_cast<int>(slots_.size());
    slots_.clear();
    roots_.clear();
    caret_ = kNoItem;
    CaretMoved();
    if (observer_) observer_->AllItemsDeleted();
}

void CItemTree::SetText(int item, const std::string& text) {
    TreeNode* node = Get(item);
    if (!node || node->text == text) return;
    node->text = text;
    if (observer_) observer_->ItemChanged(item);
}

void CItemTree::SetLook(int item, const std::string& text, int image, bool bold, const ItemColours& colours) {
    TreeNode* node = Get(item);
    if (!node) return;
    if (node->text == text && node->image == image && node->bold == bold && node->colours == colours) return;
    node->text = text;
    node->image = image;
    node->bold = bold;
    node->colours = colours;
    if (observer_) observer_->ItemChanged(item);
}

void CItemTree::SetData(int item, int kind, void* data) {
    if (TreeNode* node = Get(item)) {
        node->kind = kind;
        node->data = data;
    }
}

void CItemTree::SortChildren(int parent, const ItemOrder& order) {
    if (parent != kNoItem && !Find(parent)) return;
    std::vector<int>& children = parent == kNoItem ? roots_ : Get(parent)->children;
    if (children.size() < 2) return;
    if (order) {
        std::stable_sort(children.begin(), children.end(), order);
    } else {
        std::stable_sort(children.begin(), children.end(), [this](int first, int second) {
            return CompareNoCase(Find(first)->text, Find(second)->text) < 0;
        });
    }
    if (observer_) observer_->ChildrenSorted(parent);
}

void CItemTree::Expand(int item, bool expanded) {
    TreeNode* node = Get(item);
    if (!node) return;
    node->expanded = expanded;
    if (observer_) observer_->ItemExpanded(item, expanded);
}

void CItemTree::SetExpanded(int item, bool expanded) {
    if (TreeNode* node = Get(item)) node->expanded = expanded;
}

void CItemTree::SetCaret(int item) {
    caret_ = Find(item) ? item : kNoItem;
    CaretMoved();
}

void CItemTree::Select(int item) {
    SetCaret(item);
    if (observer_) observer_->ItemSelected(caret_);
}

void CItemTree::SetMarked(int item, bool marked) {
    TreeNode* node = Get(item);
    if (!node || node->marked == marked) return;
    node->marked = marked;
    if (observer_) observer_->ItemMarked(item, marked);
}

void CItemTree::SetCut(int item, bool cut) {
    TreeNode* node = Get(item);
    if (!node || node->cut == cut) return;
    node->cut = cut;
    if (observer_) observer_->ItemChanged(item);
}

void CItemTree::EnsureVisible(int item) {
    if (!Find(item)) return;
    for (int above = GetParent(item); above != kNoItem; above = GetParent(above)) Get(above)->expanded = true;
    if (observer_) observer_->ItemMadeVisible(item);
}

void CItemTree::Enable(bool enabled) {
    enabled_ = enabled;
    if (observer_) observer_->TreeEnabled(enabled);
}

void CItemTree::TakeFocus() {
    if (observer_) observer_->FocusWanted();
}

void CItemTree::PassToLabelEdit(LabelClipboard command) {
    if (observer_) observer_->LabelEditCommand(command);
}

std::vector<std::string> CItemTree::Outline(int parent) const {
    std::vector<std::string> lines;
    AddOutline(parent, 0, lines);
    return lines;
}

void CItemTree::AddOutline(int parent, int depth, std::vector<std::string>& lines) const {
    for (int child : Children(parent)) {
        lines.push_back(std::string(static_cast<std::size_t>(2 * depth), ' ') + Find(child)->text);
        AddOutline(child, depth + 1, lines);
    }
}
