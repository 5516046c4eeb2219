#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "editors/data/DataEqClassDlg.h"
#include "model/DataSet.h"
#include "model/FileKav.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

using Values = std::vector<std::string>;

// The number field Age of the set Input, with the classes V1 (valid, the value 5), V2 (valid,
// 10 to 20) and I1 (invalid, the value -1).
class DataEqClassDlgTest : public ProjectTest {
protected:
    DataEqClassDlgTest() {
        field->SetFile(set->GetFile());
        Class("V1", true, "", "", "5");
        Class("V2", true, "10", "20", "");
        Class("I1", false, "", "", "-1");
    }

    CDataEqClass* Class(const std::string& name, bool valid, const std::string& lower, const std::string& upper,
                        const std::string& values) {
        auto* eqClass = field->GetEqClasses().Add(new CDataEqClass(name, valid ? 1 : 0, "range " + name, lower, upper));
        eqClass->SetRepresentativeValues(values, field);
        return eqClass;
    }

    // Runs the dialog; the steps act in the open dialog and say how it ends.
    bool Run(const std::function<int()>& steps) {
        host.session = [&steps](EditorDialog&) { return steps(); };
        return dialog.EditEqClasses(*set, *field);
    }

    void Fill(const std::string& name, bool valid, const std::string& lower, const std::string& upper,
              const std::string& values) {
        dialog.SetText(kClassName, name);
        dialog.SetChecked(kClassValid, valid);
        dialog.SetText(kClassLower, lower);
        dialog.SetText(kClassUpper, upper);
        dialog.SetText(kClassValues, values);
    }
    void Choose(const std::string& name) {
        const EditorList& rows = dialog.List(kClassList);
        for (int row = 0; row < rows.RowCount(); ++row)
            if (rows.RowTexts(row)[0] == name) return dialog.ChooseRow(kClassList, row);
        ADD_FAILURE() << "no row " << name;
    }
    Refused Set() {
        return Attempt(dialog, [&] { return dialog.ApplyEntry(); });
    }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        const EditorList& list = dialog.List(kClassList);
        for (int row = 0; row < list.RowCount(); ++row) {
            const auto& texts = list.RowTexts(row);
            rows.push_back(texts[0] + " " + texts[1] + " " + texts[2]);
        }
        return rows;
    }
    std::vector<std::string> FieldClasses() const {
        std::vector<std::string> names;
        for (const CDataEqClass* eqClass : field->GetEqClasses()) names.push_back(eqClass->GetName());
        return names;
    }

    CDataSet* set = project.AddDataSet("Input");
    CDataField* field = set->GetFields().Add(new CDataField("Age", 2));
    FakeEditorHost host;
    CDataEqClassDlg dialog{host, app};
};

}  // namespace

TEST_F(DataEqClassDlgTest, OpensWithTheClassesSortedAndANewEntry) {
    Run([&] {
        EXPECT_EQ(dialog.GetTitle(), "Equivalence Classes of Field Age (Num)");
        const auto& columns = dialog.List(kClassList).Columns();
        if (columns.size() != 3u) return ADD_FAILURE() << "columns", kIdCancel;
        EXPECT_EQ(columns[0].title, "Name");
        EXPECT_EQ(columns[1].width, 40);
        EXPECT_EQ(columns[2].title, "Range");
        EXPECT_THAT(Rows(), ElementsAre("I1 N range I1", "V1 Y range V1", "V2 Y range V2"));
        EXPECT_TRUE(dialog.IsNewEntry());
        EXPECT_TRUE(dialog.IsChecked(kClassValid));
        EXPECT_FALSE(dialog.IsEnabled(kClassDelete));
        EXPECT_EQ(dialog.GetDefaultButton(), kClassSet);
        Choose("V2");
        EXPECT_EQ(dialog.GetText(kClassLower), "10");
        EXPECT_EQ(dialog.GetText(kClassUpper), "20");
        EXPECT_TRUE(dialog.IsEnabled(kClassDelete));
        dialog.ChooseRow(kClassList, -1);
        EXPECT_TRUE(dialog.IsNewEntry());
        EXPECT_EQ(dialog.GetText(kClassName), "");
        return kIdCancel;
    });
}

TEST_F(DataEqClassDlgTest, ANewClassIsCheckedBeforeItIsAdded) {
    struct Case {
        std::string name;
        bool valid;
        std::string lower, upper, values;
        Refused refused;
    };
    const Case cases[] = {
        {"", true, "", "", "1", {"Please enter a valid name! [W0040]", "Invalid Name", kClassName}},
        {std::string(31, 'c'), true, "", "", "1",
         {"The name must not be longer than 30 characters! [W0041]", "Invalid Name", kClassName}},
        {"1c", true, "", "", "1", {"The ID must not begin with a digit! [W0959]", "Invalid Name", kClassName}},
        {"V3", true, "", "", "",
         {"Please specify at least one boundary or representative value! [W0043]", "Value Missing", kClassValues}},
        {"V3", true, "abc", "", "",
         {"The lower border value must correspond to the type of the field! [W0140]", "Type Mismatch", kClassLower}},
        {"V3", true, "1", "x", "",
         {"The upper border value must correspond to the type of the field! [W0141]", "Type Mismatch", kClassUpper}},
        {"V3", true, "5", "", "",
         {"Lower border value '5' has already been defined in class 'V1'! [W0566]", "Invalid Value", kClassLower}},
        {"V3", true, "", "20", "",
         {"Upper border value '20' has already been defined in class 'V2'! [W0567]", "Invalid Value", kClassUpper}},
        {"v1", true, "", "", "7", {"A class with this name is already existing! [W0044]", "Invalid Name", kClassName}},
        {"I2", false, "", "", "a,",
         {"Please use 2 double quotes to specify an empty string! [W0945]", "Invalid Representative Value",
          kClassValues}},
        {"I2", false, "", "", "10",
         {"Representative value '10' has already been defined in class 'V2'! [W0573]", "Invalid Representative Value",
          kClassValues}},
        {"I2", false, "abc", "", "", {}},  // an invalid class takes borders of any form
        {std::string(30, 'c'), true, "30", "40", "35", {}},
    };
    Run([&] {
        size_t classes = 3;
        for (const Case& c : cases) {
            Fill(c.name, c.valid, c.lower, c.upper, c.values);
            EXPECT_EQ(Set(), c.refused) << c.name << " " << c.lower << " " << c.upper << " " << c.values;
            if (c.refused.text.empty()) ++classes;
            EXPECT_EQ(dialog.Copies().size(), classes) << c.name;
        }
        EXPECT_TRUE(dialog.IsNewEntry());
        EXPECT_EQ(dialog.GetText(kClassName), "");
        return kIdCancel;
    });
    EXPECT_THAT(FieldClasses(), ElementsAre("V1", "V2", "I1"));
}

TEST_F(DataEqClassDlgTest, AClassAddedInTheSameRunDoesNotHoldItsBorders) {
    Run([&] {
        Fill("V3", true, "30", "", "");
        EXPECT_EQ(Set(), Refused{});
        Fill("V4", true, "30", "", "");
        EXPECT_EQ(Set(), Refused{});
        return kIdCancel;
    });
}

TEST_F(DataEqClassDlgTest, AChosenClassIsChangedAndTheNextRowIsChosen) {
    Run([&] {
        Choose("V2");
        Fill("V2", true, "5", "20", "");
        EXPECT_EQ(Set(), (Refused{"Lower border value '5' has already been defined in class 'V1'! [W0135]",
                                  "Invalid Value", kClassLower}));
        Fill("i1", true, "10", "20", "");
        EXPECT_EQ(Set(), (Refused{"A class with this name is already existing! [W0045]", "Invalid Name", kClassName}));
        // Its own borders are no conflict, but a value of another class keeps the old borders.
        Fill("V2", true, "11", "20", "5");
        EXPECT_EQ(Set(), (Refused{"Representative value '5' has already been defined in class 'V1'! [W0573]",
                                  "Invalid Representative Value", kClassValues}));
        EXPECT_EQ(dialog.Copies()[1]->GetMin(), "10");

        Choose("V1");
        Fill("v1", false, "", "", "5, 6");  // only the case of the name changes
        dialog.SetText(kClassRange, "small");
        EXPECT_EQ(Set(), Refused{});
        EXPECT_EQ(dialog.List(kClassList).GetHighlighted(), 2);  // V2 follows
        EXPECT_EQ(dialog.GetText(kClassName), "V2");
        EXPECT_FALSE(dialog.IsNewEntry());
        Fill("V2", true, "10", "21", "");
        EXPECT_EQ(Set(), Refused{});
        EXPECT_TRUE(dialog.IsNewEntry());  // it was the last row
        EXPECT_THAT(Rows(), ElementsAre("I1 N range I1", "v1 N small", "V2 Y range V2"));
        return kIdOk;
    });
    ASSERT_EQ(field->GetEqClasses().size(), 3u);
    const CDataEqClass* v1 = field->GetEqClasses()[0];
    EXPECT_EQ(v1->GetName(), "v1");
    EXPECT_FALSE(v1->IsValid());
    EXPECT_EQ(v1->GetRepresentativeValues(), (Values{"5", "6"}));
    EXPECT_EQ(field->GetEqClasses()[1]->GetMax(), "21");
}

TEST_F(DataEqClassDlgTest, ValuesShowAsATextThatParsesBack) {
    field->SetType(4);
    CDataEqClass* odd = field->GetEqClasses().Add(new CDataEqClass("Odd", 1));
    odd->SetRepresentativeValues(R"(a\,b, "", " x", "y ")", field);
    ASSERT_EQ(odd->GetRepresentativeValues(), (Values{"a,b", "", " x", "y "}));
    Run([&] {
        Choose("Odd");
        EXPECT_EQ(dialog.GetText(kClassValues), R"(a\,b, "", " x", "y ")");
        EXPECT_EQ(Set(), Refused{});
        dialog.OnNew();
        Fill("New", true, "", "", R"(a, "b,c", "")");
        EXPECT_EQ(Set(), Refused{});
        return kIdOk;
    });
    ASSERT_EQ(field->GetEqClasses().size(), 5u);
    EXPECT_EQ(field->GetEqClasses()[3]->GetRepresentativeValues(), (Values{"a,b", "", " x", "y "}));
    EXPECT_EQ(field->GetEqClasses()[4]->GetRepresentativeValues(), (Values{"a", "b,c", ""}));
}

TEST_F(DataEqClassDlgTest, DeleteAsksAndRemovesTheChosenClass) {
    TestInteraction().answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_TRUE(Run([&] {
        dialog.OnDelete();  // no row chosen: nothing
        EXPECT_TRUE(TestInteraction().messages.empty());
        Choose("V1");
        dialog.OnDelete();
        EXPECT_EQ(dialog.Copies().size(), 3u);
        dialog.OnDelete();
        EXPECT_THAT(Rows(), ElementsAre("I1 N range I1", "V2 Y range V2"));
        EXPECT_TRUE(dialog.IsNewEntry());
        return kIdOk;
    }));
    ASSERT_EQ(TestInteraction().messages.size(), 2u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Do you really want to delete this item ? [Q0009]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Delete Item");
    EXPECT_EQ(TestInteraction().messages[0].buttons, MessageButtons::YesNo);
    EXPECT_THAT(FieldClasses(), ElementsAre("V2", "I1"));
}

TEST_F(DataEqClassDlgTest, OkAppliesAPendingEntryAndReportsWhetherAnythingChanged) {
    const CDataEqClass* stored = field->GetEqClasses()[0];
    const std::string storedId = stored->GetId();
    EXPECT_FALSE(Run([&] { return dialog.OnOK() ? kIdOk : kIdCancel; }));
    EXPECT_EQ(field->GetEqClasses()[0], stored);  // untouched

    EXPECT_FALSE(Run([&] {
        Fill("", true, "30", "", "31");  // no name: closes, the entries are lost
        return dialog.OnOK() ? kIdOk : kIdCancel;
    }));
    EXPECT_EQ(field->GetEqClasses().size(), 3u);

    EXPECT_TRUE(Run([&] {
        Fill("V3", true, "abc", "", "");
        EXPECT_FALSE(Attempt(dialog, [&] { return dialog.OnOK(); }).text.empty());
        Fill("V3", true, "30", "", "");
        EXPECT_TRUE(dialog.OnOK());
        return kIdOk;
    }));
    EXPECT_THAT(FieldClasses(), ElementsAre("V1", "V2", "I1", "V3"));
    EXPECT_EQ(field->GetEqClasses()[0]->GetId(), storedId);  // copies keep the unique ids
}

TEST_F(DataEqClassDlgTest, AReadOnlySetOnlyShowsTheClasses) {
    set->SetFile(project.Lib());
    project.Lib()->SetReadOnly(true);
    EXPECT_FALSE(Run([&] {
        EXPECT_EQ(dialog.GetTitle(), "Equivalence Classes of Field Age (Num) (Read-Only)");
        for (int id : {kClassNew, kClassSet, kClassDelete}) EXPECT_FALSE(dialog.IsShown(id)) << id;
        for (int id : {kClassName, kClassValid, kClassRange, kClassLower, kClassUpper, kClassValues})
            EXPECT_FALSE(dialog.IsEnabled(id)) << id;
        EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
        Choose("V1");
        EXPECT_EQ(dialog.GetText(kClassValues), "5");
        EXPECT_TRUE(dialog.OnOK());
        return kIdOk;
    }));
}
