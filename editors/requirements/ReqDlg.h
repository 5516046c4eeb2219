#pragma once
// The Requirements page of the application pane without its window: the requirement tree,
// which item has the caret, creating requirements, renaming them in place, moving them by drag
// and drop, the page's keys and context menu, and the requirement commands that the frame hands
// it while the page is the active pane (New Requirement, the properties of the chosen
// requirement). Its window shows the tree and forwards the tree's events. The page reaches the
// project through the current root.
#include <optional>
#include <string>
#include <vector>

#include "editors/requirements/ReqTree.h"
#include "shell/WorkspacePage.h"
#include "views/trees/ItemTreeEvents.h"

class CApplicationKav;
class EditorHost;

class CReqDlg : public RequirementsPage, public ItemTreeEvents {
public:
    static constexpr int kResourceId = 291;
    static constexpr int kTreeId = 1434;
    static constexpr int kHelpTopic = 35010;

    explicit CReqDlg(EditorHost& host);

    CReqTree& Tree() { return tree_; }
    const CReqTree& Tree() const { return tree_; }

    // ---- WorkspacePage

    bool HasTreeFocus() const override { return tree_.HasFocus(); }
    // Refills the tree from the current project and chooses the chosen requirement again.
    void RebuildTree() override { RebuildTreeKeepSelection(); }
    void EnableTree(bool enabled) override { tree_.Enable(enabled); }

    // ---- RequirementsPage

    bool IsRequirementCommandEnabled(int command) const override;
    void RunRequirementCommand(int command) override;

    // ---- The page's operations

    // The requirement of the caret item; null for a root item and none.
    CRequirement* GetSelectedRequirement() const override;
    // The file of the caret item when it is a root item, else null.
    CFileKav* GetSelectedFile() const override;
    // Refills the tree from the current project.
    void RefillTree();
    // Refills the tree and chooses the chosen requirement again, found by its unique id.
    void RebuildTreeKeepSelection();
    // After the requirement's properties changed: its item and those above it take their
    // looks again, and its siblings are sorted again.
    void RefreshRequirement(const CRequirement& requirement);
    // Deletes the item with its children; the requirements above it take their looks again.
    void RemoveRequirementItem(int item);
    // A requirement "NewReq<n>" of the main file, a child of the chosen requirement (else at the
    // top level); its properties open at once.
    void NewRequirement();
    // The requirement dialog on the chosen requirement.
    void EditProperties();

    // ---- Events of the window

    // A rename in place begins on the item: the text to edit (the bare ID), or nothing when
    // refused. The item shows no text while the edit lasts.
    std::optional<std::string> BeginLabelEdit(int item) override;
    // It ended: whether the text became the requirement's ID. The item shows its look again.
    bool EndLabelEdit(int item, bool cancelled, const std::string& text) override;
    bool IsEditingLabel() const { return editingLabel_; }
    // Whether the item may be dragged: a requirement that may be changed.
    bool CanDrag(int item) const;
    // The dragged item was dropped on the target: whether the requirement moved.
    bool DropItem(int dragged, int target);
    TreeKeyResult OnKey(TreeKey key, bool shift) override;
    void OnDoubleClick() override { OpenProperties(); }
    // Enter or a double click: the properties of the chosen requirement.
    void OpenProperties();
    std::vector<TreeMenuEntry> ContextMenu() const override;
    // A command chosen in the context menu goes to the frame.
    void OnContextCommand(int command) override;

private:
    CApplicationKav* Project() const;

    EditorHost& host_;
    CReqTree tree_;
    bool editingLabel_ = false;
};
