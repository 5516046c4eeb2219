#include <gtest/gtest.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "editors/data/DataRecordDlg.h"
#include "editors/grid/BabyGridUi.h"
#include "model/FileKav.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/editors/gui/SampleDataTest.h"

namespace {

// The records of the sample project's Clients.
class DataRecordDlgUiTest : public SampleDataTest {
protected:
    // Clicks the middle of the cell with the mouse.
    void ClickCell(BabyGridUi* grid, int row, int column) {
        const GridRect cell = dialog.Grid().CellRect(row, column);
        wxUIActionSimulator input;
        input.MouseMove(grid->ClientToScreen(wxPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2)));
        input.MouseClick();
    }

    // Types behind the text of the focused edit box: focusing it again would select the text.
    static bool TypeAtEnd(wxTextCtrl* edit, const std::string& text) {
        if (!WaitUntil([edit] { return wxWindow::FindFocus() == edit; })) return false;
        edit->SetInsertionPointEnd();
        const wxString expected = edit->GetValue() + wxString::FromUTF8(text);
        wxUIActionSimulator().Text(text.c_str());
        return WaitUntil([edit, &expected] { return edit->GetValue() == expected; });
    }

    WindowHost host;
    CDataRecordDlg dialog{host, sample};
};

}  // namespace

TEST_F(DataRecordDlgUiTest, ArrowsMoveSpaceTogglesAValidCellAndEnterSets) {
    host.steps = [&](EditorDialogUi& window) {
        auto* grid = FindControl<BabyGridUi>(&window, kRecordGrid);
        auto* value = FindControl<wxTextCtrl>(&window, kRecordValue);
        ASSERT_TRUE(grid && value);
        EXPECT_EQ(window.GetTitle(), "Records of Data Set Clients");
        EXPECT_EQ(grid->GetPosition(), wxPoint(7, 7));
        EXPECT_EQ(dialog.Grid().GetRows(), 7);

        ClickCell(grid, 1, kColumnId);
        ASSERT_TRUE(WaitUntil([&] { return value->GetValue() == "V1" && wxWindow::FindFocus() == value; }));
        // Escape in the edit box brings back the ID and leaves the dialog open.
        ASSERT_TRUE(TypeAtEnd(value, "zz"));
        PressKey(WXK_ESCAPE);
        ASSERT_TRUE(WaitUntil([&] { return value->GetValue() == "V1"; }));
        EXPECT_TRUE(window.IsShown());

        PressKey(WXK_DOWN);
        ASSERT_TRUE(WaitUntil([&] { return value->GetValue() == "V2"; }));
        for (int column = kColumnOrigin; column <= kColumnValid; ++column) {
            PressKey(WXK_TAB);
            ASSERT_TRUE(WaitUntil([&] { return dialog.CurrentColumn() == column; })) << column;
        }
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == grid; }));
        PressKey(WXK_SPACE);
        ASSERT_TRUE(WaitUntil([&] { return !dialog.Copies()[1]->IsValid(); }));

        ClickCell(grid, 3, kColumnId);
        ASSERT_TRUE(WaitUntil([&] { return value->GetValue() == "V3"; }));
        ASSERT_TRUE(TypeAtEnd(value, "x"));
        PressKey(WXK_RETURN);  // Set is the default button
        ASSERT_TRUE(WaitUntil([&] { return dialog.Copies()[2]->GetName() == "V3x"; }));
        EXPECT_EQ(dialog.Grid().GetCursorCol(), kColumnOrigin);
        EXPECT_TRUE(dialogs_.Shown().empty());
        EXPECT_TRUE(SaveScreenshot(&window, "data_record_dialog"));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(dialog.EditRecords(*clients), 1);
    ASSERT_EQ(clients->GetRecords().size(), 7u);
    EXPECT_FALSE(clients->GetRecords()[1]->IsValid());
    EXPECT_EQ(clients->GetRecords()[2]->GetName(), "V3x");
}

TEST_F(DataRecordDlgUiTest, AReadOnlySetDisablesEverythingButOkAndCancel) {
    clients->GetFile()->SetReadOnly(true);
    host.steps = [&](EditorDialogUi& window) {
        EXPECT_EQ(window.GetTitle(), "Records of Data Set Clients (Read-Only)");
        for (int control : {kRecordGrid, kRecordValue, kRecordSet, kRecordInsertBefore, kRecordInsertAfter,
                            kRecordType, kRecordDelete})
            EXPECT_FALSE(wxWindow::FindWindowById(control, &window)->IsEnabled()) << control;
        EXPECT_EQ(window.GetDefaultItem(), wxWindow::FindWindowById(wxID_OK, &window));
        EXPECT_TRUE(SaveScreenshot(&window, "data_record_dialog_read_only"));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(dialog.EditRecords(*clients), 0);
}
