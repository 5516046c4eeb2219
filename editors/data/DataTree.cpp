#include "editors/data/DataTree.h"

#include "model/ApplicationKav.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kEffectsName = 49122;
constexpr int kRecordsName = 49123;
constexpr int kClassesName = 49124;

// The object of a group item: it belongs to no file, so a group item is always grey.
class GroupMarker : public CDataObj {
public:
    GroupMarker(int kind, int nameId) : CDataObj(kind, LoadMessage(nameId)) {}
};

}  // namespace

CDataTree::CDataTree()
    : effectsMarker_(std::make_unique<GroupMarker>(kDataEffectGroup, kEffectsName)),
      recordsMarker_(std::make_unique<GroupMarker>(kDataRecordGroup, kRecordsName)),
      classesMarker_(std::make_unique<GroupMarker>(kDataEqClassGroup, kClassesName)) {}

CDataTree::~CDataTree() = default;

CDataObj* CDataTree::ObjectOf(int item) const { return static_cast<CDataObj*>(ObjectDataOf(item)); }

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
    DeleteAllItems();
    AddFileItems(project, [this](int fileItem) { AddFileDataSets(fileItem); });
    // With its children: a window does not expand an item without any.
    Expand(GetProjectItem());
}

void CDataTree::AddFileDataSets(int fileItem) {
    const CFileKav* file = FileOf(fileItem);
    for (CDataSet* dataSet : project_->GetDataSets())
        if (dataSet->GetFile() == file) AddDataSetItem(*dataSet, fileItem);
    SortChildren(fileItem);
}

int CDataTree::AddDataSetItem(CDataSet& dataSet, int parent) {
    const int item = Append(parent, &dataSet);
    dataSet.SetTreeItem(item);
    for (CDataField* field : dataSet.GetFields()) AddFieldItem(*field, dataSet);
    Append(item, effectsMarker_.get());
    Append(item, recordsMarker_.get());
    SortChildren(item);
    return item;
}

int CDataTree::AddFieldItem(CDataField& field, CDataSet& dataSet) {
    const int item = Append(ItemOf(dataSet), &field);
    field.SetTreeItem(item);
    Insert(item, 0, classesMarker_.get());
    return item;
}

void CDataTree::Dress(int item) {
    DataTreeItem& node = Look(item);
    node.colours = PlainItemColours(kDataTextBlack);
    if (const CFileKav* file = FileOf(item)) {
        node.text = FileItemText(*project_, *file);
        node.image = file == project_->GetMainFile() ? kImageProject : kImageLibrary;
        return;
    }
    const CDataSet* dataSet = nullptr;
    for (int at = item; at != kNoDataItem && !dataSet; at = GetParent(at))
        if (const CDataObj* object = ObjectOf(at); object && object->GetDataKind() == kDataSet)
            dataSet = static_cast<const CDataSet*>(object);
    const CDataObj& object = *ObjectOf(item);
    node.text = object.GetName();
    switch (object.GetDataKind()) {
        case kDataSet:
            if (!object.IsEditable(false)) node.text += ReadOnlyMark();
            node.image = kImageDataSet;
            if (!dataSet->GetRecords().empty()) node.colours = PlainItemColours(kDataTextBlue);
            break;
        case kDataField:
            node.image = kImageField;
            if (!static_cast<const CDataField&>(object).GetEqClasses().empty())
                node.colours = PlainItemColours(kDataTextBlue);
            break;
        case kDataRecordGroup: node.image = kImageRecords; break;
        default: node.image = kImageGroup; break;  // the class and effect groups
    }
    if (!object.IsEditable(false) || (dataSet && !dataSet->IsEditable(false)))
        node.colours = PlainItemColours(kDataTextGrey);
}

void CDataTree::UpdateItem(int item, bool upward) {
    while (Find(item)) {
        Redress(item);
        const CDataObj* object = ObjectOf(item);
        if (!upward || !object || object->GetDataKind() == kDataSet) return;
        item = GetParent(item);
    }
}

void CDataTree::CaretMoved() {
    const int caret = GetCaret();
    const CDataObj* object = ObjectOf(caret);
    const CDataObj* parent = object ? ObjectOf(GetParent(caret)) : nullptr;
    const CDataObj* grandparent = parent ? ObjectOf(GetParent(GetParent(caret))) : nullptr;
    caretKey_ = {object ? object->GetDataKind() : 0, object ? object->GetId() : "", parent ? parent->GetId() : "",
                 grandparent ? grandparent->GetId() : ""};
}
