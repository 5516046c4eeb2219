// The windows of the effect editor and the test data import on the sample's Clients.
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "editors/data/DataEffectDlg.h"
#include "editors/data/DataImportDlg.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/editors/gui/SampleDataTest.h"
#include "tests/support/ScratchFolder.h"

namespace {

class DataEffectImportUiTest : public SampleDataTest {
protected:
    WindowHost host;
};

}  // namespace

TEST_F(DataEffectImportUiTest, TheEffectWindowFillsTheEntriesFromARowAndSetsANewEffect) {
    CDataEffectDlg dialog(host, sample);
    host.steps = [&](EditorDialogUi& window) {
        auto* rows = FindControl<wxListView>(&window, kEffectList);
        auto* name = FindControl<wxTextCtrl>(&window, kEffectName);
        auto* valid = FindControl<wxCheckBox>(&window, kEffectValid);
        auto* variable = FindControl<wxChoice>(&window, kEffectVariable);
        auto* value = FindControl<wxTextCtrl>(&window, kEffectValue);
        auto* condition = FindControl<wxTextCtrl>(&window, kEffectCondition);
        ASSERT_TRUE(rows && name && valid && variable && value && condition);
        EXPECT_EQ(window.GetTitle(), "Effects of Data Set Clients");
        ASSERT_EQ(rows->GetItemCount(), 3);
        EXPECT_EQ(rows->GetItemText(0), "Senior");
        EXPECT_EQ(rows->GetItemText(2), "TooYoung");
        EXPECT_FALSE(variable->IsEnabled());

        ClickRow(rows, 1);
        ASSERT_TRUE(WaitUntil([&] { return name->GetValue() == "YoungDriver"; }));
        EXPECT_TRUE(variable->IsEnabled());
        EXPECT_EQ(variable->GetStringSelection(), "Surcharge");
        EXPECT_EQ(condition->GetValue(), "#Age# >= 18 and #Age# < 22");
        window.Update();
        EXPECT_TRUE(SaveScreenshot(&window, "effect_dialog"));

        ASSERT_TRUE(PressButton(&window, kEffectNew));
        ASSERT_TRUE(TypeInto(name, "Adult"));
        ClickWithMouse(valid);
        ASSERT_TRUE(WaitUntil([&] { return variable->IsEnabled(); }));
        ASSERT_TRUE(variable->SetStringSelection("Surcharge"));
        ASSERT_TRUE(TypeInto(value, "FALSE"));
        ASSERT_TRUE(TypeInto(condition, "#Age# >= 22 AND #Age# <= 65"));
        ASSERT_TRUE(PressButton(&window, kEffectSet));
        ASSERT_TRUE(WaitUntil([&] { return rows->GetItemCount() == 4; }));
        EXPECT_EQ(rows->GetItemText(0), "Adult");
        EXPECT_EQ(name->GetValue(), "");
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(dialog.EditEffects(*clients), 1);
    ASSERT_EQ(clients->GetEffects().size(), 4u);
    const CDataEffect* adult = clients->GetEffects()[3];
    EXPECT_EQ(adult->GetName(), "Adult");
    EXPECT_EQ(adult->GetAttribute()->GetValue(), "FALSE");
    EXPECT_TRUE(dialogs_.Messages().empty());
}

TEST_F(DataEffectImportUiTest, TheImportWindowReadsAFileIntoATypedNewSet) {
    ScratchFolder folder;
    const std::string data = folder.Write("drivers.txt", "Age\tName\n30\tAnn\n70\tBob\n");
    CDataImportDlg dialog(host, sample);
    host.steps = [&](EditorDialogUi& window) {
        auto* box = FindControl<wxComboBox>(&window, kImportDataSet);
        auto* source = FindControl<wxTextCtrl>(&window, kImportSource);
        auto* separator = FindControl<wxTextCtrl>(&window, kImportSeparator);
        ASSERT_TRUE(box && source && separator);
        EXPECT_EQ(window.GetTitle(), "Import Test Data");
        EXPECT_EQ(box->GetValue(), "Clients");
        EXPECT_EQ(separator->GetValue(), "\\t");
        separator->Clear();
        ASSERT_TRUE(PressButton(&window, wxID_OK));
        EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>{"Please specify a field separator! [W0638]"});
        ASSERT_TRUE(TypeInto(separator, "\\t"));
        source->Clear();
        ASSERT_TRUE(TypeInto(source, data));
        box->ChangeValue("");
        ASSERT_TRUE(TypeInto(box, "Drivers"));
        EXPECT_TRUE(SaveScreenshot(&window, "data_import_dialog"));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(dialog.ImportIntoDataSet(clients), 1);
    const CDataSet* drivers = sample.FindDataSet("Drivers", false);
    ASSERT_NE(drivers, nullptr);
    EXPECT_EQ(drivers->GetRecords().size(), 2u);
    EXPECT_EQ(drivers->GetDataSource(), data);
    EXPECT_EQ(clients->GetRecords().size(), 7u);  // untouched
}
