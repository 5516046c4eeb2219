#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "editors/data/DataDlg.h"
#include "editors/data/DataEffectDlg.h"
#include "editors/data/DataImportDlg.h"
#include "editors/data/DataEqClassDlg.h"
#include "editors/data/DataFieldDlg.h"
#include "editors/data/DataSetDlg.h"
#include "model/ConditionKav.h"
#include "model/FileKav.h"
#include "model/TaskKav.h"
#include "shell/CommandIds.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/ModelTreeProbe.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// The main file Proj holds the sets Clients (three records) and Input (the fields Age with a
// class, b_field and Zeta); the library Lib holds the set LS with the field LF.
class DataDlgTest : public ProjectTest {
protected:
    DataDlgTest() {
        for (const char* name : {"R1", "R2", "R3"}) clients->GetRecords().Add(new CDataRecord(name, 1, 1));
        age = Field(*input, "Age");
        age->GetEqClasses().Add(new CDataEqClass("V1", 1, "", "1"));
        Field(*input, "b_field");
        Field(*input, "Zeta");
        Field(*library, "LF");
        page.Tree().SetObserver(&observer);
        // The frame carries out what the page sends it, as its enabling allows.
        host.onCommand = [this](int command) {
            if (page.IsDataCommandEnabled(command)) page.RunDataCommand(command);
        };
        page.RebuildTree();
    }

    CDataField* Field(CDataSet& dataSet, const std::string& name) {
        CDataField* field = dataSet.GetFields().Add(new CDataField(name));
        field->SetFile(dataSet.GetFile());
        return field;
    }

    // The tree as indented lines "text [image] colour", colours as b(lue), g(rey) or nothing.
    std::vector<std::string> Outline() const { return ::Outline(page.Tree()); }
    // The item whose path of texts from a root is the given one.
    int ItemAt(const std::vector<std::string>& path) const { return ::ItemAt(page.Tree(), path); }
    void Choose(const std::vector<std::string>& path) {
        const int item = ItemAt(path);
        ASSERT_NE(item, kNoDataItem) << path.back();
        page.Tree().SetCaret(item);
    }
    std::string Text(int item) const { return page.Tree().Find(item)->text; }

    void ReadOnlyLibrary() {
        project.Lib()->SetReadOnly(true);
        page.RebuildTree();
    }

    CDataSet* clients = project.AddDataSet("Clients");
    CDataSet* input = project.AddDataSet("Input");
    CDataSet* library = project.AddDataSet("LS", project.Lib());
    CDataField* age = nullptr;
    FakeEditorHost host;
    CDataDlg page{host};
    RecordingTreeObserver observer;
};

const std::vector<std::string> kProject{"Project Proj"};
const std::vector<std::string> kInput{"Project Proj", "Input"};
const std::vector<std::string> kAge{"Project Proj", "Input", "Age"};

}  // namespace

TEST_F(DataDlgTest, TheTreeShowsTheFilesWithTheirSetsGroupsAndFields) {
    app.GetFiles().Add(new CFileKav("Alib"));
    app.GetFiles().Add(new CFileKav(""));  // a file without a name has no item
    ReadOnlyLibrary();
    EXPECT_THAT(Outline(), ElementsAre("Project Proj [0]",
                                       "  Clients [1] b",
                                       "    _Effects [3] g",
                                       "    _Records [5] g",
                                       "  Input [1]",
                                       "    _Effects [3] g",
                                       "    _Records [5] g",
                                       "    Age [2] b",
                                       "      Equivalence_Classes [3] g",
                                       "    b_field [2]",
                                       "      Equivalence_Classes [3] g",
                                       "    Zeta [2]",
                                       "      Equivalence_Classes [3] g",
                                       "Library Alib [7]",
                                       "Library Lib [7]",
                                       "  LS (READ-ONLY) [1] g",
                                       "    _Effects [3] g",
                                       "    _Records [5] g",
                                       "    LF [2] g",
                                       "      Equivalence_Classes [3] g"));
    EXPECT_EQ(observer.expanded.back(), page.Tree().GetProjectItem());
    EXPECT_EQ(page.Tree().ItemOf(*age), ItemAt(kAge));
}

TEST_F(DataDlgTest, CommandsAreEnabledByTheChosenItem) {
    ReadOnlyLibrary();
    using namespace command;
    struct Case {
        std::vector<std::string> path;
        std::vector<int> enabled;
    };
    const Case cases[] = {
        {kProject, {kNewDataSet}},
        {{"Library Lib"}, {}},
        {kInput, {kNewDataField, kPropertiesEditor, kDelete, kGenerateDataRecords}},
        {kAge, {kPropertiesEditor, kDelete, kGenerateDataRecords}},
        {{"Project Proj", "Input", "Age", "Equivalence_Classes"}, {kPropertiesEditor, kGenerateDataRecords}},
        {{"Project Proj", "Input", "_Records"}, {kPropertiesEditor, kGenerateDataRecords}},
        {{"Library Lib", "LS (READ-ONLY)"}, {kPropertiesEditor}},
        {{"Library Lib", "LS (READ-ONLY)", "LF"}, {kPropertiesEditor}},
    };
    for (const Case& c : cases) {
        Choose(c.path);
        std::vector<int> enabled;
        for (int command : {kNewDataSet, kNewDataField, kPropertiesEditor, kDelete, kGenerateDataRecords})
            if (page.IsDataCommandEnabled(command)) enabled.push_back(command);
        EXPECT_EQ(enabled, c.enabled) << c.path.back();
    }
    page.Tree().SetCaret(kNoDataItem);
    EXPECT_FALSE(page.IsDataCommandEnabled(kPropertiesEditor));
}

TEST_F(DataDlgTest, ANewDataSetTakesTheFirstFreeNameOfTheMainFileAndOpensItsProperties) {
    project.AddDataSet("NewSet1");
    project.AddDataSet("newset2");
    project.AddDataSet("NewSet3", project.Lib());  // a library's set does not count
    page.RebuildTree();
    Choose(kProject);
    host.onCommand = nullptr;
    page.RunDataCommand(command::kNewDataSet);
    CDataSet* created = app.GetDataSets().back();
    EXPECT_EQ(created->GetName(), "NewSet3");
    EXPECT_EQ(created->GetFile(), project.Main());
    EXPECT_EQ(created->GetFileId(), project.Main()->GetID());
    EXPECT_THAT(host.undoSteps, ElementsAre("Create Data Set"));
    EXPECT_THAT(host.commands, ElementsAre(command::kPropertiesEditor));
    EXPECT_EQ(observer.selected, ItemAt({"Project Proj", "NewSet3"}));
    EXPECT_EQ(page.Tree().GetCaret(), observer.selected);
}

TEST_F(DataDlgTest, ANewFieldGivesEachRecordItsDefaultValueAsItsDialogLeftIt) {
    Choose({"Project Proj", "Clients"});
    host.session = [](EditorDialog& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "Data Field NewField1");
        EXPECT_EQ(dialog.GetText(kFieldType), "String");
        EXPECT_EQ(dialog.GetText(kFieldMin), "0");
        EXPECT_EQ(dialog.GetText(kFieldMax), "999999");
        dialog.SetText(kFieldDefault, "x");
        return dialog.OnOK() ? kIdOk : kIdCancel;
    };
    page.RunDataCommand(command::kNewDataField);
    ASSERT_EQ(clients->GetFields().size(), 1u);
    const CDataField* field = clients->GetFields()[0];
    EXPECT_EQ(field->GetFile(), clients->GetFile());
    for (const CDataRecord* record : clients->GetRecords()) EXPECT_EQ(record->GetValues().at(field->GetId()), "x");
    EXPECT_THAT(host.undoSteps, ElementsAre("Create Data Field", "Edit Data Field"));
    EXPECT_EQ(observer.selected, ItemAt({"Project Proj", "Clients", "NewField1"}));
}

TEST_F(DataDlgTest, ANewFieldWithoutAChosenSetIsAFatalError) {
    Choose(kAge);
    page.InsertData(2);
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Fatal Error: Parent Data Set missing during InsertData! [F0030]");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(input->GetFields().size(), 3u);
    EXPECT_THAT(host.undoSteps, IsEmpty());
}

TEST_F(DataDlgTest, ASetRenamedInItsDialogTakesItsReferencesAlong) {
    CConditionKav* meta = project.AddMetaCondition("M1", "#~Input:Age# = 1 AND #~Input# = 2");
    Choose(kInput);
    host.session = [](EditorDialog& dialog) {
        dialog.SetText(kSetName, "Applicant");
        return dialog.OnOK() ? kIdOk : kIdCancel;
    };
    page.OpenProperties();
    EXPECT_EQ(meta->GetText(), "#~Applicant:Age# = 1 AND #~Applicant# = 2");
    EXPECT_THAT(host.undoSteps, ElementsAre("Edit Data Set"));
    // The renamed set now sorts first.
    EXPECT_EQ(Text(page.Tree().Children(page.Tree().GetProjectItem())[0]), "Applicant");

    host.session = [](EditorDialog&) { return kIdCancel; };
    page.OpenProperties();
    EXPECT_EQ(host.undoSteps.size(), 1u);
}

TEST_F(DataDlgTest, AFieldEditedInItsDialogRenamesItsReferencesAndShowsItsNewClasses) {
    CConditionKav* meta = project.AddMetaCondition("M1", "#~Input:b_field# = 1");
    Choose({"Project Proj", "Input", "b_field"});
    host.session = [](EditorDialog& dialog) {
        dialog.SetText(kFieldName, "Name");
        dialog.SetChecked(kFieldDefaultClasses, true);
        return dialog.OnOK() ? kIdOk : kIdCancel;
    };
    page.OpenProperties();
    EXPECT_EQ(meta->GetText(), "#~Input:Name# = 1");
    EXPECT_THAT(host.undoSteps, ElementsAre("Edit Data Field"));
    EXPECT_EQ(page.Tree().Find(ItemAt({"Project Proj", "Input", "Name"}))->colours.text, kDataTextBlue);
}

TEST_F(DataDlgTest, TheClassGroupOpensTheClassesOfItsField) {
    CDataField* zeta = input->GetFields()[2];
    Choose({"Project Proj", "Input", "Zeta", "Equivalence_Classes"});
    host.session = [](EditorDialog& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "Equivalence Classes of Field Zeta (String)");
        return dialog.OnOK() ? kIdOk : kIdCancel;  // nothing changed
    };
    page.OpenProperties();
    EXPECT_THAT(host.undoSteps, IsEmpty());

    host.session = [](EditorDialog& dialog) {
        dialog.SetText(kClassName, "V1");
        dialog.SetText(kClassValues, "z");
        return dialog.OnOK() ? kIdOk : kIdCancel;
    };
    page.OpenProperties();
    EXPECT_EQ(zeta->GetEqClasses().size(), 1u);
    EXPECT_THAT(host.undoSteps, ElementsAre("Edit Equivalence Classes"));
    EXPECT_EQ(page.Tree().Find(ItemAt({"Project Proj", "Input", "Zeta"}))->colours.text, kDataTextBlue);
}

TEST_F(DataDlgTest, TheEffectGroupOpensTheEffectsOfItsSet) {
    age->SetType(2);  // effect conditions take numbers
    Choose({"Project Proj", "Input", "_Effects"});
    host.session = [](EditorDialog& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "Effects of Data Set Input");
        return dialog.OnOK() ? kIdOk : kIdCancel;  // nothing changed
    };
    page.OpenProperties();
    EXPECT_THAT(host.undoSteps, IsEmpty());

    host.session = [](EditorDialog& dialog) {
        dialog.SetText(kEffectName, "Old");
        dialog.SetText(kEffectCondition, "#Age# > 65");
        return dialog.OnOK() ? kIdOk : kIdCancel;
    };
    page.OpenProperties();
    ASSERT_EQ(input->GetEffects().size(), 1u);
    EXPECT_EQ(input->GetEffects()[0]->GetName(), "Old");
    EXPECT_THAT(host.undoSteps, ElementsAre("Edit Effects"));
}

TEST_F(DataDlgTest, ImportTestDataWorksFromAnyItemAndSaysSo) {
    ScratchFolder folder;
    const std::string data = folder.Write("data.csv", "Age;Note\n70;old\n");
    page.Tree().SetCaret(kNoDataItem);
    EXPECT_TRUE(page.IsDataCommandEnabled(command::kImportTestData));
    host.session = [](EditorDialog&) { return kIdCancel; };
    page.RunDataCommand(command::kImportTestData);
    EXPECT_THAT(host.undoSteps, IsEmpty());
    EXPECT_THAT(TestInteraction().messages, IsEmpty());

    // The set of the chosen field is proposed.
    Choose(kAge);
    host.session = [&data](EditorDialog& dialog) {
        EXPECT_EQ(dialog.GetText(kImportDataSet), "Input");
        dialog.SetText(kImportSource, data);
        dialog.SetText(kImportSeparator, ";");
        return dialog.OnOK() ? kIdOk : kIdCancel;
    };
    page.RunDataCommand(command::kImportTestData);
    EXPECT_EQ(input->GetRecords().size(), 1u);
    EXPECT_THAT(host.undoSteps, ElementsAre("Import Test Data"));
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Test data successfully imported! [I0025]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Test data successfully imported!");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Information);
    // The tree shows the new field, and keeps the chosen item.
    EXPECT_NE(ItemAt({"Project Proj", "Input", "Note"}), kNoDataItem);
    EXPECT_EQ(page.Tree().GetCaret(), ItemAt(kAge));
}

TEST_F(DataDlgTest, DeletingAFieldAsksAndTakesItsValueOutOfEveryRecord) {
    CDataField* field = Field(*clients, "Gone");
    for (CDataRecord* record : clients->GetRecords()) record->GetValues().Set(field->GetId(), "v");
    page.RebuildTree();
    Choose({"Project Proj", "Clients", "Gone"});
    const int item = page.Tree().GetCaret();
    TestInteraction().answers = {MessageAnswer::No, MessageAnswer::Yes};
    page.RunDataCommand(command::kDelete);
    EXPECT_EQ(clients->GetFields().size(), 1u);
    page.RunDataCommand(command::kDelete);
    EXPECT_TRUE(clients->GetFields().empty());
    for (const CDataRecord* record : clients->GetRecords()) EXPECT_TRUE(record->GetValues().empty());
    EXPECT_THAT(TestInteraction().Texts(), ElementsAre("Do you really want to delete this data field? [Q0038]",
                                                       "Do you really want to delete this data field? [Q0038]"));
    EXPECT_EQ(TestInteraction().messages[0].caption, "Delete Data Field");
    EXPECT_THAT(host.undoSteps, ElementsAre("Delete Data Field"));
    EXPECT_THAT(observer.deleted, ElementsAre(item));
    EXPECT_EQ(page.Tree().Find(item), nullptr);
}

TEST_F(DataDlgTest, DeletingASetTakesItOutOfTheTasks) {
    CTaskKav* task = project.AddTask("T");
    task->SetDataSet(input);
    Choose(kInput);
    TestInteraction().answers = {MessageAnswer::Yes};
    page.RunDataCommand(command::kDelete);
    EXPECT_EQ(TestInteraction().messages[0].text, "Do you really want to delete this data set? [Q0037]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Delete Data Set");
    EXPECT_EQ(task->GetDataSet(), nullptr);
    EXPECT_EQ(app.FindDataSet("Input", false), nullptr);
    EXPECT_EQ(ItemAt(kInput), kNoDataItem);
    EXPECT_THAT(host.undoSteps, ElementsAre("Delete Data Set"));
}

TEST_F(DataDlgTest, RenamingInPlaceChecksTheNameAndTakesTheReferencesAlong) {
    CConditionKav* meta = project.AddMetaCondition("M1", "#~Input:Age# = #~Input:Zeta#");
    struct Case {
        std::vector<std::string> path;
        std::string text;
        std::string refused;  // text | caption
        std::string undo;
    };
    const Case cases[] = {
        {kAge, "zeta", "A data field with this name is already existing! [W0803] | Name not Unique", ""},
        {kInput, "clients", "A data set with this name is already existing! [W0802] | Name not Unique", ""},
        {kInput, "1x", "The name must not begin with a number! [W0485] | Invalid Name", ""},
        {kInput, "Input", "", ""},  // the same text
        {kInput, "INPUT", "", "Edit Data Set Name"},
        {{"Project Proj", "INPUT", "Age"}, "Years", "", "Edit Data Field Name"},
    };
    for (const Case& c : cases) {
        const int item = ItemAt(c.path);
        ASSERT_NE(item, kNoDataItem) << c.text;
        const std::optional<std::string> editing = page.BeginLabelEdit(item);
        EXPECT_EQ(editing, c.path.back());
        EXPECT_TRUE(page.IsEditingLabel());
        host.undoSteps.clear();
        TestInteraction().messages.clear();
        EXPECT_EQ(page.EndLabelEdit(item, false, c.text), !c.undo.empty()) << c.text;
        EXPECT_FALSE(page.IsEditingLabel());
        const auto& shown = TestInteraction().messages;
        EXPECT_EQ(shown.empty() ? "" : shown[0].text + " | " + shown[0].caption, c.refused) << c.text;
        EXPECT_EQ(host.undoSteps, c.undo.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.undo});
        EXPECT_EQ(Text(item), c.undo.empty() ? c.path.back() : c.text);
    }
    EXPECT_EQ(meta->GetText(), "#~INPUT:Years# = #~INPUT:Zeta#");
    // A cancelled edit changes nothing.
    const int zeta = ItemAt({"Project Proj", "INPUT", "Zeta"});
    page.BeginLabelEdit(zeta);
    EXPECT_FALSE(page.EndLabelEdit(zeta, true, "Other"));
    EXPECT_EQ(input->GetFields()[2]->GetName(), "Zeta");
}

TEST_F(DataDlgTest, OnlyEditableSetsAndFieldsAreRenamedInPlace) {
    ReadOnlyLibrary();
    for (const std::vector<std::string>& path :
         {kProject, std::vector<std::string>{"Project Proj", "Input", "_Records"},
          std::vector<std::string>{"Project Proj", "Input", "Age", "Equivalence_Classes"},
          std::vector<std::string>{"Library Lib", "LS (READ-ONLY)"},
          std::vector<std::string>{"Library Lib", "LS (READ-ONLY)", "LF"}}) {
        EXPECT_EQ(page.BeginLabelEdit(ItemAt(path)), std::nullopt) << path.back();
        EXPECT_FALSE(page.IsEditingLabel());
    }
}

TEST_F(DataDlgTest, TheFramesClipboardCommandsGoToALabelBeingEditedAndTheFocusComesBack) {
    ExpectClipboardGoesToTheLabelEditOnly(
        page, observer, [&] { ASSERT_TRUE(page.BeginLabelEdit(ItemAt(kInput))); },
        [&] { page.EndLabelEdit(ItemAt(kInput), true, ""); });
}

TEST_F(DataDlgTest, ARebuildChoosesTheChosenObjectAgainWhileItExists) {
    const std::vector<std::string> cases[] = {
        kInput,
        kAge,
        {"Project Proj", "Input", "Age", "Equivalence_Classes"},
        {"Project Proj", "Input", "_Records"},
        {"Project Proj", "Input", "_Effects"},
    };
    for (const auto& path : cases) {
        Choose(path);
        const int before = page.Tree().GetCaret();
        page.RebuildTreeKeepSelection();
        EXPECT_NE(page.Tree().GetCaret(), before) << path.back();  // a new item
        EXPECT_EQ(page.Tree().GetCaret(), ItemAt(path)) << path.back();
        EXPECT_EQ(observer.selected, ItemAt(path));
    }
    Choose(kAge);
    input->GetFields().Delete(age);
    page.RebuildTree();
    EXPECT_EQ(page.Tree().GetCaret(), kNoDataItem);
}

TEST_F(DataDlgTest, KeysAndTheContextMenuReachTheFrame) {
    host.onCommand = nullptr;
    Choose(kInput);
    EXPECT_EQ(page.OnKey(TreeKey::F1, false), TreeKeyResult::Handled);
    EXPECT_THAT(host.helpTopics, ElementsAre(35009));
    EXPECT_EQ(page.OnKey(TreeKey::F2, false), TreeKeyResult::StartLabelEdit);
    EXPECT_EQ(page.OnKey(TreeKey::Delete, false), TreeKeyResult::Handled);
    EXPECT_EQ(page.OnKey(TreeKey::Enter, false), TreeKeyResult::Handled);
    EXPECT_EQ(page.OnKey(TreeKey::Other, false), TreeKeyResult::NotHandled);
    EXPECT_THAT(host.commands, ElementsAre(command::kDelete, command::kPropertiesEditor));
    Choose(kProject);
    page.OpenProperties();  // a file root has no properties
    EXPECT_EQ(host.commands.size(), 2u);

    page.BeginLabelEdit(ItemAt(kInput));
    for (TreeKey key : {TreeKey::F2, TreeKey::Delete, TreeKey::Enter})
        EXPECT_EQ(page.OnKey(key, false), TreeKeyResult::NotHandled);
    EXPECT_EQ(host.commands.size(), 2u);

    std::vector<int> menu;
    for (const TreeMenuEntry& entry : page.ContextMenu()) menu.push_back(entry.command);
    EXPECT_THAT(menu, ElementsAre(32956, 32957, 0, 32778, 40003, 0, 32958, 32954));
    page.OnContextCommand(32958);
    EXPECT_EQ(host.commands.back(), 32958);
}

TEST_F(DataDlgTest, GeneratedRecordsGoIntoTheChosenItemsSetWithTheirUndoStep) {
    age->GetEqClasses().Add(new CDataEqClass("V2", 1, "", "2"));
    for (CDataField* field : std::vector<CDataField*>(input->GetFields().begin(), input->GetFields().end()))
        if (field != age) input->GetFields().Delete(field);
    page.RebuildTree();
    std::vector<int> shown;
    host.session = [&](EditorDialog& dialog) {
        shown.push_back(dialog.GetResourceId());
        return kIdCancel;
    };
    Choose(kAge);
    page.RunDataCommand(command::kGenerateDataRecords);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_TRUE(input->GetRecords().empty());
    EXPECT_THAT(host.undoSteps, IsEmpty());

    host.session = [](EditorDialog& dialog) { return dialog.OnOK() ? kIdOk : kIdCancel; };
    page.RunDataCommand(command::kGenerateDataRecords);
    EXPECT_FALSE(input->GetRecords().empty());
    EXPECT_TRUE(clients->GetRecords().size() == 3u);
    EXPECT_THAT(host.undoSteps, ElementsAre("Generate Data Records"));
}
