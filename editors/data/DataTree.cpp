#include "editors/data/DataTree.h"

#include <algorithm>

#include "model/ApplicationKav.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kEffectsName = 49122;
constexpr int kRecordsName = 49123;
constexpr int kClassesName = 49124;
constexpr int kReadOnlyMark = 49126;
constexpr int kProjectPrefix = 49305;
constexpr int kLibraryPrefix = 49391;

// The object of a group item: it belongs to no file, so a group item is always grey.
class GroupMarker : public CDataObj {
public:
    GroupMarker(int kind, int nameId) : CDataObj(kind, LoadMessage(nameId)) {}
};

const std::vector<int> kNoChildren;

}  // namespace

CDataTree::CDataTree()
    : effectsMarker_(std::make_unique<GroupMarker>(kDataEffectGroup, kEffectsName)),
      recordsMarker_(std::make_unique<GroupMarker>(kDataRecordGroup, kRecordsName)),
      classesMarker_(std::make_unique<GroupMarker>(kDataEqClassGroup, kClassesName)) {}

CDataTree::~CDataTree() = default;

const DataTreeItem* CDataTree::Find(int item) const {
    if (item < firstItem_) return nullptr;
    const size_t index = static_cast<size_t>(item - firstItem_);
    return index < nodes_.size() && nodes_[index].live ? &nodes_[index] : nullptr;
}

CDataTree::Node* CDataTree::Get(int item) {
    return const_cast<Node*>(static_cast<const Node*>(Find(item)));
}

const std::vector<int>& CDataTree::Children(int item) const {
    if (item == kNoDataItem) return roots_;
    const DataTreeItem* found = Find(item);
    return found ? found->children : kNoChildren;
}

int CDataTree::GetParent(int item) const {
    const DataTreeItem* found = Find(item);
    return found ? found->parent : kNoDataItem;
}

CDataObj* CDataTree::ObjectOf(int item) const {
    const DataTreeItem* found = Find(item);
    return found ? found->object : nullptr;
}

int CDataTree::ItemOf(const CDataObj& object) const {
    const int item = object.GetTreeItem();
    return ObjectOf(item) == &object ? item : kNoDataItem;
}

int CDataTree::FindGroup(int owner, const CDataObj& marker) const {
    for (int child : Children(owner))
        if (ObjectOf(child) == &marker) return child;
    return kNoDataItem;
}

int CDataTree::FindEqClassGroupItem(const CDataField& field) const {
    const int item = ItemOf(field);
    return item ? FindGroup(item, *classesMarker_) : kNoDataItem;
}

int CDataTree::FindRecordsGroupItem(const CDataSet& dataSet) const {
    const int item = ItemOf(dataSet);
    return item ? FindGroup(item, *recordsMarker_) : kNoDataItem;
}

int CDataTree::FindEffectsGroupItem(const CDataSet& dataSet) const {
    const int item = ItemOf(dataSet);
    return item ? FindGroup(item, *effectsMarker_) : kNoDataItem;
}

void CDataTree::FillTree(CApplicationKav& project) {
    project_ = &project;
    firstItem_ += static_cast<int>(nodes_.size());
    nodes_.clear();
    roots_.clear();
    projectRoot_ = kNoDataItem;
    SetCaret(kNoDataItem);
    if (observer_) observer_->AllItemsDeleted();
    CFileKav* mainFile = project.GetMainFile();
    for (CFileKav* file : project.GetFiles())
        if (file != mainFile) AddFileItem(file);
    SortChildren(kNoDataItem);
    AddFileItem(mainFile);
}

int CDataTree::AddFileItem(CFileKav* file) {
    if (!file || file->GetName().empty()) return kNoDataItem;
    const bool mainFile = file == project_->GetMainFile();
    const int item = Insert(kNoDataItem, mainFile ? 0 : static_cast<int>(roots_.size()), file, nullptr);
    if (mainFile) projectRoot_ = item;
    for (CDataSet* dataSet : project_->GetDataSets())
        if (dataSet->GetFile() == file) AddDataSetItem(*dataSet, item);
    SortChildren(item);
    // With its children: a window does not expand an item without any.
    if (mainFile) Expand(item);
    return item;
}

int CDataTree::AddDataSetItem(CDataSet& dataSet, int parent) {
    const int item = Insert(parent, static_cast<int>(Children(parent).size()), nullptr, &dataSet);
    dataSet.SetTreeItem(item);
    for (CDataField* field : dataSet.GetFields()) AddFieldItem(*field, dataSet);
    Insert(item, static_cast<int>(Children(item).size()), nullptr, effectsMarker_.get());
    Insert(item, static_cast<int>(Children(item).size()), nullptr, recordsMarker_.get());
    SortChildren(item);
    return item;
}

int CDataTree::AddFieldItem(CDataField& field, CDataSet& dataSet) {
    const int parent = ItemOf(dataSet);
    const int item = Insert(parent, static_cast<int>(Children(parent).size()), nullptr, &field);
    field.SetTreeItem(item);
    Insert(item, 0, nullptr, classesMarker_.get());
    return item;
}

int CDataTree::Insert(int parent, int index, CFileKav* file, CDataObj* object) {
    const int item = firstItem_ + static_cast<int>(nodes_.size());
    Node node;
    node.parent = parent;
    node.file = file;
    node.object = object;
    nodes_.push_back(std::move(node));
    std::vector<int>& siblings = parent == kNoDataItem ? roots_ : Get(parent)->children;
    siblings.insert(siblings.begin() + index, item);
    Dress(item);
    if (observer_) observer_->ItemInserted(item, index);
    return item;
}

void CDataTree::Dress(int item) {
    Node& node = *Get(item);
    if (node.file) {
        const bool mainFile = node.file == project_->GetMainFile();
        node.text = LoadMessage(mainFile ? kProjectPrefix : kLibraryPrefix) + node.file->GetName();
        node.image = mainFile ? kImageProject : kImageLibrary;
        node.colour = kDataTextBlack;
        return;
    }
    const CDataSet* dataSet = nullptr;
    for (int at = item; at != kNoDataItem && !dataSet; at = GetParent(at))
        if (const CDataObj* object = ObjectOf(at); object && object->GetDataKind() == kDataSet)
            dataSet = static_cast<const CDataSet*>(object);
    const CDataObj& object = *node.object;
    node.text = object.GetName();
    node.colour = kDataTextBlack;
    switch (object.GetDataKind()) {
        case kDataSet:
            if (!object.IsEditable(false)) node.text += LoadMessage(kReadOnlyMark);
            node.image = kImageDataSet;
            if (!dataSet->GetRecords().empty()) node.colour = kDataTextBlue;
            break;
        case kDataField:
            node.image = kImageField;
            if (!static_cast<const CDataField&>(object).GetEqClasses().empty()) node.colour = kDataTextBlue;
            break;
        case kDataRecordGroup: node.image = kImageRecords; break;
        default: node.image = kImageGroup; break;  // the class and effect groups
    }
    if (!object.IsEditable(false) || (dataSet && !dataSet->IsEditable(false))) node.colour = kDataTextGrey;
}

void CDataTree::UpdateItem(int item, bool upward) {
    while (Find(item)) {
        Dress(item);
        if (observer_) observer_->ItemChanged(item);
        const CDataObj* object = ObjectOf(item);
        if (!upward || !object || object->GetDataKind() == kDataSet) return;
        item = GetParent(item);
    }
}

void CDataTree::DeleteItem(int item) {
    const DataTreeItem* found = Find(item);
    if (!found) return;
    if (observer_) observer_->ItemDeleting(item);
    std::vector<int>& siblings = found->parent == kNoDataItem ? roots_ : Get(found->parent)->children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), item));
    if (projectRoot_ == item) projectRoot_ = kNoDataItem;
    Forget(item);
    if (!Find(caret_)) SetCaret(kNoDataItem);
}

void CDataTree::Forget(int item) {
    Node& node = *Get(item);
    for (int child : node.children) Forget(child);
    node.live = false;
    node.children.clear();
}

void CDataTree::SortChildren(int parent) {
    std::vector<int>& children = parent == kNoDataItem ? roots_ : Get(parent)->children;
    std::stable_sort(children.begin(), children.end(), [this](int a, int b) {
        return CompareNoCase(Find(a)->text, Find(b)->text) < 0;
    });
    if (observer_) observer_->ChildrenSorted(parent);
}

void CDataTree::Expand(int item) {
    if (Find(item) && observer_) observer_->ItemExpanded(item);
}

void CDataTree::SetCaret(int item) {
    caret_ = Find(item) ? item : kNoDataItem;
    const CDataObj* object = ObjectOf(caret_);
    const CDataObj* parent = object ? ObjectOf(GetParent(caret_)) : nullptr;
    const CDataObj* grandparent = parent ? ObjectOf(GetParent(GetParent(caret_))) : nullptr;
    caretKey_ = {object ? object->GetDataKind() : 0, object ? object->GetId() : "", parent ? parent->GetId() : "",
                 grandparent ? grandparent->GetId() : ""};
}

void CDataTree::Select(int item) {
    SetCaret(item);
    if (observer_) observer_->ItemSelected(caret_);
}

void CDataTree::Enable(bool enabled) {
    enabled_ = enabled;
    if (observer_) observer_->TreeEnabled(enabled);
}
