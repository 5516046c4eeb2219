#include "editors/framework/ModelTree.h"

#include <algorithm>

#include "platform/TextUtil.h"

namespace {

const std::vector<int> kNoChildren;

}  // namespace

const ModelTreeItem* CModelTree::Find(int item) const {
    if (item < firstItem_) return nullptr;
    const size_t index = static_cast<size_t>(item - firstItem_);
    return index < nodes_.size() && nodes_[index].live ? &nodes_[index] : nullptr;
}

CModelTree::Node* CModelTree::Get(int item) {
    return const_cast<Node*>(static_cast<const Node*>(Find(item)));
}

const std::vector<int>& CModelTree::Children(int item) const {
    if (item == kNoTreeItem) return roots_;
    const ModelTreeItem* found = Find(item);
    return found ? found->children : kNoChildren;
}

int CModelTree::GetParent(int item) const {
    const ModelTreeItem* found = Find(item);
    return found ? found->parent : kNoTreeItem;
}

void CModelTree::Clear() {
    firstItem_ += static_cast<int>(nodes_.size());
    nodes_.clear();
    roots_.clear();
    projectRoot_ = kNoTreeItem;
    SetCaret(kNoTreeItem);
    if (observer_) observer_->AllItemsDeleted();
}

int CModelTree::Insert(int parent, int index, CFileKav* file, void* object) {
    const int item = firstItem_ + static_cast<int>(nodes_.size());
    Node node;
    node.parent = parent;
    node.file = file;
    node.object = object;
    nodes_.push_back(std::move(node));
    std::vector<int>& siblings = parent == kNoTreeItem ? roots_ : Get(parent)->children;
    siblings.insert(siblings.begin() + index, item);
    Dress(item);
    if (observer_) observer_->ItemInserted(item, index);
    return item;
}

void CModelTree::Redress(int item) {
    if (!Find(item)) return;
    Dress(item);
    if (observer_) observer_->ItemChanged(item);
}

void CModelTree::DeleteItem(int item) {
    const ModelTreeItem* found = Find(item);
    if (!found) return;
    if (observer_) observer_->ItemDeleting(item);
    std::vector<int>& siblings = found->parent == kNoTreeItem ? roots_ : Get(found->parent)->children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), item));
    if (projectRoot_ == item) projectRoot_ = kNoTreeItem;
    Forget(item);
    if (!Find(caret_)) SetCaret(kNoTreeItem);
}

void CModelTree::Forget(int item) {
    Node& node = *Get(item);
    for (int child : node.children) Forget(child);
    node.live = false;
    node.children.clear();
}

void CModelTree::SortChildren(int parent) {
    if (parent != kNoTreeItem && !Find(parent)) return;
    std::vector<int>& children = parent == kNoTreeItem ? roots_ : Get(parent)->children;
    std::stable_sort(children.begin(), children.end(), [this](int a, int b) {
        return CompareNoCase(Find(a)->text, Find(b)->text) < 0;
    });
    if (observer_) observer_->ChildrenSorted(parent);
}

void CModelTree::Expand(int item) {
    if (Find(item) && observer_) observer_->ItemExpanded(item);
}

void CModelTree::SetCaret(int item) {
    caret_ = Find(item) ? item : kNoTreeItem;
    CaretMoved();
}

void CModelTree::Select(int item) {
    SetCaret(item);
    if (observer_) observer_->ItemSelected(caret_);
}

void CModelTree::Enable(bool enabled) {
    enabled_ = enabled;
    if (observer_) observer_->TreeEnabled(enabled);
}
