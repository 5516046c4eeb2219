#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "editors/data/DataRecordDlg.h"
#include "model/DataSet.h"
#include "model/FileKav.h"
#include "resources/MessageCatalogue.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// A set Clients with the fields F1 (String, default "d1") and F2 (Bool, default "TRUE") and
// records named as given: R1 manual, R2 imported, R3 by the equivalence class method.
class DataRecordDlgTest : public ProjectTest {
protected:
    DataRecordDlgTest() {
        set->GetFields().Add(new CDataField("F1", 4, 0, 999999, "d1"));
        set->GetFields().Add(new CDataField("F2", 3, 0, 999999, "TRUE"));
    }

    CDataRecord* Record(const std::string& name, int origin, const std::string& f1, const std::string& f2,
                        bool valid = true) {
        CDataRecord* record = set->GetRecords().Add(new CDataRecord(name, valid ? 1 : 0, origin));
        record->SetFile(project.Main());
        record->GetValues().Set(Field(0), f1);
        record->GetValues().Set(Field(1), f2);
        return record;
    }
    void ThreeRecords() {
        Record("R1", kOriginManual, "a", "yes");
        Record("R2", kOriginImported, "b", "true");
        Record("R3", kOriginEqClassMethod, "c", "FALSE", false);
    }
    std::string Field(int index) const { return set->GetFields()[index]->GetId(); }

    // Runs the dialog; the steps act in the open dialog and say how it ends.
    int Run(const std::function<int()>& steps) {
        host.session = [&steps](EditorDialog&) { return steps(); };
        return dialog.EditRecords(*set);
    }

    std::string Cell(int row, int column) {
        std::string text;
        dialog.Grid().GetCell({row, column}, text);
        return text;
    }
    std::vector<std::string> Row(int row) {
        std::vector<std::string> texts;
        for (int column = 1; column <= dialog.Grid().GetCols(); ++column) texts.push_back(Cell(row, column));
        return texts;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const CDataRecord* record : dialog.Copies()) names.push_back(record->GetName());
        return names;
    }

    // Clicks the middle of the cell with the mouse.
    void Click(int row, int column) {
        const GridRect cell = dialog.Grid().CellRect(row, column);
        dialog.Grid().OnLeftDown((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    }
    // Set with the value typed; the warning it showed, "" for none.
    std::string Set(const std::string& value) {
        TestInteraction().messages.clear();
        dialog.SetText(kRecordValue, value);
        const bool accepted = dialog.ApplyValue();
        std::string shown;
        if (!TestInteraction().messages.empty()) {
            const MessageRequest& message = TestInteraction().messages[0];
            shown = message.text + " | " + message.caption;
            EXPECT_EQ(message.icon, MessageIcon::Warning);
            EXPECT_EQ(dialog.GetFocusRequest().control, kRecordValue);
            EXPECT_TRUE(dialog.GetFocusRequest().selectText);
        }
        EXPECT_EQ(accepted, shown.empty()) << shown;
        TestInteraction().messages.clear();
        return shown;
    }

    CDataSet* set = project.AddDataSet("Clients");
    FakeEditorHost host;
    CDataRecordDlg dialog{host, app};
};

}  // namespace

TEST_F(DataRecordDlgTest, TheGridShowsOneRowPerRecordAndOneColumnPerField) {
    ThreeRecords();
    Run([&] {
        EXPECT_EQ(dialog.GetTitle(), "Records of Data Set Clients");
        EXPECT_EQ(dialog.Grid().GetRows(), 3);
        EXPECT_EQ(dialog.Grid().GetCols(), 7);
        EXPECT_THAT(Row(0), ElementsAre("ID", "Origin", "Effects", "Effect Vars", "Valid", "F1", "F2"));
        EXPECT_THAT(Row(1), ElementsAre("R1", "Manual", "", "", "TRUE", "a", "FALSE"));
        EXPECT_THAT(Row(2), ElementsAre("R2", "Imported", "", "", "TRUE", "b", "true"));
        EXPECT_THAT(Row(3), ElementsAre("R3", "Equivalence Class Method", "", "", "FALSE", "c", "FALSE"));
        EXPECT_EQ(dialog.Grid().GetCellType({1, 7}), kCellFalse);
        // Without effects the effect columns are hidden, as is the row-header column.
        const int widths[] = {0, 50, 100, 0, 0};
        for (int column = 0; column <= 4; ++column) EXPECT_EQ(dialog.Grid().GetColWidth(column), widths[column]);

        EXPECT_THAT(dialog.Control(kRecordType).items,
                    ElementsAre("All", "DELTRA Method", "Equivalence Class Method", "Imported", "Manual", "Selected"));
        EXPECT_EQ(dialog.GetText(kRecordType), "Selected");
        EXPECT_FALSE(dialog.IsEnabled(kRecordDelete));
        EXPECT_FALSE(dialog.IsEnabled(kRecordValue));
        EXPECT_FALSE(dialog.IsEnabled(kRecordSet));
        EXPECT_TRUE(dialog.IsEnabled(kRecordInsertAfter));
        EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
        EXPECT_FALSE(dialog.GridCursorAfterPaint());
        return kIdCancel;
    });
    // The stored value itself stays as it was.
    EXPECT_EQ(set->GetRecords()[0]->GetValues().at(Field(1)), "yes");
}

TEST_F(DataRecordDlgTest, EffectsShowTheirNamesAndForValidRecordsTheirVariables) {
    auto* effect = set->GetEffects().Add(new CDataEffect("E1", set));
    effect->SetAttribute(new CAttributeKav("Premium", 2, "100"));
    auto* bare = set->GetEffects().Add(new CDataEffect("E2", set));
    Record("V1", kOriginDeltra, "a", "TRUE")->GetEffectIds() = {effect->GetId(), "unknown", bare->GetId()};
    Record("I1", kOriginDeltra, "b", "TRUE", false)->GetEffectIds() = {effect->GetId()};
    Record("N1", kOriginManual, "c", "TRUE");
    Run([&] {
        EXPECT_THAT(Row(1), ElementsAre("V1", "DELTRA Method", "E1, E2", "Premium: 100", "TRUE", "a", "TRUE"));
        EXPECT_THAT(Row(2), ElementsAre("I1", "DELTRA Method", "E1", "", "FALSE", "b", "TRUE"));
        EXPECT_EQ(dialog.Grid().GetColWidth(3), 100);
        EXPECT_EQ(dialog.Grid().GetColWidth(4), 100);
        return kIdCancel;
    });

    // A set without records shows the titles only, with every column.
    set->GetRecords().DeleteAll();
    Run([&] {
        EXPECT_EQ(dialog.Grid().GetRows(), 0);
        EXPECT_EQ(Cell(0, 3), "Effects");
        EXPECT_EQ(dialog.Grid().GetColWidth(3), 100);
        return kIdCancel;
    });
}

TEST_F(DataRecordDlgTest, ChoosingACellLoadsWhatItHolds) {
    ThreeRecords();
    Run([&] {
        struct Case {
            int row;
            int column;
            std::string value;
            bool editing;
            int focus;
        };
        const Case cases[] = {
            {2, kColumnId, "R2", true, kRecordValue},
            {2, kColumnOrigin, "Imported", false, kRecordGrid},
            {3, 6, "c", true, kRecordValue},
            {1, 7, "", false, kRecordGrid},  // a check box: nothing to edit
        };
        for (const Case& c : cases) {
            dialog.ClearFocusRequest();
            Click(c.row, c.column);
            EXPECT_EQ(dialog.CurrentRecord(), dialog.Copies()[c.row - 1]) << c.row << "," << c.column;
            EXPECT_EQ(dialog.GetText(kRecordValue), c.value) << c.row << "," << c.column;
            EXPECT_EQ(dialog.IsEditing(), c.editing) << c.row << "," << c.column;
            EXPECT_EQ(dialog.IsEnabled(kRecordSet), c.editing);
            EXPECT_EQ(dialog.GetDefaultButton(), c.editing ? int{kRecordSet} : int{kIdOk});
            EXPECT_EQ(dialog.GetFocusRequest().control, c.focus) << c.row << "," << c.column;
            EXPECT_TRUE(dialog.IsEnabled(kRecordDelete));
            EXPECT_TRUE(dialog.GridCursorAfterPaint());
        }
        return kIdCancel;
    });
}

TEST_F(DataRecordDlgTest, AClickOnACheckBoxTogglesItAtOnce) {
    ThreeRecords();
    Run([&] {
        Click(1, kColumnValid);  // the first click moves the cursor there and toggles
        EXPECT_EQ(Cell(1, kColumnValid), "FALSE");
        EXPECT_FALSE(dialog.Copies()[0]->IsValid());
        Click(1, kColumnValid);
        EXPECT_EQ(Cell(1, kColumnValid), "TRUE");
        EXPECT_TRUE(dialog.Copies()[0]->IsValid());
        Click(3, 7);
        EXPECT_EQ(Cell(3, 7), "TRUE");
        EXPECT_EQ(dialog.Copies()[2]->GetValues().at(Field(1)), "TRUE");
        // Space on the grid clicks the cursor cell.
        EXPECT_TRUE(dialog.OnKey(GridKey::Char, false, U' ', kRecordGrid));
        EXPECT_EQ(Cell(3, 7), "FALSE");
        EXPECT_EQ(dialog.Copies()[2]->GetValues().at(Field(1)), "FALSE");
        return kIdCancel;
    });
}

TEST_F(DataRecordDlgTest, SetChecksIdsAndStoresFieldValuesUnchecked) {
    ThreeRecords();
    Run([&] {
        Click(1, kColumnId);
        EXPECT_EQ(Set("r2"), "A record with this ID is already existing! [W0372] | Invalid ID");
        EXPECT_EQ(Set("1a"), "The name must not begin with a number! [W0485] | Invalid ID");
        EXPECT_EQ(Set(""), "The name must not be empty! [W0463] | Invalid ID");
        EXPECT_EQ(dialog.Copies()[0]->GetName(), "R1");
        EXPECT_EQ(dialog.CurrentColumn(), kColumnId);

        EXPECT_EQ(Set("r1"), "");  // its own name in other case
        EXPECT_EQ(dialog.Copies()[0]->GetName(), "r1");
        EXPECT_EQ(Cell(1, kColumnId), "r1");
        // One column on: the origin, which is not edited.
        EXPECT_EQ(dialog.Grid().GetCursorCol(), kColumnOrigin);
        EXPECT_EQ(dialog.GetText(kRecordValue), "Manual");
        EXPECT_FALSE(dialog.IsEditing());

        Click(2, 6);
        EXPECT_EQ(Set("not checked 1.2.3"), "");
        EXPECT_EQ(dialog.Copies()[1]->GetValues().at(Field(0)), "not checked 1.2.3");
        EXPECT_EQ(Cell(2, 6), "not checked 1.2.3");
        EXPECT_EQ(dialog.Grid().GetCursorCol(), 7);
        return kIdCancel;
    });
}

TEST_F(DataRecordDlgTest, ANewRecordKeepsTheCursorUntilItHasAName) {
    ThreeRecords();
    Run([&] {
        dialog.OnInsertAfter();  // no current record: at the end
        EXPECT_THAT(Names(), ElementsAre("R1", "R2", "R3", ""));
        const CDataRecord* added = dialog.Copies()[3];
        EXPECT_TRUE(added->IsValid());
        EXPECT_EQ(added->GetOrigin(), kOriginManual);
        EXPECT_EQ(added->GetValues().at(Field(0)), "d1");
        EXPECT_EQ(added->GetValues().at(Field(1)), "TRUE");
        EXPECT_EQ(added->GetFile(), project.Main());
        EXPECT_THAT(Row(4), ElementsAre("", "Manual", "", "", "TRUE", "d1", "TRUE"));
        EXPECT_EQ(dialog.CurrentRecord(), added);
        EXPECT_EQ(dialog.Grid().GetCursorRow(), 4);
        EXPECT_EQ(dialog.Grid().GetCursorCol(), kColumnId);
        EXPECT_TRUE(dialog.IsEditing());
        EXPECT_FALSE(dialog.IsEnabled(kRecordInsertBefore));
        EXPECT_FALSE(dialog.IsEnabled(kRecordInsertAfter));

        Click(2, 6);
        EXPECT_EQ(dialog.Grid().GetCursorRow(), 4);
        EXPECT_EQ(dialog.Grid().GetCursorCol(), kColumnId);
        EXPECT_EQ(dialog.CurrentRecord(), added);
        EXPECT_EQ(dialog.GetFocusRequest().control, kRecordValue);

        EXPECT_EQ(Set("R4"), "");
        Click(2, kColumnId);
        EXPECT_EQ(dialog.CurrentRecord(), dialog.Copies()[1]);
        EXPECT_TRUE(dialog.IsEnabled(kRecordInsertBefore));

        // Before and after the current record.
        dialog.OnInsertBefore();
        EXPECT_THAT(Names(), ElementsAre("R1", "", "R2", "R3", "R4"));
        EXPECT_EQ(dialog.Grid().GetCursorRow(), 2);
        EXPECT_EQ(Set("B"), "");
        dialog.OnInsertAfter();
        EXPECT_THAT(Names(), ElementsAre("R1", "B", "", "R2", "R3", "R4"));
        EXPECT_EQ(dialog.Grid().GetCursorRow(), 3);
        return kIdCancel;
    });
}

TEST_F(DataRecordDlgTest, DeleteRemovesTheRecordsOfTheChosenType) {
    struct Case {
        std::string type;
        int selectRow;  // 0: no current record
        std::vector<std::string> left;
        std::string question;
    };
    const std::string all = "Do you really want to delete all records of the selected type? [Q0039] | Delete Records";
    const std::string one = "Do you really want to delete the selected record? [Q0036] | Delete Record";
    const Case cases[] = {
        {"Imported", 0, {"R1", "R3", "R4"}, all},
        {"Manual", 2, {"R2", "R3"}, all},
        {"Equivalence Class Method", 0, {"R1", "R2", "R4"}, all},
        {"DELTRA Method", 0, {"R1", "R2", "R3", "R4"}, all},
        {"All", 0, {}, all},
        {"Selected", 2, {"R1", "R3", "R4"}, one},
    };
    ThreeRecords();
    Record("R4", kOriginManual, "d", "TRUE");
    for (const Case& c : cases) {
        Run([&] {
            if (c.selectRow) Click(c.selectRow, kColumnId);
            dialog.SetText(kRecordType, c.type);
            dialog.OnTypeChanged();
            EXPECT_TRUE(dialog.IsEnabled(kRecordDelete)) << c.type;
            TestInteraction().messages.clear();
            dialog.OnDelete();
            EXPECT_EQ(TestInteraction().Texts().size(), 1u);
            for (const MessageRequest& question : TestInteraction().messages) {
                EXPECT_EQ(question.text + " | " + question.caption, c.question);
                EXPECT_EQ(question.buttons, MessageButtons::YesNo);
            }
            EXPECT_EQ(Names(), c.left) << c.type;
            EXPECT_EQ(dialog.Grid().GetRows(), static_cast<int>(c.left.size()));
            EXPECT_EQ(dialog.CurrentRecord(), nullptr);
            // Nothing is left in the edit box to be set.
            EXPECT_FALSE(dialog.IsEditing());
            EXPECT_FALSE(dialog.IsEnabled(kRecordSet));
            EXPECT_TRUE(dialog.OnOK());
            return kIdCancel;
        });
    }

    // No keeps them; "Selected" without a current record cannot delete.
    Run([&] {
        dialog.SetText(kRecordType, "All");
        TestInteraction().answers.push_back(MessageAnswer::No);
        dialog.OnDelete();
        EXPECT_EQ(dialog.Copies().size(), 4u);
        dialog.SetText(kRecordType, "Selected");
        dialog.OnTypeChanged();
        EXPECT_FALSE(dialog.IsEnabled(kRecordDelete));
        return kIdCancel;
    });
}

TEST_F(DataRecordDlgTest, OkHandsTheCopiesToTheSetCancelAndReadOnlyKeepItsRecords) {
    ThreeRecords();
    set->GetRecords()[1]->SetTreeItem(42);
    set->SetCurrentRecord(set->GetRecords()[1]);
    const std::string secondId = set->GetRecords()[1]->GetId();

    EXPECT_EQ(Run([&] {
        dialog.OnInsertAfter();
        return kIdCancel;
    }), 0);
    EXPECT_EQ(set->GetRecords().size(), 3u);

    // OK with a refused pending name stays open.
    EXPECT_EQ(Run([&] {
        Click(3, kColumnId);
        dialog.SetText(kRecordValue, "R1");
        EXPECT_FALSE(dialog.OnOK());
        dialog.SetText(kRecordValue, "R0");
        EXPECT_TRUE(dialog.OnOK());
        dialog.OnInsertBefore();
        dialog.SetText(kRecordValue, "New");
        EXPECT_TRUE(dialog.OnOK());
        return kIdOk;
    }), 1);
    ASSERT_EQ(set->GetRecords().size(), 4u);
    std::vector<std::string> names;
    for (const CDataRecord* record : set->GetRecords()) names.push_back(record->GetName());
    EXPECT_THAT(names, ElementsAre("R1", "R2", "New", "R0"));
    EXPECT_EQ(set->GetRecords()[1]->GetId(), secondId);
    EXPECT_EQ(set->GetRecords()[1]->GetTreeItem(), 42);
    EXPECT_EQ(set->GetRecords()[1]->GetFile(), project.Main());
    // The set's current record is the copy that took its place.
    EXPECT_EQ(set->GetCurrentRecord(), set->GetRecords()[1]);
    EXPECT_THAT(dialog.Copies(), IsEmpty());
    EXPECT_EQ(LoadMessage(kUndoEditDataRecords), "Edit Data Records");

    project.Main()->SetReadOnly(true);
    EXPECT_EQ(Run([&] {
        EXPECT_EQ(dialog.GetTitle(), "Records of Data Set Clients (Read-Only)");
        for (int control : {kRecordValue, kRecordSet, kRecordInsertBefore, kRecordInsertAfter, kRecordDelete,
                            kRecordType, kRecordGrid})
            EXPECT_FALSE(dialog.IsEnabled(control)) << control;
        EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
        Click(1, kColumnValid);
        EXPECT_TRUE(dialog.OnOK());
        return kIdOk;
    }), 0);
    EXPECT_TRUE(set->GetRecords()[0]->IsValid());
}

TEST_F(DataRecordDlgTest, KeysReachTheGridOnceACellWasChosen) {
    ThreeRecords();
    Run([&] {
        EXPECT_FALSE(dialog.OnKey(GridKey::Down, false, 0, kRecordValue));
        Click(1, kColumnId);
        EXPECT_TRUE(dialog.OnKey(GridKey::Down, false, 0, kRecordValue));
        EXPECT_EQ(dialog.CurrentRecord(), dialog.Copies()[1]);
        EXPECT_EQ(dialog.GetText(kRecordValue), "R2");
        EXPECT_TRUE(dialog.OnKey(GridKey::Tab, false, 0, kRecordValue));
        EXPECT_EQ(dialog.CurrentColumn(), kColumnOrigin);
        // Return on the grid goes one column on: past the hidden effect columns.
        EXPECT_TRUE(dialog.OnKey(GridKey::Return, false, 0, kRecordGrid));
        EXPECT_EQ(dialog.CurrentColumn(), kColumnValid);
        EXPECT_TRUE(dialog.OnKey(GridKey::Tab, false, 0, kRecordGrid));
        EXPECT_EQ(dialog.GetText(kRecordValue), "b");
        // Escape in the edit box brings back the stored value; the dialog stays open.
        dialog.SetText(kRecordValue, "typed");
        EXPECT_TRUE(dialog.OnKey(GridKey::Escape, false, 0, kRecordValue));
        EXPECT_EQ(dialog.GetText(kRecordValue), "b");
        // Other keys go their own way.
        EXPECT_FALSE(dialog.OnKey(GridKey::Left, false, 0, kRecordValue));
        EXPECT_FALSE(dialog.OnKey(GridKey::Char, false, U'x', kRecordValue));

        dialog.OnHelp(true, kRecordGrid);
        dialog.OnHelp(false, kRecordGrid);
        EXPECT_THAT(host.helpTopics, ElementsAre(static_cast<int>(0x808D01F4), 0x2008D));
        return kIdCancel;
    });
}
