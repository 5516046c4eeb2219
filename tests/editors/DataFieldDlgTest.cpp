#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "editors/data/DataFieldDlg.h"
#include "model/DataSet.h"
#include "model/FileKav.h"
#include "platform/Registry.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

std::string DefaultClassesSetting() {
    return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), CDataFieldDlg::kDefaultClassesSetting);
}

void SetDefaultClassesSetting(const std::string& value) {
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), CDataFieldDlg::kDefaultClassesSetting,
                        value, kRegistryText);
}

// A data set Input with the String fields F (holding the class X) and G.
class DataFieldDlgTest : public ProjectTest {
protected:
    DataFieldDlgTest() {
        set->GetFields().Add(new CDataField("G"));
        Fresh();
    }

    // F as it was at the start.
    void Fresh() {
        if (field) set->GetFields().Delete(field);
        field = set->GetFields().Add(new CDataField("F"));
        field->SetFile(set->GetFile());
        auto* x = field->GetEqClasses().Add(new CDataEqClass("X", 1));
        x->SetRepresentativeValues("x", field);
    }

    // Runs the dialog on F; the steps act in the open dialog and say how it ends.
    bool Run(const std::function<int()>& steps) {
        host.session = [&steps](EditorDialog&) { return steps(); };
        return dialog.EditField(*set, *field);
    }
    void Fill(const std::string& name, const std::string& type, const std::string& min, const std::string& max,
              const std::string& defaultValue) {
        dialog.SetText(kFieldName, name);
        dialog.SetText(kFieldType, type);
        dialog.OnTypeChanged();
        dialog.SetText(kFieldMin, min);
        dialog.SetText(kFieldMax, max);
        dialog.SetText(kFieldDefault, defaultValue);
    }
    Refused PressOk() {
        return Attempt(dialog, [&] { return dialog.OnOK(); });
    }
    std::vector<std::string> Classes() const {
        std::vector<std::string> classes;
        for (const CDataEqClass* eqClass : field->GetEqClasses()) {
            std::string text = eqClass->GetName() + (eqClass->IsValid() ? " valid " : " invalid ") +
                               eqClass->GetDefRange() + " [";
            for (const std::string& value : eqClass->GetRepresentativeValues()) text += value + ";";
            classes.push_back(text + "]");
        }
        return classes;
    }

    CDataSet* set = project.AddDataSet("Input");
    CDataField* field = nullptr;
    FakeEditorHost host;
    CDataFieldDlg dialog{host, app};
};

}  // namespace

TEST_F(DataFieldDlgTest, OpensWithTheFieldsEntriesAndTheRangeOnlyForNumbers) {
    field->SetType(2);
    field->SetMin(-3);
    Run([&] {
        EXPECT_EQ(dialog.GetTitle(), "Data Field F");
        EXPECT_THAT(dialog.Control(kFieldType).items, ElementsAre("Bool", "Date", "Num", "String"));
        EXPECT_EQ(dialog.GetText(kFieldType), "Num");
        EXPECT_EQ(dialog.GetText(kFieldMin), "-3");
        EXPECT_EQ(dialog.GetText(kFieldMax), "999999");
        EXPECT_TRUE(dialog.IsEnabled(kFieldMin));
        for (const char* type : {"String", "", "Date", "Num"}) {
            dialog.SetText(kFieldType, type);
            dialog.OnTypeChanged();
            const bool number = std::string(type) == "Num";
            EXPECT_EQ(dialog.IsEnabled(kFieldMin), number) << type;
            EXPECT_EQ(dialog.IsEnabled(kFieldMax), number) << type;
        }
        return kIdCancel;
    });
}

TEST_F(DataFieldDlgTest, EntriesAreCheckedInTurn) {
    struct Case {
        std::string name, type, min, max, defaultValue;
        Refused refused;
    };
    const Refused minNotANumber{"The minimum value must be a number! [W0968]", "Invalid Number", kFieldMin};
    const Case cases[] = {
        {"", "String", "0", "9", "", {"Please specify a valid name! [W0704]", "Name Missing", kFieldName}},
        {"g", "String", "0", "9", "",
         {"A data field with this name is already existing! [W0707]", "Name not Unique", kFieldName}},
        {"F", "", "0", "9", "", {"Please select a type! [W0735]", "Missing Type", kFieldType}},
        {"F", "Num", "00", "9", "", minNotANumber},
        {"F", "Num", " 0", "9", "", minNotANumber},
        {"F", "Num", "-5", "x", "", {"The maximum value must be a number! [W0969]", "Invalid Number", kFieldMax}},
        {"F", "Num", "10", "5", "", {}},  // minimum and maximum are not compared
        {"F", "String", "x", "y", "", {}},
        {"F", "Bool", "0", "9", "maybe",
         {"The default value must be 'TRUE' or 'FALSE'! [W1055]", "Invalid Boolean Value", kFieldDefault}},
        {"F", "Bool", "0", "9", "undetermined", {}},
        {"1F", "String", "0", "9", "", {"The name must not begin with a number! [W0485]", "Invalid Name", kFieldName}},
        {"f", "Date", "0", "9", "31.02.2000", {}},  // a case change of the name; dates are not checked
    };
    for (const Case& c : cases) {
        Fresh();
        const bool changed = Run([&] {
            Fill(c.name, c.type, c.min, c.max, c.defaultValue);
            EXPECT_EQ(PressOk(), c.refused) << c.name << " " << c.type << " " << c.min << " " << c.max;
            return c.refused.text.empty() ? kIdOk : kIdCancel;
        });
        EXPECT_EQ(changed, c.refused.text.empty());
        if (!changed) {
            EXPECT_EQ(field->GetName(), "F");  // nothing was written
            EXPECT_EQ(field->GetType(), 4);
        }
    }
}

TEST_F(DataFieldDlgTest, OkWritesTheEntriesWithTheRangeReadAsLeadingNumbers) {
    struct Case {
        std::string type, min, max, defaultValue;
        int typeCode, minimum, maximum;
        std::string storedDefault;
    };
    const Case cases[] = {
        {"Num", "-5", "12abc", "7", 2, -5, 12, "7"},
        {"Bool", "1", "2", "", 3, 1, 2, "FALSE"},
        {"String", "x", "99999999999", "abc", 4, 0, 2147483647, "abc"},
    };
    for (const Case& c : cases) {
        Fresh();
        EXPECT_TRUE(Run([&] {
            Fill("Amount", c.type, c.min, c.max, c.defaultValue);
            dialog.SetText(kFieldDescription, "line 1\nline 2");
            EXPECT_EQ(PressOk(), Refused{}) << c.type;
            return kIdOk;
        }));
        EXPECT_EQ(field->GetName(), "Amount");
        EXPECT_EQ(field->GetType(), c.typeCode);
        EXPECT_EQ(field->GetMin(), c.minimum) << c.type;
        EXPECT_EQ(field->GetMax(), c.maximum) << c.type;
        EXPECT_EQ(field->GetDefaultValue(), c.storedDefault);
        EXPECT_EQ(field->GetDescription(), "line 1\nline 2");
    }
}

TEST_F(DataFieldDlgTest, TheCheckedBoxReplacesTheClassesByTheDefaultsOfTheNewType) {
    EXPECT_TRUE(Run([&] {
        EXPECT_FALSE(dialog.IsChecked(kFieldDefaultClasses));  // nothing stored yet
        Fill("F", "Date", "0", "0", "");
        dialog.SetChecked(kFieldDefaultClasses, true);
        return dialog.OnOK() ? kIdOk : kIdCancel;
    }));
    EXPECT_THAT(Classes(), ElementsAre("V1 valid Any date [08.03.1994;]", "I1 invalid Invalid date [29.02.1999;]",
                                       "I2 invalid Not a date [290299;abc;]"));
    EXPECT_EQ(DefaultClassesSetting(), "1");

    Fresh();
    EXPECT_TRUE(Run([&] {
        EXPECT_TRUE(dialog.IsChecked(kFieldDefaultClasses));  // as left last time
        Fill("F", "Date", "0", "0", "");
        dialog.SetChecked(kFieldDefaultClasses, false);
        return dialog.OnOK() ? kIdOk : kIdCancel;
    }));
    EXPECT_THAT(Classes(), ElementsAre("X valid  [x;]"));
    EXPECT_EQ(DefaultClassesSetting(), "0");
}

TEST_F(DataFieldDlgTest, AReadOnlySetShowsTheBoxClearedAndWritesNothing) {
    SetDefaultClassesSetting("1");
    set->SetFile(project.Lib());
    project.Lib()->SetReadOnly(true);
    EXPECT_FALSE(Run([&] {
        EXPECT_EQ(dialog.GetTitle(), "Data Field F (Read-Only)");
        EXPECT_FALSE(dialog.IsChecked(kFieldDefaultClasses));
        for (int id : {kFieldName, kFieldType, kFieldMin, kFieldMax, kFieldDefault, kFieldDescription,
                       kFieldDefaultClasses})
            EXPECT_FALSE(dialog.IsEnabled(id)) << id;
        dialog.SetText(kFieldName, "Other");
        EXPECT_TRUE(dialog.OnOK());
        return kIdOk;
    }));
    EXPECT_EQ(field->GetName(), "F");
    EXPECT_EQ(DefaultClassesSetting(), "1");
}
