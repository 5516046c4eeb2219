// The extended list and tree controls on the toolkit: real clicks, keys and focus reach their
// logic, and the logic's marks show on the items.
#include <memory>

#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "shell/wx/controls/ListCtrlExtendedUi.h"
#include "shell/wx/controls/TreeCtrlExtendedUi.h"
#include "tests/support/gui/GuiTest.h"

namespace {

class ControlsUiTest : public GuiTest {
protected:
    void SetUp() override {
        frame_ = new wxFrame(nullptr, wxID_ANY, "Controls", wxDefaultPosition, wxSize(400, 300));
        auto* layout = new wxBoxSizer(wxHORIZONTAL);
        list_ = new CListCtrlExtendedUi(frame_, 100);
        list_->InsertColumn(0, "Name");
        for (int row = 0; row < 3; ++row) list_->SetItemData(list_->InsertItem(row, "Row " + std::to_string(row)), 10 + row);
        tree_ = new CTreeCtrlExtendedUi(frame_, 101, logic_);
        other_ = new wxTextCtrl(frame_, 102);
        layout->Add(list_, 1, wxEXPAND);
        layout->Add(tree_, 1, wxEXPAND);
        layout->Add(other_, 0);
        frame_->SetSizer(layout);
        frame_->Layout();
        list_->Bind(kListRowEvent, [this](wxCommandEvent& event) { rows_.push_back({event.GetInt(), event.GetExtraLong()}); });
    }

    wxFrame* frame_ = nullptr;
    CListCtrlExtendedUi* list_ = nullptr;
    CTreeCtrlExtended logic_;
    CTreeCtrlExtendedUi* tree_ = nullptr;
    wxTextCtrl* other_ = nullptr;
    std::vector<std::pair<int, long>> rows_;
};

}  // namespace

TEST_F(ControlsUiTest, ClicksAndKeysOnTheListReportTheRowsData) {
    ASSERT_TRUE(ShowAndActivate(frame_));
    wxRect second;
    ASSERT_TRUE(list_->GetItemRect(1, second));
    wxUIActionSimulator input;
    input.MouseMove(list_->ClientToScreen(second.GetPosition() + wxPoint(5, second.height / 2)));
    input.MouseClick();
    ASSERT_TRUE(WaitUntil([this] { return !rows_.empty(); }));
    EXPECT_EQ(rows_[0], (std::pair<int, long>{kListRowClicked, 11}));
    PressKey(WXK_DOWN);
    ASSERT_TRUE(WaitUntil([this] { return rows_.size() == 2; }));
    EXPECT_EQ(rows_[1], (std::pair<int, long>{kListRowClicked, 12}));
    EXPECT_EQ(list_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), 2);
}

TEST_F(ControlsUiTest, TheTreesFocusFlagFollowsTheFocusAndItsMarksShow) {
    const wxTreeItemId root = tree_->AddRoot("Project");
    const wxTreeItemId task = tree_->AppendItem(root, "Task");
    tree_->SetItemMarks(task, kTreeItemBold);
    tree_->SetItemTextColor(task, 0x646464);
    EXPECT_TRUE(tree_->IsBold(task));
    EXPECT_EQ(tree_->GetItemTextColour(task), wxColour(100, 100, 100));

    ASSERT_TRUE(ShowAndActivate(frame_));
    tree_->SetFocus();
    ASSERT_TRUE(WaitUntil([this] { return logic_.HasFocus(); }));
    other_->SetFocus();
    ASSERT_TRUE(WaitUntil([this] { return !logic_.HasFocus(); }));

    tree_->Delete(task);
    EXPECT_EQ(logic_.GetItemFontFlags(CTreeCtrlExtendedUi::Key(task), false), 0);
}
