#include <gtest/gtest.h>

#include "ImportFixture.h"
#include "platform/MessageBuffer.h"

namespace {

using Dlg = CProjectDataImportDlg;
using Tabs = CProjectDataImportTabCtrl;

TEST_F(ImportTest, AFirstImportChecksEveryNewItemAndRemembersTheOptionsOnOk) {
    CTaskKav* kept = project.AddTask("Kept", openRoot);
    CTaskKav* changed = OtherCopy(*kept);
    changed->SetDescription("changed");
    CTaskKav* fresh = OtherTask("Fresh");
    CRequirement* requirement = OtherRequirement("R1");
    CWindowKav* window = OtherWindow("Main");
    CDataSet* dataSet = OtherDataSet("Data");

    const bool confirmed = Select([&](Dlg& dlg) {
        const Dlg::Options& options = dlg.GetOptions();
        EXPECT_EQ(State(fresh), 2);
        EXPECT_EQ(State(changed), 1);
        for (const CKavroObj* object : std::initializer_list<const CKavroObj*>{requirement, window, dataSet})
            EXPECT_EQ(State(object), 2);
        EXPECT_EQ(options.autoselectBlocks + options.autoselectRequirements + options.autoselectWindows, 3);
        EXPECT_EQ(options.importAttributes + options.importConditions + options.importStepFields, 3);
        EXPECT_EQ(options.requirementRule + options.dataSetRule + options.otherElementsRule, 0);
        EXPECT_EQ(dlg.GetTabs().GetShownPage(), Tabs::kTasks);
        EXPECT_EQ(dlg.GetSelectNewText(), "Deselect all New Items");
        EXPECT_EQ(dlg.GetSelectChangedText(), "Select all Changed Items");
        EXPECT_FALSE(dlg.IsControlShown(Dlg::kIdSyncMasters));
        EXPECT_TRUE(dlg.IsControlShown(Dlg::kIdAutoselectGroup));
        EXPECT_FALSE(dlg.IsControlShown(Dlg::kIdDuplicatesGroup));
        return true;
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(Setting("Import_Select_New_Tasks"), "1");
    EXPECT_EQ(Setting("Import_Select_Dup_Tasks"), "0");
    EXPECT_EQ(Setting("Import_DupReqID"), "0");
    EXPECT_EQ(Setting("Import_SyncMaster"), "0");
    // The unchecked duplicate left the other project.
    EXPECT_EQ(other->GetTasks().size(), 1u);
    EXPECT_EQ(other->GetTasks()[0], fresh);
}

TEST_F(ImportTest, CancelWritesNothingAndDeletesNothing) {
    OtherTask("Fresh");
    EXPECT_FALSE(Select([](Dlg&) { return false; }));
    EXPECT_EQ(Setting("Import_Select_New_Tasks"), "");
    EXPECT_EQ(other->GetTasks().size(), 2u);
}

TEST_F(ImportTest, OnlyExactSettingTextsSwitchAnOptionOn) {
    SetSetting("Import_Select_New_Tasks", "x");
    SetSetting("Import_Select_Dup_Reqs", "yes");
    SetSetting("Import_Select_Dup_Wnds", "1");
    SetSetting("Import_DupReqID", "1");
    Open();
    const Dlg::Options& options = dialog->GetOptions();
    EXPECT_EQ(options.newState[Tabs::kTasks], 0);
    EXPECT_EQ(options.changedState[Tabs::kRequirements], 0);
    EXPECT_EQ(options.changedState[Tabs::kWindows], 1);
    EXPECT_EQ(options.requirementRule, 1);
    EXPECT_EQ(dialog->GetSelectNewText(), "Select all New Items");
}

TEST_F(ImportTest, MasterSyncIsOfferedOnlyForTwoDifferentMasters) {
    struct Case {
        const char* openMaster;
        const char* otherMaster;
        bool offered;
    };
    const Case cases[] = {{"", "", false},
                          {"/m/A.xml", "", false},
                          {"/m/A.xml", "/M/a.XML", false},
                          {"/m/A.xml", "/m/B.xml", true}};
    SetSetting("Import_SyncMaster", "1");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.openMaster) + " / " + c.otherMaster);
        CFileKav openMaster("M", "", c.openMaster), otherMaster("M", "", c.otherMaster);
        app.SetMasterFile(*c.openMaster ? &openMaster : nullptr);
        other->SetMasterFile(*c.otherMaster ? &otherMaster : nullptr);
        Open();
        EXPECT_EQ(dialog->IsControlShown(Dlg::kIdSyncMasters), c.offered);
        EXPECT_EQ(dialog->GetOptions().syncMasters, c.offered ? 1 : 0);
        dialog.reset();
    }
    app.SetMasterFile(nullptr);
    other->SetMasterFile(nullptr);
}

TEST_F(ImportTest, ItemsShowWhetherTheyAreNewChangedRenamedOrMoved) {
    using Look = ImportItemLook;
    CRequirement* parentA = project.AddRequirement("PA");
    CRequirement* parentB = project.AddRequirement("PB");
    CRequirement* moved = project.AddRequirement("Old", parentA);
    moved->SetTitle("Title");
    CRequirement* otherA = OtherRequirement("PA");
    otherA->SetUniqueId(parentA->GetUniqueId());
    CRequirement* otherB = OtherRequirement("PB");
    otherB->SetUniqueId(parentB->GetUniqueId());
    CRequirement* movedCopy = OtherRequirement("New", otherB);
    movedCopy->SetUniqueId(moved->GetUniqueId());
    movedCopy->SetTitle("Title");
    CRequirement* fresh = OtherRequirement("R1");
    fresh->SetTitle("Title");
    CWindowKav* window = project.AddWindow("OK");
    CWindowKav* renamed = OtherWindow("OKButton");
    renamed->SetInternalID(window->GetInternalID());
    Open();

    struct Case {
        const char* name;
        const CKavroObj* object;
        std::string text;
        int state;
        Look::Colour colour;
        int style;
    };
    const Case cases[] = {
        {"new", fresh, "R1 - Title", 1 + 1, {5, 130, 10}, Look::kBold},
        {"renamed in place", renamed, "OKButton <= OK", 1, {255, 0, 0}, Look::kBold},
        {"moved, imported", movedCopy, "New <= Old", 1, {255, 0, 0}, Look::kBoldItalic},
        {"moved, open", moved, "Old => New", 0, {100, 100, 100}, Look::kItalic},
        {"unchanged with a moved child", otherB, "PB", 1, {0, 0, 255}, Look::kBold},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CImportTreeItem& item = ItemOf(c.object);
        EXPECT_TRUE(item.inTree);
        EXPECT_EQ(item.displayText, c.text);
        EXPECT_EQ(item.look.checkState, c.state);
        EXPECT_EQ(item.look.textColour, c.colour);
        EXPECT_EQ(item.look.fontStyle, c.style);
    }
    // A duplicate in place stands for the open project's object, which the tree leaves out.
    EXPECT_FALSE(ItemOf(window).inTree);
    for (CImportTreeItem* root : {dialog->GetRequirementRoot(), dialog->GetWindowRoot(), dialog->GetTestDataRoot()}) {
        EXPECT_EQ(root->displayText, "Project Proj");
        EXPECT_EQ(root->look.checkState, 1);
    }
}

TEST_F(ImportTest, ChecksFollowTheRootNewAncestorsAndSubtrees) {
    CTaskKav* kept = project.AddTask("Kept", openRoot, kTaskFolder);
    CTaskKav* keptCopy = OtherCopy(*kept);
    CTaskKav* newFolder = OtherTask("NewFolder", keptCopy, kTaskFolder);
    CTaskKav* newTask = OtherTask("NewTask", newFolder);
    CTaskKav* deep = OtherTask("Deep", newTask);
    SetSetting("Import_Select_New_Tasks", "0");
    SetSetting("Import_Autoselect_BB", "0");
    Open();
    CImportSelectPage& page = dialog->GetTabs().tasks;
    EXPECT_EQ(State(newTask), 1);

    page.OnCheckBoxClicked(ItemOf(newTask));
    EXPECT_EQ(State(newTask), 2);
    EXPECT_EQ(State(deep), 2);
    EXPECT_EQ(State(newFolder), 2) << "a new ancestor";
    EXPECT_EQ(State(keptCopy), 1) << "an ancestor with a counterpart";

    page.OnCheckBoxClicked(ItemOf(newFolder));
    for (const CTaskKav* task : {newFolder, newTask, deep}) EXPECT_EQ(State(task), 1);

    page.OnCheckBoxClicked(*dialog->GetTaskRoot());
    for (const CTaskKav* task : {keptCopy, newFolder, newTask, deep}) EXPECT_EQ(State(task), 2);
    page.OnCheckBoxClicked(*dialog->GetTaskRoot());
    for (const CTaskKav* task : {keptCopy, newFolder, newTask, deep}) EXPECT_EQ(State(task), 1);

    // "Select all New Items" reaches new items below unchanged ones and leaves the root's box.
    dialog->OnSelectNewItems();
    for (const CTaskKav* task : {newFolder, newTask, deep}) EXPECT_EQ(State(task), 2);
    EXPECT_EQ(State(keptCopy), 1);
    EXPECT_EQ(dialog->GetTaskRoot()->look.checkState, 1);
}

TEST_F(ImportTest, CheckingATaskSelectsWhatItUses) {
    CTaskKav* block = OtherTask("Block", nullptr, kTaskBuildingBlock);
    CTaskKav* inner = OtherTask("Inner", nullptr, kTaskBuildingBlock);
    CTaskKav* partner = OtherTask("Partner", nullptr, kTaskBuildingBlock);
    CTaskKav* task = OtherTask("T");
    auto call = [](CTaskKav* caller, const CTaskKav* called) {
        CTaskStep* step = AddStep(*caller);
        step->SetSubTaskId(called->GetID());
        return step;
    };
    call(task, block);
    call(block, inner);
    call(inner, partner);
    call(partner, inner);  // blocks calling each other end the walk
    CRequirement* requirement = OtherRequirement("R1");
    task->GetRequirementIds().push_back(requirement->GetUniqueId());
    CWindowKav* start = OtherWindow("Start");
    CWindowKav* destination = OtherWindow("Dest");
    CTaskStep* step = AddStep(*task);
    step->SetStartWndId(start->GetInternalID());
    step->SetDestWndId(destination->GetInternalID());
    for (const char* setting : {"Import_Select_New_Tasks", "Import_Select_New_Reqs", "Import_Select_New_Wnds"})
        SetSetting(setting, "0");
    Open();
    EXPECT_EQ(State(block), 1);

    dialog->GetTabs().tasks.OnCheckBoxClicked(ItemOf(task));
    EXPECT_EQ(State(block), 4);
    EXPECT_EQ(State(inner), 4);
    EXPECT_EQ(State(partner), 4);
    EXPECT_EQ(State(requirement), 4);
    EXPECT_EQ(State(start), 4);
    EXPECT_EQ(State(destination), 4);

    dialog->GetTabs().tasks.OnCheckBoxClicked(ItemOf(task));
    EXPECT_EQ(State(task), 1);
    EXPECT_EQ(State(block), 2) << "an automatic check stays, shown as an ordinary one";
    EXPECT_EQ(State(requirement), 2);
}

TEST_F(ImportTest, AGuiBlockCallOfAnEsaProjectSelectsTheWindowOfItsTestObject) {
    other->SetOutputFormat(3);
    CTaskKav* block = OtherTask("Block", nullptr, kTaskBuildingBlock);
    CTaskKav* task = OtherTask("T");
    CWindowKav* login = OtherWindow("Login");
    CWindowKav* other2 = OtherWindow("Other");
    for (auto [name, window] : {std::pair{"G_GUI_Login", login}, std::pair{"GUI_Login", other2}}) {
        CTaskStep* step = AddStep(*task, name);
        step->SetSubTaskId(block->GetID());
        step->GetAttributes().Add(new CAttributeKav("S_TestObject", 2, window->GetInternalID()));
    }
    SetSetting("Import_Select_New_Wnds", "0");
    SetSetting("Import_Select_New_Tasks", "0");
    Open();
    dialog->GetTabs().tasks.OnCheckBoxClicked(ItemOf(task));
    EXPECT_EQ(State(login), 4);
    EXPECT_EQ(State(other2), 1);
}

TEST_F(ImportTest, TheRequirementRuleDecidesWhatIsADuplicate) {
    project.AddRequirement("R1");
    CRequirement* imported = OtherRequirement("r1");  // another XML ID
    Open();
    EXPECT_EQ(ItemOf(imported).counterpart, nullptr);

    dialog->OnRequirementRule(Dlg::kIdRequirementsByUserId);
    EXPECT_NE(ItemOf(imported).counterpart, nullptr);

    SetSetting("Import_DupReqID", "1");
    Open();
    EXPECT_NE(ItemOf(imported).counterpart, nullptr);
}

TEST_F(ImportTest, AnObjectWhoseDuplicateIsReadOnlyIsNotOfferedNorAnythingBelowIt) {
    CWindowKav* library = project.AddWindow("Lib", nullptr, kWndMain, project.Lib());
    project.Lib()->SetReadOnly(true);
    CWindowKav* copy = OtherWindow("Lib");
    copy->SetInternalID(library->GetInternalID());
    CWindowKav* below = OtherWindow("Below", copy);
    CWindowKav* fresh = OtherWindow("Fresh");
    Open();
    EXPECT_EQ(below->GetImportItem(), nullptr);
    dialog->OnOK();
    const auto left = other->GetWindowList().Snapshot();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0], fresh);
}

TEST_F(ImportTest, ARequirementOfAnUnknownFileStopsItsPageOnly) {
    OtherRequirement("R1")->SetFileId("nowhere");
    CTaskKav* task = OtherTask("T");
    Open();
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{"Fatal Error: CKavroObj missing dapiFileID! [F0137]"});
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(dialog->GetRequirementRoot()->inTree);
    EXPECT_EQ(State(task), 2);
}

// A checked child of an unchecked window or task survives its parent's deletion on OK.
TEST_F(ImportTest, ACheckedChildOutlivesItsUncheckedParent) {
    CWindowKav* openParent = project.AddWindow("Parent");
    CWindowKav* openChild = project.AddWindow("Child", openParent);
    CWindowKav* parent = OtherWindow("Parent");
    parent->SetInternalID(openParent->GetInternalID());
    CWindowKav* child = OtherWindow("Child", parent);
    child->SetInternalID(openChild->GetInternalID());
    child->SetCaption("changed");
    parent->AddChild(child);
    CTaskKav* openTask = project.AddTask("Parent", openRoot, kTaskFolder);
    CTaskKav* parentTask = OtherCopy(*openTask);
    CTaskKav* childTask = OtherCopy(*project.AddTask("Child", openTask), parentTask);
    childTask->SetDescription("changed");
    parentTask->AddChild(childTask);
    SetSetting("Import_Select_Dup_Wnds", "0");
    SetSetting("Import_Autoselect_BB", "0");
    Open();
    dialog->GetTabs().windows.OnCheckBoxClicked(ItemOf(child));
    dialog->GetTabs().tasks.OnCheckBoxClicked(ItemOf(childTask));
    EXPECT_EQ(State(parentTask), 1);
    dialog->OnOK();
    const auto left = other->GetWindowList().Snapshot();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0], child);
    EXPECT_EQ(child->GetParent(), nullptr);
    EXPECT_EQ(child->GetParentID(), openParent->GetInternalID());
    ASSERT_EQ(other->GetTasks().size(), 1u);
    EXPECT_EQ(other->GetTasks()[0], childTask);
    EXPECT_EQ(childTask->GetParent(), nullptr);
    EXPECT_EQ(childTask->GetParentId(), openTask->GetID());
}

TEST_F(ImportTest, HelpShowsTheControlsTopicOnlyWithShift) {
    Open();
    dialog->OnHelpKey(true);
    EXPECT_EQ(dialog->GetHelpContext(5000), 5000);
    dialog->OnHelpKey(false);
    EXPECT_EQ(dialog->GetHelpContext(5000), 304 + 0x20000);
}

}  // namespace
