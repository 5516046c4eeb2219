#pragma once
// The reference picker without its window: the tree of what an expression may name (windows
// with their attributes, data sets with their fields and parts, the parameters of the task at
// hand, the global attributes), one part per project file, chosen by the caller's content
// flags; the dialog's title; and the designator text that the chosen item gives.
#include <optional>
#include <string>

#include "platform/ObjectList.h"
#include "views/trees/FileTree.h"
#include "views/trees/ItemTreeEvents.h"

class CApplicationKav;
class CDataEffect;
class CDataSet;
class CFileKav;
class CKavroObj;
class CTaskKav;
class CWindowKav;

// The content flags.
inline constexpr int kPickWindows = 1;
inline constexpr int kPickAttributes = 2;
inline constexpr int kPickTaskParameters = 4;
inline constexpr int kPickOnlyDataSet = 8;
inline constexpr int kPickDataSetParts = 16;

class CWindowSelectTree : public CFileTree {
public:
    enum ItemKind : int {
        kSectionItem = kFileItem + 1,
        kWindowItem,
        kWindowAttributeItem,
        kDataSetItem,
        // A field, ":$id" or ":$valid".
        kFieldItem,
        // "%" and a name of the caller's list.
        kListItem,
        // ":~" and an effect of the data set.
        kEffectItem,
        // ":@" and an attribute of the data set.
        kDataSetAttributeItem,
        kParameterItem,
        kGlobalAttributeItem,
    };
    static constexpr int kImageProject = 0;
    static constexpr int kImageSection = 1;
    // A window's image is its type code plus this.
    static constexpr int kFirstWindowImage = 2;
    static constexpr int kImageDataSet = 24;
    static constexpr int kImagePart = 25;
    static constexpr int kImageLibrary = 29;
};

class CWindowSelectDlg : public ItemTreeEvents {
public:
    static constexpr int kResourceId = 236;
    static constexpr int kTreeId = 1226;

    // The caller's context: the content flags, the task whose parameters are offered, the data
    // set (alone with flag 8) and the objects offered with a leading "%".
    void SetContext(int flags, CTaskKav* task, CDataSet* dataSet, const OwningList<CDataEffect>* list);

    CWindowSelectTree& Tree() { return tree_; }
    const CWindowSelectTree& Tree() const { return tree_; }
    // "Window Selection" for windows alone, "Data Selection" for the data set alone, else
    // "Designator Selection".
    std::string GetTitle() const;

    // Fills the tree from the current project: the libraries' parts sorted, then the
    // project's part first.
    void Fill();
    // The designator text of the caret item, which becomes the result: nothing for a file's
    // item, a section, none, and a data set in the data-only mode.
    std::optional<std::string> Choose();
    const std::string& GetResult() const { return result_; }
    // The window or data set of the result, else null.
    CKavroObj* GetChosenObject() const { return chosen_; }

    // A window remembers whether its item was open, for the next time the picker shows it.
    void OnExpanded(int item, bool expanded) override;

private:
    bool IsDataOnly() const { return flags_ == kPickOnlyDataSet; }
    void AddPart(CApplicationKav& project, int root);
    int AddSection(int parent, const std::string& text);
    void AddWindow(const CApplicationKav& project, CWindowKav& window, int parent);
    void AddDataSet(CDataSet& dataSet, int parent);
    std::string PathOf(const CKavroObj* object) const;

    CWindowSelectTree tree_;
    int flags_ = 0;
    CTaskKav* task_ = nullptr;
    CDataSet* dataSet_ = nullptr;
    const OwningList<CDataEffect>* list_ = nullptr;
    std::string result_;
    CKavroObj* chosen_ = nullptr;
};
