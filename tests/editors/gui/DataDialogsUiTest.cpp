// The windows of the data set, data field and equivalence class dialogs on the sample's Clients.
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "editors/data/DataEqClassDlg.h"
#include "editors/data/DataFieldDlg.h"
#include "editors/data/DataSetDlg.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/editors/gui/SampleDataTest.h"

namespace {

class DataDialogsUiTest : public SampleDataTest {
protected:

    // Chooses the entry of a choice as the user does.
    static void ChooseType(wxChoice* choice, const wxString& text) {
        ASSERT_TRUE(choice->SetStringSelection(text)) << text;
        wxCommandEvent chosen(wxEVT_CHOICE, choice->GetId());
        chosen.SetEventObject(choice);
        chosen.SetInt(choice->GetSelection());
        choice->HandleWindowEvent(chosen);
    }

    WindowHost host;
};

}  // namespace

TEST_F(DataDialogsUiTest, TheDataSetWindowRefusesATakenNameAndWritesAFreeOne) {
    sample.GetDataSets().Add(new CDataSet("Other"))->SetFile(clients->GetFile());
    CDataSetDlg dialog(host, sample);
    host.steps = [&](EditorDialogUi& window) {
        auto* name = FindControl<wxTextCtrl>(&window, kSetName);
        ASSERT_TRUE(name);
        EXPECT_EQ(window.GetTitle(), "Data Set Clients");
        EXPECT_EQ(name->GetValue(), "Clients");
        name->Clear();
        ASSERT_TRUE(TypeInto(name, "other"));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
        EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{"A data set with this name is already existing! [W0703]"});
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == name; }));
        name->Clear();
        ASSERT_TRUE(TypeInto(name, "Customers"));
        auto* description = FindControl<wxTextCtrl>(&window, kSetDescription);
        description->Clear();
        ASSERT_TRUE(TypeInto(description, "all of them"));
        EXPECT_TRUE(SaveScreenshot(&window, "data_set_dialog"));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_TRUE(dialog.EditDataSet(*clients));
    EXPECT_EQ(clients->GetName(), "Customers");
    EXPECT_EQ(clients->GetDescription(), "all of them");
}

TEST_F(DataDialogsUiTest, TheDataFieldWindowOpensTheRangeForNumbersAndMakesTheDefaultClasses) {
    CDataField* field = clients->GetFields()[0];
    field->SetType(4);
    CDataFieldDlg dialog(host, sample);
    host.steps = [&](EditorDialogUi& window) {
        auto* type = FindControl<wxChoice>(&window, kFieldType);
        auto* min = FindControl<wxTextCtrl>(&window, kFieldMin);
        auto* box = FindControl<wxCheckBox>(&window, kFieldDefaultClasses);
        ASSERT_TRUE(type && min && box);
        EXPECT_EQ(type->GetStringSelection(), "String");
        EXPECT_FALSE(min->IsEnabled());
        ChooseType(type, "Num");
        EXPECT_TRUE(min->IsEnabled());
        min->Clear();
        ASSERT_TRUE(TypeInto(min, "-5"));
        ClickWithMouse(box);
        ASSERT_TRUE(WaitUntil([&] { return box->GetValue(); }));
        EXPECT_TRUE(SaveScreenshot(&window, "data_field_dialog"));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_TRUE(dialog.EditField(*clients, *field));
    EXPECT_EQ(field->GetType(), 2);
    EXPECT_EQ(field->GetMin(), -5);
    ASSERT_EQ(field->GetEqClasses().size(), 2u);
    EXPECT_EQ(field->GetEqClasses()[1]->GetName(), "I1");
}

TEST_F(DataDialogsUiTest, TheClassWindowFillsTheEntriesFromAClickedRowAndSetsThem) {
    CDataField* field = clients->GetFields()[0];
    field->SetType(4);
    field->GetEqClasses().DeleteAll();
    field->AddDefaultEqClasses();
    field->GetEqClasses().Add(new CDataEqClass("Blank", 0, "odd"))->SetRepresentativeValues(R"(" x", "y ")", field);
    CDataEqClassDlg dialog(host, sample);
    host.steps = [&](EditorDialogUi& window) {
        auto* rows = FindControl<wxListView>(&window, kClassList);
        auto* values = FindControl<wxTextCtrl>(&window, kClassValues);
        auto* valid = FindControl<wxCheckBox>(&window, kClassValid);
        ASSERT_TRUE(rows && values && valid);
        ASSERT_EQ(rows->GetItemCount(), 2);
        EXPECT_EQ(rows->GetItemText(0), "Blank");
        ClickRow(rows, 0);
        ASSERT_TRUE(WaitUntil([&] { return values->GetValue() == R"(" x", "y ")"; }));
        EXPECT_FALSE(valid->GetValue());
        EXPECT_TRUE(FindControl<wxButton>(&window, kClassDelete)->IsEnabled());
        EXPECT_TRUE(SaveScreenshot(&window, "equivalence_class_dialog"));
        ASSERT_TRUE(PressButton(&window, kClassSet));
        ASSERT_TRUE(WaitUntil([&] { return rows->GetFirstSelected() == 1; }));  // the next row
        ASSERT_TRUE(PressButton(&window, kClassNew));
        ASSERT_TRUE(TypeInto(FindControl<wxTextCtrl>(&window, kClassName), "V2"));
        values->SetInsertionPointEnd();
        ASSERT_TRUE(TypeInto(values, "other"));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_TRUE(dialog.EditEqClasses(*clients, *field));
    ASSERT_EQ(field->GetEqClasses().size(), 3u);
    EXPECT_EQ(field->GetEqClasses()[1]->GetRepresentativeValues(), (std::vector<std::string>{" x", "y "}));
    EXPECT_EQ(field->GetEqClasses()[2]->GetName(), "V2");
}
