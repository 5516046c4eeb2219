#pragma once
// The Test Data page of the application pane without its window: the data tree, which item has
// the caret, creating data sets and fields, renaming them in place, the page's keys and context
// menu, and the data commands that the frame hands it while the page is the active pane (the
// properties of the chosen object, deleting a set or field). Its window shows the tree and
// forwards the tree's events. The page reaches the project through the current root.
#include <optional>
#include <string>
#include <vector>

#include "editors/data/DataTree.h"
#include "generation/GeneratedRecordsReport.h"
#include "shell/WorkspacePage.h"
#include "views/trees/ItemTreeEvents.h"

class CApplicationKav;
class EditorHost;

class CDataDlg : public TestDataPage, public ItemTreeEvents {
public:
    static constexpr int kResourceId = 287;
    static constexpr int kTreeId = 1389;
    static constexpr int kHelpTopic = 35009;

    explicit CDataDlg(EditorHost& host);

    CDataTree& Tree() { return tree_; }
    const CDataTree& Tree() const { return tree_; }
    // Where record generation shows the report of the DELTRA method; without one none shows.
    void SetRecordReportViewer(RecordReportViewer viewer) { showRecordReport_ = std::move(viewer); }

    // ---- WorkspacePage

    bool HasTreeFocus() const override { return tree_.HasFocus(); }
    // Refills the tree from the current project and chooses the chosen object again.
    void RebuildTree() override { RebuildTreeKeepSelection(); }
    void EnableTree(bool enabled) override { tree_.Enable(enabled); }

    // ---- TestDataPage

    bool IsDataCommandEnabled(int command) const override;
    void RunDataCommand(int command) override;

    // ---- The page's operations

    void RebuildTreeKeepSelection();
    // The object of the caret item with those of its parent and grandparent items; null for a
    // file root item, none, and where an ancestor is a file root item.
    CDataObj* GetSelectedObject(CDataObj** parent = nullptr, CDataObj** grandparent = nullptr) const;
    // The file of the caret item when it is a file root item, else null.
    CFileKav* GetSelectedFileItem() const;
    // Mode 1 makes a data set in the main file, mode 2 a field of the chosen set; the new
    // object's properties open at once.
    void InsertData(int mode);
    // After the object (a set, a field or a group marker) changed: its item and those above it
    // take their looks again, and its siblings are sorted again.
    void RefreshGroupItem(CDataObj* object, CDataSet* dataSet, CDataField* field);
    // Deletes the item with its children; its former parent takes its look again.
    void DeleteTreeItem(int item);

    // ---- Events of the window

    // A rename in place begins on the item: the text to edit, or nothing when refused.
    std::optional<std::string> BeginLabelEdit(int item) override;
    // It ended: whether the new text became the object's name (the item shows it already).
    bool EndLabelEdit(int item, bool cancelled, const std::string& text) override;
    bool IsEditingLabel() const { return editingLabel_; }
    TreeKeyResult OnKey(TreeKey key, bool shift) override;
    void OnDoubleClick() override { OpenProperties(); }
    // Enter or a double click: the properties of the caret item.
    void OpenProperties();
    std::vector<TreeMenuEntry> ContextMenu() const override;
    // A command chosen in the context menu goes to the frame.
    void OnContextCommand(int command) override;

private:
    CApplicationKav* Project() const;
    // The data set that the item's object belongs to: the set itself, a field's or a group's.
    CDataSet* DataSetOf(int item) const;
    void EditProperties();
    void EditDataSet(CDataSet& dataSet);
    void EditField(CDataSet& dataSet, CDataField& field);
    void DeleteSelected();
    // The record generator on the data set of the caret item; generated records record their
    // undo step.
    void GenerateDataRecords();
    // The import into the set of the caret item (or a set chosen in the dialog); a successful one
    // records its undo step, refills the tree and says so.
    void ImportTestData();
    bool RenameDataSet(CDataSet& dataSet, const std::string& name);
    bool RenameField(CDataField& field, const std::string& name);
    bool Ask(int questionId, int captionId) const;

    EditorHost& host_;
    RecordReportViewer showRecordReport_;
    CDataTree tree_;
    bool editingLabel_ = false;
};
