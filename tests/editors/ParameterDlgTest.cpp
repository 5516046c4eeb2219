#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "editors/steps/ParameterDlg.h"
#include "model/FileKav.h"
#include "model/WindowKav.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

const ParameterListKind kAllKinds[] = {TaskParameters,       GlobalAttributes, WindowAttributes,
                                       StepFieldDefinitions, StepFieldValues,  EffectVariables};
const ParameterListKind kKindsWithNames[] = {TaskParameters, GlobalAttributes, WindowAttributes,
                                             StepFieldDefinitions, EffectVariables};

class ParameterDlgTest : public ProjectTest {
protected:
    CAttributeKav* Param(const std::string& name, int type = 4, const std::string& value = "",
                         CFileKav* file = nullptr) {
        CFileKav* home = file ? file : project.Main();
        auto* parameter = list.Add(new CAttributeKav(name, type, value));
        parameter->SetFile(home);
        parameter->SetFileId(home->GetID());
        return parameter;
    }

    // Runs the dialog on the list; the steps act in the open dialog and say how it ends.
    int Run(ParameterListKind kind, const std::function<int()>& steps, bool readOnly = false) {
        host.session = [&steps](EditorDialog&) { return steps(); };
        return dialog.EditParameters(list, kind, readOnly, "Parameters");
    }

    void Fill(const std::string& name, const std::string& type, const std::string& value) {
        dialog.SetText(kParamName, name);
        dialog.SetText(kParamType, type);
        dialog.SetText(kParamValue, value);
    }

    int RowOf(const std::string& name) const {
        const CAttributeKav* copy = dialog.WorkingList().FindIf([&name](const CAttributeKav* p) {
            return p->GetName() == name;
        });
        return dialog.List(kParamList).FindItem(copy);
    }
    void Choose(const std::string& name) { dialog.ChooseRow(kParamList, RowOf(name)); }

    std::vector<std::string> Column(int column) const {
        std::vector<std::string> texts;
        const EditorList& rows = dialog.List(kParamList);
        for (int row = 0; row < rows.RowCount(); ++row) texts.push_back(rows.RowTexts(row)[column]);
        return texts;
    }

    // Presses Set: what it refused, or nothing.
    Refused Set() {
        return Attempt(dialog, [&] { return dialog.SetParameter(); });
    }

    FakeEditorHost host;
    CParameterDlg dialog{host, app};
    OwningList<CAttributeKav> list;
};

}  // namespace

TEST_F(ParameterDlgTest, NamesMustBeFilledShortAndIdentifiers) {
    struct Case {
        std::string name;
        Refused refused;
    };
    const Case cases[] = {
        {"", {"Please enter a valid name! [W0739]", "Invalid Name", kParamName}},
        {std::string(31, 'n'), {"The name must not be longer than 30 characters! [W0740]", "Invalid Name", kParamName}},
        {"1a", {"The ID must not begin with a digit! [W0959]", "Invalid Name", kParamName}},
        {"a b", {"Invalid character ' ' found in ID!\nPlease use only alphanumeric characters and '_' [W0961]",
                 "Invalid Name", kParamName}},
        {"_a1", {}},
        {std::string(30, 'n'), {}},
    };
    for (ParameterListKind kind : kKindsWithNames) {
        Run(kind, [&] {
            for (const Case& c : cases) {
                Fill(c.name, "String", "v");
                EXPECT_EQ(Set(), c.refused) << "kind " << kind << " name " << c.name;
            }
            return kIdCancel;
        });
    }
}

TEST_F(ParameterDlgTest, ValuesMustSuitTheirType) {
    struct Case {
        std::string type;
        std::string value;
        Refused refused;
    };
    const Refused notOfType{"The value must correspond to the selected type! [W0745]", "Type Mismatch", kParamValue};
    const Refused missing{"Please enter a value! [W0743]", "Missing Value", kParamValue};
    const Case cases[] = {
        {"Num", "12abc", notOfType},
        {"Num", "12", {}},
        {"Date", "29.02.1999", {"The value must have the format DD.MM.YYYY! [W0744]", "Invalid Date Format", kParamValue}},
        {"Date", "29.02.2000", {}},
        {"Bool", "true", {}},
        {"Bool", "maybe", notOfType},
        {"Num", "", missing},
        {"String", "", {}},
        {"", "x", {"Please select a type! [W0742]", "Missing Type", kParamType}},
    };
    for (ParameterListKind kind : kAllKinds) {
        if (kind == TaskParameters) continue;
        list.DeleteAll();
        Param("f");  // the values of step fields are only ever set on a row
        Run(kind, [&] {
            int number = 0;
            for (const Case& c : cases) {
                if (kind == StepFieldValues) Choose("f");
                Fill(kind == StepFieldValues ? "f" : "p" + std::to_string(++number), c.type, c.value);
                EXPECT_EQ(Set(), c.refused) << "kind " << kind << " " << c.type << " '" << c.value << "'";
            }
            return kIdCancel;
        });
    }
}

TEST_F(ParameterDlgTest, DefaultValuesOfTaskParametersAreExpressions) {
    struct Case {
        std::string type;
        std::string value;
        Refused refused;
    };
    const Case cases[] = {
        {"String", "hello", {}},  // a plain word stands for a quoted string
        {"String", "", {}},
        {"String", "\"quoted\"", {}},
        {"Num", "\"x\"", {"Value must have the specified type! [W0436]", "Type Mismatch", kParamValue}},
        {"Num", "", {"Please enter a value! [W0743]", "Missing Value", kParamValue}},
        {"Num", "3+4", {}},
        {"Bool", "1 < 2", {}},
    };
    Run(TaskParameters, [&] {
        int number = 0;
        for (const Case& c : cases) {
            Fill("p" + std::to_string(++number), c.type, c.value);
            EXPECT_EQ(Set(), c.refused) << c.type << " '" << c.value << "'";
        }
        // A text with a "#" is checked as it stands, so a broken designator is the condition
        // language's own message.
        Fill("broken", "String", "#Nowhere#");
        const Refused refused = Set();
        EXPECT_EQ(refused.caption, "Invalid Value");
        EXPECT_EQ(refused.focus, kParamValue);
        EXPECT_THAT(refused.text, ::testing::EndsWith("]"));
        return kIdCancel;
    });
}

TEST_F(ParameterDlgTest, NamesAreUniqueWithoutRegardToCase) {
    Param("ABC");
    Param("a");
    Param("b");
    Run(TaskParameters, [&] {
        Fill("abc", "String", "");
        EXPECT_EQ(Set(), (Refused{"An item with this name is already existing! [W0746]", "Invalid Name", kParamName}));
        Choose("a");
        Fill("B", "String", "");
        EXPECT_EQ(Set(), (Refused{"An item with this name is already existing! [W0747]", "Invalid Name", kParamName}));
        Choose("ABC");
        Fill("abc", "String", "");
        EXPECT_EQ(Set(), Refused{});
        EXPECT_THAT(Column(0), ElementsAre("abc", "a", "b"));
        return kIdCancel;
    });
}

TEST_F(ParameterDlgTest, AttributesOfALibraryShowTheirFileAndAreNotChangedHere) {
    project.Lib()->SetReadOnly(true);
    for (ParameterListKind kind : {GlobalAttributes, StepFieldDefinitions}) {
        list.DeleteAll();
        Param("m");
        Param("x", 4, "", project.Lib());
        Run(kind, [&] {
            EXPECT_THAT(Column(0), ElementsAre(":m", "^Lib::x"));
            Fill("X", "String", "");  // only the main file's names count as taken
            EXPECT_EQ(Set(), Refused{});
            EXPECT_EQ(dialog.WorkingList().back()->GetFile(), project.Main());
            Fill("M", "String", "");
            EXPECT_EQ(Set().text, "An item with this name is already existing! [W0746]");

            dialog.OnNew();
            Choose("x");
            for (int control : {kParamName, kParamType, kParamValue, kParamSet, kParamDelete})
                EXPECT_FALSE(dialog.IsEnabled(control)) << control;
            EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
            Choose("m");
            for (int control : {kParamName, kParamType, kParamValue, kParamSet, kParamDelete})
                EXPECT_TRUE(dialog.IsEnabled(control)) << control;
            return kIdCancel;
        });
    }
}

TEST_F(ParameterDlgTest, RowsAreSortedButForTaskParameters) {
    for (const char* name : {"b", "C", "a", "B"}) Param(name);
    for (ParameterListKind kind : kKindsWithNames) {
        Run(kind, [&] {
            Fill("Ab", "String", "");
            EXPECT_EQ(Set(), Refused{});
            std::vector<std::string> names;
            for (const std::string& text : Column(0)) names.push_back(text.substr(text.rfind(':') + 1));
            if (kind == TaskParameters) EXPECT_THAT(names, ElementsAre("b", "C", "a", "B", "Ab"));
            else EXPECT_THAT(names, ElementsAre("a", "Ab", "b", "B", "C")) << "kind " << kind;
            return kIdCancel;
        });
    }
}

TEST_F(ParameterDlgTest, NewRowsAndTheChoiceOfARowSetTheControls) {
    Param("a", 2, "5");
    Run(WindowAttributes, [&] {
        EXPECT_EQ(dialog.GetText(kParamType), "String");
        EXPECT_THAT(dialog.Control(kParamType).items, ElementsAre("Num", "Bool", "Date", "String"));
        EXPECT_FALSE(dialog.IsEnabled(kParamDelete));
        EXPECT_EQ(dialog.GetDefaultButton(), kParamSet);
        EXPECT_EQ(dialog.GetFocusRequest().control, kParamName);

        Choose("a");
        EXPECT_EQ(dialog.GetText(kParamName), "a");
        EXPECT_EQ(dialog.GetText(kParamType), "Num");
        EXPECT_EQ(dialog.GetText(kParamValue), "5");
        EXPECT_TRUE(dialog.IsEnabled(kParamDelete));
        EXPECT_FALSE(dialog.IsNewEntry());

        dialog.ChooseRow(kParamList, -1);  // a click beside the rows
        EXPECT_TRUE(dialog.IsNewEntry());
        EXPECT_EQ(dialog.GetText(kParamName), "");
        EXPECT_EQ(dialog.List(kParamList).GetHighlighted(), -1);
        return kIdCancel;
    });
}

TEST_F(ParameterDlgTest, TheListIsReplacedOnlyAfterAChangeAndOK) {
    CAttributeKav* a = Param("a", 2, "1");
    const std::string aId = a->GetId();

    EXPECT_EQ(Run(WindowAttributes, [&] { return dialog.OnOK() ? kIdOk : 0; }), 0);
    EXPECT_EQ(list[0], a);

    EXPECT_EQ(Run(WindowAttributes, [&] {
                  Choose("a");
                  Fill("a", "Num", "2");
                  dialog.OnSet();
                  return kIdCancel;
              }),
              0);
    EXPECT_EQ(list[0], a);
    EXPECT_EQ(a->GetValue(), "1");

    EXPECT_EQ(Run(WindowAttributes, [&] {
                  Choose("a");
                  Fill("b", "Num", "1");
                  EXPECT_TRUE(dialog.OnOK());  // OK applies the pending entry
                  return kIdOk;
              }),
              1);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->GetName(), "b");
    EXPECT_EQ(list[0]->GetId(), aId);
    EXPECT_EQ(list[0]->GetNameAtOpen(), "a");
    EXPECT_EQ(list[0]->GetFile(), project.Main());

    EXPECT_EQ(Run(WindowAttributes, [&] {
                  Fill("c", "Num", "x");
                  EXPECT_FALSE(dialog.OnOK());  // an invalid entry keeps the dialog open
                  Fill("c", "Num", "3");
                  EXPECT_TRUE(dialog.OnOK());
                  return kIdOk;
              }),
              1);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1]->GetName(), "c");
    EXPECT_EQ(list[1]->GetNameAtOpen(), "");
    EXPECT_TRUE(list[1]->IsEdited());
}

TEST_F(ParameterDlgTest, AReadOnlyRunChangesNothing) {
    CWindowKav* window = project.AddWindow("Main", nullptr, kWndMain, project.Lib());
    project.Lib()->SetReadOnly(true);
    CAttributeKav* a = Param("a", 4, "x", project.Lib());
    const bool readOnly = !window->IsEditable(false);
    EXPECT_EQ(Run(WindowAttributes,
                  [&] {
                      EXPECT_EQ(dialog.GetTitle(), "Parameters (Read-Only)");
                      for (int button : {kParamNew, kParamSet, kParamDelete}) EXPECT_FALSE(dialog.IsShown(button));
                      for (int entry : {kParamName, kParamType, kParamValue}) EXPECT_FALSE(dialog.IsEnabled(entry));
                      EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
                      Choose("a");
                      Fill("b", "String", "y");
                      EXPECT_TRUE(dialog.OnOK());
                      return kIdOk;
                  },
                  readOnly),
              0);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], a);
    EXPECT_EQ(a->GetName(), "a");
}

TEST_F(ParameterDlgTest, TheEditedMarkOfTheSourcesIsKeptForTaskParametersAndStepFieldValues) {
    for (ParameterListKind kind : kAllKinds) {
        list.DeleteAll();
        Param("a")->SetEdited(true);
        Param("b");
        ASSERT_EQ(Run(kind,
                      [&] {
                          Choose("b");
                          Fill("b", "String", "changed");
                          EXPECT_TRUE(dialog.SetParameter());
                          return kIdOk;
                      }),
                  1);
        const bool kept = kind == TaskParameters || kind == StepFieldValues;
        EXPECT_EQ(list[0]->IsEdited(), kept) << "kind " << kind;
        EXPECT_TRUE(list[1]->IsEdited());
    }
}

TEST_F(ParameterDlgTest, StepFieldValuesAreSetRowByRow) {
    for (const char* name : {"f1", "f2"}) {
        auto* definition = app.GetStepFields().Add(new CAttributeKav(name, 4, ""));
        definition->SetFile(project.Main());
        Param(name)->SetId(definition->GetId());
    }
    EXPECT_EQ(Run(StepFieldValues,
                  [&] {
                      EXPECT_THAT(Column(0), ElementsAre(":f1", ":f2"));
                      EXPECT_FALSE(dialog.IsShown(kParamNew));
                      EXPECT_FALSE(dialog.IsShown(kParamDelete));
                      EXPECT_EQ(dialog.List(kParamList).GetHighlighted(), 0);
                      EXPECT_EQ(dialog.GetText(kParamName), "f1");
                      EXPECT_FALSE(dialog.IsEnabled(kParamName));
                      EXPECT_FALSE(dialog.IsEnabled(kParamType));
                      EXPECT_EQ(dialog.GetFocusRequest().control, kParamValue);

                      dialog.SetText(kParamValue, "one");
                      dialog.OnSet();
                      EXPECT_EQ(dialog.List(kParamList).GetHighlighted(), 1);
                      EXPECT_EQ(dialog.GetText(kParamName), "f2");
                      dialog.SetText(kParamValue, "two");
                      dialog.OnSet();
                      EXPECT_EQ(dialog.List(kParamList).GetHighlighted(), -1);
                      for (int control : {kParamName, kParamType, kParamValue, kParamSet})
                          EXPECT_FALSE(dialog.IsEnabled(control));
                      EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
                      EXPECT_TRUE(dialog.OnOK());
                      return kIdOk;
                  }),
              1);
    EXPECT_EQ(list[0]->GetValue(), "one");
    EXPECT_EQ(list[1]->GetValue(), "two");

    // OK with a row loaded applies it, changed or not.
    EXPECT_EQ(Run(StepFieldValues, [&] { return dialog.OnOK() ? kIdOk : 0; }), 1);

    list.DeleteAll();
    Run(StepFieldValues, [&] {
        EXPECT_FALSE(dialog.IsShown(kParamSet));
        EXPECT_EQ(dialog.GetText(kParamType), "");
        for (int control : {kParamName, kParamType, kParamValue}) EXPECT_FALSE(dialog.IsEnabled(control));
        EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
        return kIdCancel;
    });
}

TEST_F(ParameterDlgTest, DeleteAsksFirst) {
    Param("a");
    Param("b");
    EXPECT_EQ(Run(EffectVariables,
                  [&] {
                      dialog.OnDelete();  // no row chosen: nothing to ask
                      EXPECT_TRUE(TestInteraction().messages.empty());
                      Choose("a");
                      TestInteraction().answers = {MessageAnswer::No, MessageAnswer::Yes};
                      dialog.OnDelete();
                      EXPECT_EQ(dialog.List(kParamList).RowCount(), 2);
                      dialog.OnDelete();
                      EXPECT_THAT(Column(0), ElementsAre("b"));
                      EXPECT_TRUE(dialog.IsNewEntry());
                      return kIdOk;
                  }),
              1);
    ASSERT_EQ(TestInteraction().messages.size(), 2u);
    const MessageRequest& question = TestInteraction().messages[0];
    EXPECT_EQ(question.text, "Do you really want to delete this item ? [Q0019]");
    EXPECT_EQ(question.caption, "Delete Item");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::Warning);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->GetName(), "b");
}

TEST_F(ParameterDlgTest, HelpTopicsByKind) {
    for (ParameterListKind kind : kAllKinds) {
        host.helpTopics.clear();
        Run(kind, [&] {
            dialog.OnHelp(false, kParamName);
            return kIdCancel;
        });
        const int topic = kind == StepFieldDefinitions || kind == StepFieldValues ? 35007 : 0x20088;
        EXPECT_THAT(host.helpTopics, ElementsAre(topic)) << "kind " << kind;
    }
}
