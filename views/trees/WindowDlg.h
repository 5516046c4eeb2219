#pragma once
// The Windows page of the application pane without its window: the window tree, which window
// has the caret, renaming windows in place, marking found windows, the pick clicks that report a
// window to the frame, the page's keys and its context menu with the sort orders. The page
// reaches the project through the current root.
#include <optional>
#include <string>
#include <vector>

#include "shell/WorkspacePage.h"
#include "views/trees/TreePage.h"
#include "views/trees/WindowTree.h"

class CWindowDlg : public WindowsPage, public CTreePage {
public:
    static constexpr int kTreeId = 1075;
    static constexpr int kHelpContext = 35000;

    explicit CWindowDlg(TreePageHost& host);

    CWindowTree& Tree() { return tree_; }
    const CWindowTree& Tree() const { return tree_; }

    // ---- WorkspacePage

    bool HasTreeFocus() const override { return tree_.HasFocus(); }
    // After undo or redo, a new sort order, and whenever the project changed as a whole: the
    // tree is filled again and the selected window found again by its internal ID.
    void RebuildTree() override { RefreshKeepingSelection(); }
    void EnableTree(bool enabled) override { tree_.Enable(enabled); }
    void EndPickOperation() override;
    void TakeFocus() override { tree_.TakeFocus(); }
    bool PassToLabelEdit(int command) override { return PassCommandToLabelEdit(command); }
    CFileKav* GetSelectedFile() const override { return GetSelectedApplication(); }

    // ---- WindowsPage

    // Adds the window's item (a window view made it) below its parent's, or its file's, with
    // its children; the siblings are sorted again.
    void InsertWindow(CWindowKav* window) override;
    CWindowKav* GetSelectedWindow() const override { return tree_.WindowOf(tree_.GetCaret()); }
    // The file of the caret item when that is a file's item.
    CFileKav* GetSelectedApplication() const { return tree_.FileOf(tree_.GetCaret()); }
    void RefreshWindowItem(CWindowKav* window, bool sorted) override;
    void DeleteWindowItem(PageItem item) override;
    void SetItemData(PageItem item, CWindowKav* window) override;
    void MoveBoldMark(CWindowKav* oldStart, CWindowKav* newStart) override;
    void SelectWindow(CWindowKav* window) override;
    void MarkWindows(const std::vector<CWindowKav*>& windows) override;
    void UnmarkWindows() override;
    void SetPickMode(bool pick) override;
    void SetCurrentWindow(CWindowKav* window) override { tree_.SetCurrentWindow(window); }
    void OpenSelectedWindow() override;
    // Reads the sort order again and sorts every level below the file items by it.
    void SortTree() override;
    void ShowCutWindow(CWindowKav* window) override { ShowCut(tree_.ItemOf(window)); }

    // ---- The page's other operations

    // Unmarks, then fills the tree.
    void Fill();
    void RefreshKeepingSelection();
    const std::vector<CWindowKav*>& MarkedWindows() const { return markedWindows_; }

    // ---- Events of the window

    void OpenSelected() override { OpenSelectedWindow(); }
    void Unmark() override { UnmarkWindows(); }
    std::optional<std::string> BeginLabelEdit(int item) override;
    bool EndLabelEdit(int item, bool cancelled, const std::string& text) override;
    // Read when it opens: the sort order checked is the one in force ("QTP" counts as by name
    // unless the project writes UFT).
    std::vector<TreeMenuEntry> ContextMenu() const override;

protected:
    bool ReportClick(int item, bool ctrl) override;

private:
    CWindowTree tree_;
    std::vector<CWindowKav*> markedWindows_;
};
