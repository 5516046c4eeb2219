#pragma once
// The items of the Test Data page's tree, kept without a window: a root item per project file
// ("Project " or "Library " and the file's name), below it the file's data sets, each with its
// "_Effects" and "_Records" groups and its fields, each field with its "Equivalence_Classes"
// group. Each item takes its text, image and colour from its object.
#include <memory>
#include <string>

#include "editors/framework/ModelTree.h"

class CApplicationKav;
class CDataField;
class CDataObj;
class CDataSet;
class CFileKav;

// Data kinds of the tree's own group markers.
enum DataGroupKind : int { kDataEqClassGroup = 4, kDataRecordGroup = 6, kDataEffectGroup = 8 };

enum DataTreeImage : int {
    kImageProject = 0,
    kImageDataSet = 1,
    kImageField = 2,
    kImageGroup = 3,
    kImageRecords = 5,
    kImageLibrary = 7,
};

// The data page's names for what every model tree has.
using DataTreeItem = TreeNode;
using DataTreeObserver = ItemTreeObserver;
inline constexpr int kNoDataItem = kNoItem;
inline constexpr std::uint32_t kDataTextBlack = kTreeTextBlack;
inline constexpr std::uint32_t kDataTextBlue = kTreeTextBlue;
inline constexpr std::uint32_t kDataTextGrey = kTreeTextGrey;

// The caret's object as a refill can find it again: its data kind and the unique ids of it
// and of the objects of its parent and grandparent items (empty for a file root or none).
struct DataTreeCaretKey {
    int kind = 0;
    std::string id;
    std::string parentId;
    std::string grandparentId;
};

class CDataTree : public CModelTree {
public:
    CDataTree();
    ~CDataTree() override;

    // ---- Building

    // Deletes every item, then adds the project's files: the libraries sorted, the main file
    // first and expanded.
    void FillTree(CApplicationKav& project);
    // Appends the set's item with its fields and groups under the parent and sorts its children.
    int AddDataSetItem(CDataSet& dataSet, int parent);
    // Appends the field's item with its class group under its set's item.
    int AddFieldItem(CDataField& field, CDataSet& dataSet);
    // Sets the item's text, image and colour from its object; upward, those of its ancestors
    // up to the data set too.
    void UpdateItem(int item, bool upward);

    // ---- Reading

    // The object of the item; null for a file root item and for none.
    CDataObj* ObjectOf(int item) const;
    // Taken when the caret moves, so that it holds when the objects are gone.
    const DataTreeCaretKey& GetCaretKey() const { return caretKey_; }
    // The item that shows the data set or field; kNoDataItem when none does.
    int ItemOf(const CDataObj& object) const;
    int FindEqClassGroupItem(const CDataField& field) const;
    int FindRecordsGroupItem(const CDataSet& dataSet) const;
    int FindEffectsGroupItem(const CDataSet& dataSet) const;

protected:
    bool MayDrag(int /*item*/) const override { return false; }

private:
    // The look of the item by the rules of its object, the set and field found from its
    // ancestors.
    void Dress(int item) override;
    void CaretMoved() override;
    // The items of the file's data sets below its item.
    void AddFileDataSets(int fileItem);
    int FindGroup(int owner, const CDataObj& marker) const;

    CApplicationKav* project_ = nullptr;
    std::unique_ptr<CDataObj> effectsMarker_;
    std::unique_ptr<CDataObj> recordsMarker_;
    std::unique_ptr<CDataObj> classesMarker_;
    DataTreeCaretKey caretKey_;
};
