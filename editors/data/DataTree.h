#pragma once
// The items of the Test Data page's tree, kept without a window: a root item per project file
// ("Project " or "Library " and the file's name), below it the file's data sets, each with its
// "_Effects" and "_Records" groups and its fields, each field with its "Equivalence_Classes"
// group. Each item takes its text, image and colour from its object. Items are numbered, and a
// number is never given twice, so a number that an object kept from an earlier fill names no
// item. The window mirrors the items through the observer; its base keeps the focus flag.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shell/controls/TreeCtrlExtended.h"

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

// Text colours as 0xBBGGRR.
inline constexpr std::uint32_t kDataTextBlack = 0x000000;
inline constexpr std::uint32_t kDataTextBlue = 0xFF0000;
inline constexpr std::uint32_t kDataTextGrey = 0x646464;

// No item; as a parent, the tree's roots.
inline constexpr int kNoDataItem = 0;

struct DataTreeItem {
    int parent = kNoDataItem;
    std::vector<int> children;
    std::string text;
    int image = kImageProject;
    std::uint32_t colour = kDataTextBlack;
    // A file root item's file; null for the others.
    CFileKav* file = nullptr;
    // The object of every other item: a data set, a field, or a group's marker.
    CDataObj* object = nullptr;
};

// The caret's object as a refill can find it again: its data kind and the unique ids of it
// and of the objects of its parent and grandparent items (empty for a file root or none).
struct DataTreeCaretKey {
    int kind = 0;
    std::string id;
    std::string parentId;
    std::string grandparentId;
};

// What the window hears of the items; each call comes after the change.
class DataTreeObserver {
public:
    virtual ~DataTreeObserver() = default;
    // The item was inserted among its parent's children at the index.
    virtual void ItemInserted(int item, int index) = 0;
    // Its text, image or colour changed.
    virtual void ItemChanged(int item) = 0;
    // The item is about to go with its children; they still exist.
    virtual void ItemDeleting(int item) = 0;
    virtual void AllItemsDeleted() = 0;
    // The parent's children (kNoDataItem: the roots) stand in a new order.
    virtual void ChildrenSorted(int parent) = 0;
    virtual void ItemExpanded(int item) = 0;
    // The caret moved to the item (kNoDataItem: none).
    virtual void ItemSelected(int item) = 0;
    virtual void TreeEnabled(bool enabled) = 0;
};

class CDataTree : public CTreeCtrlExtended {
public:
    CDataTree();
    ~CDataTree() override;

    void SetObserver(DataTreeObserver* observer) { observer_ = observer; }

    // ---- Building

    // Deletes every item, then adds the project's files: the libraries sorted, the main file
    // first and expanded.
    void FillTree(CApplicationKav& project);
    // The file's root item with the file's data sets; none for a missing file or one without a
    // name.
    int AddFileItem(CFileKav* file);
    // Appends the set's item with its fields and groups under the parent and sorts its children.
    int AddDataSetItem(CDataSet& dataSet, int parent);
    // Appends the field's item with its class group under its set's item.
    int AddFieldItem(CDataField& field, CDataSet& dataSet);
    // Sets the item's text, image and colour from its object; upward, those of its ancestors
    // up to the data set too.
    void UpdateItem(int item, bool upward);
    // Deletes the item with its children.
    void DeleteItem(int item);
    // Orders the parent's children by their texts without regard to case.
    void SortChildren(int parent);
    void Expand(int item);
    // Moves the caret to the item and shows it so.
    void Select(int item);
    // The window moved the caret.
    void SetCaret(int item);
    void Enable(bool enabled);

    // ---- Reading

    // Null for a number that names no item.
    const DataTreeItem* Find(int item) const;
    // The children of the item; of kNoDataItem: the roots.
    const std::vector<int>& Children(int item) const;
    int GetParent(int item) const;
    // The object of the item; null for a file root item and for none.
    CDataObj* ObjectOf(int item) const;
    int GetCaret() const { return caret_; }
    // Taken when the caret moves, so that it holds when the objects are gone.
    const DataTreeCaretKey& GetCaretKey() const { return caretKey_; }
    int GetProjectRoot() const { return projectRoot_; }
    bool IsEnabled() const { return enabled_; }
    // The item that shows the data set or field; kNoDataItem when none does.
    int ItemOf(const CDataObj& object) const;
    int FindEqClassGroupItem(const CDataField& field) const;
    int FindRecordsGroupItem(const CDataSet& dataSet) const;
    int FindEffectsGroupItem(const CDataSet& dataSet) const;

private:
    struct Node : DataTreeItem {
        bool live = true;
    };

    Node* Get(int item);
    int Insert(int parent, int index, CFileKav* file, CDataObj* object);
    // The look of the item by the rules of its object, the set and field found from its
    // ancestors.
    void Dress(int item);
    int FindGroup(int owner, const CDataObj& marker) const;
    void Forget(int item);

    CApplicationKav* project_ = nullptr;
    std::unique_ptr<CDataObj> effectsMarker_;
    std::unique_ptr<CDataObj> recordsMarker_;
    std::unique_ptr<CDataObj> classesMarker_;
    // Item n lives at nodes_[n - firstItem_]; numbers before firstItem_ were deleted.
    std::vector<Node> nodes_;
    int firstItem_ = 1;
    std::vector<int> roots_;
    int projectRoot_ = kNoDataItem;
    int caret_ = kNoDataItem;
    DataTreeCaretKey caretKey_;
    bool enabled_ = false;
    DataTreeObserver* observer_ = nullptr;
};
