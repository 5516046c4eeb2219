#include "editors/data/DataTree.h"

#include "model/ApplicationKav.h"
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

}  // namespace

CDataTree::CDataTree()
    : effectsMarker_(std::make_unique<GroupMarker>(kDataEffectGroup, kEffectsName)),
      recordsMarker_(std::make_unique<GroupMarker>(kDataRecordGroup, kRecordsName)),
      classesMarker_(std::make_unique<GroupMarker>(kDataEqClassGroup, kClassesName)) {}

CDataTree::~CDataTree() = default;

CDataObj* CDataTree::ObjectOf(int item) const {
    const DataTreeItem* found = Find(item);
    return found ? static_cast<CDataObj*>(found->object) : nullptr;
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
    Clear();
    CFileKav* mainFile = project.GetMainFile();
    for (CFileKav* file : project.GetFiles())
        if (file != mainFile) AddFileItem(file);
    SortChildren(kNoDataItem);
    AddFileItem(mainFile);
}

int CDataTree::AddFileItem(CFileKav* file) {
    if (!file || file->GetName().empty()) return kNoDataItem;
    const bool mainFile = file == project_->GetMainFile();
    const int item = mainFile ? Insert(kNoDataItem, 0, file, nullptr) : Append(kNoDataItem, file, nullptr);
    if (mainFile) SetProjectRoot(item);
    for (CDataSet* dataSet : project_->GetDataSets())
        if (dataSet->GetFile() == file) AddDataSetItem(*dataSet, item);
    SortChildren(item);
    // With its children: a window does not expand an item without any.
    if (mainFile) Expand(item);
    return item;
}

int CDataTree::AddDataSetItem(CDataSet& dataSet, int parent) {
    const int item = Append(parent, nullptr, &dataSet);
    dataSet.SetTreeItem(item);
    for (CDataField* field : dataSet.GetFields()) AddFieldItem(*field, dataSet);
    Append(item, nullptr, effectsMarker_.get());
    Append(item, nullptr, recordsMarker_.get());
    SortChildren(item);
    return item;
}

int CDataTree::AddFieldItem(CDataField& field, CDataSet& dataSet) {
    const int item = Append(ItemOf(dataSet), nullptr, &field);
    field.SetTreeItem(item);
    Insert(item, 0, nullptr, classesMarker_.get());
    return item;
}

void CDataTree::Dress(int item) {
    DataTreeItem& node = Look(item);
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
    const CDataObj& object = *ObjectOf(item);
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
