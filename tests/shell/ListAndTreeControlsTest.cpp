// The rules of the extended list and tree controls, over rows and items of the test's own.
#include <gtest/gtest.h>

#include <vector>

#include "shell/controls/ListCtrlExtended.h"
#include "shell/controls/StaticExtended.h"
#include "shell/controls/TreeCtrlExtended.h"

namespace {

class Rows : public ListRows, public ListParent {
public:
    int GetRowCount() const override { return static_cast<int>(texts.size()); }
    std::uintptr_t GetRowData(int row) const override { return 100 + row; }
    std::string GetRowText(int row, int) const override { return texts[row]; }
    void OnListMessage(int message, std::uintptr_t data) override { messages.push_back({message, data}); }

    std::vector<std::string> texts{"Alpha", "beta", "Gamma"};
    std::vector<std::pair<int, std::uintptr_t>> messages;
};

class DropRecordingTree : public CTreeCtrlExtended {
public:
    std::vector<std::pair<TreeItem, TreeItem>> drops;

protected:
    void Drop(TreeItem dragged, TreeItem target) override { drops.push_back({dragged, target}); }
};

}  // namespace

TEST(ListCtrlExtended, ClicksAndKeysMoveTheCurrentRowAndTellTheParent) {
    Rows rows;
    CListCtrlExtended list(rows);
    list.SetParent(&rows);
    list.OnClick(1, false);
    list.OnClick(2, true);
    list.OnClick(-1, false);
    EXPECT_EQ(list.GetCurrentRow(), -1);
    list.SetSilentRow(0);
    list.OnClick(0, false);
    EXPECT_EQ(list.GetHighlightedRow(), 0);
    EXPECT_EQ(rows.messages, (std::vector<std::pair<int, std::uintptr_t>>{
                                 {kListRowClicked, 101}, {kListRowDoubleClicked, 102}, {kListRowClicked, 0}}));

    rows.messages.clear();
    list.OnKey(ListKey::Up);  // on the first row: nothing
    list.OnKey(ListKey::End);
    list.OnKey(ListKey::Down);  // on the last row: nothing
    list.OnKey(ListKey::Up);
    list.OnKey(ListKey::PageUp);
    EXPECT_EQ(rows.messages, (std::vector<std::pair<int, std::uintptr_t>>{
                                 {kListRowClicked, 102}, {kListRowClicked, 101}, {kListRowClicked, 100}}));
}

TEST(ListCtrlExtended, RowsAreFoundByDataAndByTextWithoutCase) {
    Rows rows;
    CListCtrlExtended list(rows);
    list.HighlightItemByData(102);
    EXPECT_EQ(list.GetCurrentRow(), 2);
    list.HighlightItemByData(7);
    EXPECT_EQ(list.GetCurrentRow(), 2);
    EXPECT_EQ(list.GetHighlightedRow(), -1);
    EXPECT_EQ(list.FindItemText("BETA", 0), 1);
    EXPECT_EQ(list.FindItemText("Delta", 0), -1);
}

TEST(TreeCtrlExtended, ADropOnAnotherItemRunsTheDropOperation) {
    int root = 0, a = 0, b = 0;
    DropRecordingTree tree;
    tree.SetExcludedItem(&root);
    EXPECT_FALSE(tree.BeginDrag(&root));
    ASSERT_TRUE(tree.BeginDrag(&a));
    EXPECT_EQ(tree.DragScroll(&a, &a, &b), -1);
    EXPECT_EQ(tree.DragScroll(&b, &a, &b), 1);
    EXPECT_EQ(tree.DragScroll(&root, &a, &b), 0);
    // On itself: no drop, but the item is the one the window selects.
    EXPECT_EQ(tree.EndDrag(&a), &a);
    ASSERT_TRUE(tree.BeginDrag(&a));
    EXPECT_EQ(tree.EndDrag(nullptr), &a);
    ASSERT_TRUE(tree.BeginDrag(&a));
    tree.EndDrag(&b);
    EXPECT_EQ(tree.drops, (std::vector<std::pair<TreeItem, TreeItem>>{{&a, &b}}));
    EXPECT_FALSE(tree.IsDragging());
}

TEST(TreeCtrlExtended, ItemMarksAreKeptPerItemUntilTheItemGoes) {
    int a = 0, b = 0;
    CTreeCtrlExtended tree;
    EXPECT_EQ(tree.GetItemCheckState(&a), 0);
    tree.SetItemCheckState(&a, 4);
    tree.SetItemTextColor(&a, 0x646464);
    tree.SetItemBold(&a, kTreeItemItalic);
    EXPECT_EQ(tree.GetItemCheckState(&a), 4);
    EXPECT_EQ(tree.GetItemTextColor(&a), 0x646464u);
    EXPECT_EQ(tree.GetItemFontFlags(&a, true), kTreeItemItalic);
    EXPECT_EQ(tree.GetItemFontFlags(&b, true), kTreeItemBold);
    EXPECT_EQ(tree.GetItemFontFlags(&b, false), 0);
    tree.ForgetItem(&a);
    EXPECT_EQ(tree.GetItemCheckState(&a), 0);
    EXPECT_FALSE(tree.GetItemTextColor(&a));
}

TEST(StaticExtended, TheTextShowsLineByLine) {
    EXPECT_EQ(CStaticExtended::Lines("Task: Enter\nSteps: 3\n"), (std::vector<std::string>{"Task: Enter", "Steps: 3", ""}));
    EXPECT_EQ(CStaticExtended::Lines(""), std::vector<std::string>{""});
}
