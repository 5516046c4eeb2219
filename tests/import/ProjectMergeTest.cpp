#include <gtest/gtest.h>

#include "ImportFixture.h"
#include "model/DataField.h"
#include "model/DataRecord.h"
#include "model/TestScript.h"
#include "platform/MessageLog.h"
#include "tests/import/RecordingImportFrame.h"

namespace {

using Lines = std::vector<std::string>;

class MergeTest : public ImportTest {
protected:
    bool Logged(const std::string& line) const {
        return std::find(log.Lines().begin(), log.Lines().end(), line) != log.Lines().end();
    }
    MessageLog log;
};

TEST_F(MergeTest, NothingSelectedLogsZeroCountsAndDropsTestCasesAndScripts) {
    for (const char* name : {"Import_Attributes", "Import_Conditions", "Import_UserdefFields", "Import_Select_New_Tasks",
                             "Import_Select_New_Reqs", "Import_Select_New_Wnds", "Import_Select_New_Data"})
        SetSetting(name, "0");
    project.AddTestCase(1, 3, openRoot);
    app.GetTestScripts().Add(new CTestScript());
    other->GetAttributes().Add(new CAttributeKav("Global", 2, "0"));
    OtherTask("T");
    OtherDataSet("D");
    RecordingImportFrame frame;

    EXPECT_EQ(Merge(log), 1);
    EXPECT_EQ(frame.calls, Lines{"CloseAllViews"});
    const Lines expected = {"", "IMPORTING OBJECTS:",
                            "0 new global attribute(s) imported to project", "0 global attribute(s) updated in project", "",
                            "0 user-defined step field(s) imported to project",
                            "0 user-defined step field(s) updated in project", "",
                            "0 new meta-condition(s) imported to project", "0 meta-condition(s) updated in project", "",
                            "0 new requirement(s) imported to project", "0 requirement(s) updated in project", "",
                            "0 new task(s) imported to project", "0 task(s) updated in project", "",
                            "0 new window(s) imported to project", "0 window(s) updated in project", "",
                            "0 new data set(s) imported to project", "0 data set(s) updated in project", "",
                            "Building object relations"};
    EXPECT_EQ(log.Lines(), expected);
    EXPECT_TRUE(app.GetTestCases().empty());
    EXPECT_TRUE(app.GetTestScripts().empty());
    EXPECT_EQ(app.GetTasks().size(), 1u);
    EXPECT_EQ(other->GetAttributes().size(), 1u) << "an attribute not taken over stays with the other project";
}

TEST_F(MergeTest, AClashingTaskGetsTheFirstFreeNumberAndOnlyImportedReferencesFollow) {
    for (const char* name : {"Login", "Logout", "Logout1", "Caller"}) StartStep(*project.AddTask(name, openRoot));
    project.AddTask("Group", openRoot, kTaskFolder);
    CTaskStep* openStep = StartStep(*project.AddTask("OpenUser", openRoot), "#@Login:Done#");
    std::vector<CTaskKav*> imported;
    for (const char* name : {"Login", "Logout", "Login1", "Group"}) {
        imported.push_back(OtherTask(name));
        StartStep(*imported.back());
    }
    CTaskStep* importedStep = StartStep(*OtherTask("User"), "#@Login:Done#");
    CTaskKav* folder = OtherTask("Caller", nullptr, kTaskFolder);

    EXPECT_EQ(Merge(log), 1);
    EXPECT_EQ(imported[0]->GetName(), "Login2") << "Login1 is taken in the other project";
    EXPECT_EQ(imported[1]->GetName(), "Logout2") << "Logout1 is taken in the open project";
    EXPECT_EQ(imported[2]->GetName(), "Login1");
    EXPECT_EQ(imported[3]->GetName(), "Group") << "a task named like a folder";
    EXPECT_EQ(folder->GetName(), "Caller") << "a folder never clashes";
    EXPECT_EQ(importedStep->GetEvent(), "#@Login2:Done#");
    EXPECT_EQ(openStep->GetEvent(), "#@Login:Done#");
    EXPECT_TRUE(Logged("Importing task Login2"));
    EXPECT_TRUE(Logged("6 new task(s) imported to project"));
    EXPECT_EQ(folder->GetParent(), openRoot) << "its parent, the other root task, stayed behind";
    EXPECT_TRUE(other->GetTasks().empty());
}

TEST_F(MergeTest, AWindowUpdatedByIdentifierTakesOverTheOldOnesReferences) {
    CWindowKav* old = project.AddWindow("OK");
    CTaskKav* task = project.AddTask("Press", openRoot);
    CTaskStep* step = StartStep(*task, "#OK#");
    step->SetStartWindow(old);
    CWindowKav* button = OtherWindow("OKButton");
    button->SetInternalID(old->GetInternalID());
    SetSetting("Import_Select_Dup_Wnds", "1");

    EXPECT_EQ(Merge(log), 1);
    EXPECT_EQ(step->GetEvent(), "#OKButton#");
    EXPECT_EQ(step->GetStartWindow(), button);
    EXPECT_EQ(app.GetWindowList().FindByName("OK", nullptr), nullptr);
    EXPECT_EQ(app.GetWindowList().FindByName("OKButton", nullptr), button);
    EXPECT_TRUE(Logged("Updating window OKButton"));
    EXPECT_TRUE(other->GetWindowList().Snapshot().empty());
}

TEST_F(MergeTest, ADuplicateInALibraryIsDroppedWithoutALogLine) {
    CDataSet* library = project.AddDataSet("Lib", project.Lib());
    CDataSet* copy = OtherDataSet("Lib");
    copy->SetId(library->GetId());
    SetSetting("Import_Select_Dup_Data", "1");
    EXPECT_EQ(Merge(log), 1);
    EXPECT_TRUE(Logged("0 data set(s) updated in project"));
    for (const std::string& line : log.Lines()) EXPECT_EQ(line.find("Lib"), std::string::npos) << line;
    EXPECT_EQ(app.GetDataSets().size(), 1u);
}

TEST_F(MergeTest, UnderTheUserIdRuleARequirementWithAForeignIdentifierGetsANewOne) {
    CRequirement* taken = project.AddRequirement("A");
    CRequirement* imported = OtherRequirement("B");
    imported->SetUniqueId(taken->GetUniqueId());
    CRequirement* child = OtherRequirement("B.1", imported);
    CTaskKav* task = OtherTask("T");
    StartStep(*task);
    task->GetRequirementIds().push_back(taken->GetUniqueId());
    SetSetting("Import_DupReqID", "1");

    EXPECT_EQ(Merge(log), 1);
    EXPECT_NE(imported->GetUniqueId(), taken->GetUniqueId());
    EXPECT_EQ(child->GetParent(), imported);
    ASSERT_EQ(task->GetRequirements().size(), 1u);
    EXPECT_EQ(task->GetRequirements()[0], imported);
    EXPECT_TRUE(Logged("2 new requirement(s) imported to project"));
}

TEST_F(MergeTest, OnlyNewRecordsJoinAnExistingDataSet) {
    CDataSet* existing = project.AddDataSet("Data");
    CDataField* field = existing->GetFields().Add(new CDataField("F"));
    CDataRecord* known = existing->GetRecords().Add(new CDataRecord("R", 1, 0));
    known->GetValues().Set(field->GetId(), "old");
    CDataSet* imported = OtherDataSet("Data");
    imported->SetId(existing->GetId());
    CDataRecord* knownCopy = imported->GetRecords().Add(new CDataRecord("Known", 1, 0));
    knownCopy->SetId(known->GetId());
    imported->GetRecords().Add(new CDataRecord("R", 1, 0));
    imported->GetFields().Add(new CDataField("G", 4, 0, 999999, "deflt"));
    SetSetting("Import_Select_Dup_Data", "1");

    EXPECT_EQ(Merge(log), 1);
    ASSERT_EQ(app.GetDataSets().size(), 1u);
    EXPECT_EQ(app.GetDataSets()[0], existing);
    ASSERT_EQ(existing->GetRecords().size(), 2u);
    EXPECT_EQ(existing->GetRecords()[1]->GetName(), "R1");
    ASSERT_EQ(existing->GetFields().size(), 2u);
    EXPECT_EQ(known->GetValues().at(existing->GetFields()[1]->GetId()), "deflt");
    EXPECT_EQ(known->GetValues().at(field->GetId()), "old");
}

TEST_F(MergeTest, MergedWindowsAreLargeEnoughAndInsideTheirParent) {
    struct Case {
        WindowRect before, after;
    };
    const Case cases[] = {{{-5, 3, 2, 8}, {0, 3, 10, 13}}, {{0, 0, 0, 0}, {0, 0, 20, 20}}, {{1, 2, 50, 60}, {1, 2, 50, 60}}};
    CWindowKav* frame = OtherWindow("Frame");
    frame->SetRect({0, 0, 30, 30});
    std::vector<CWindowKav*> windows;
    for (const Case& c : cases) {
        windows.push_back(OtherWindow("W" + std::to_string(windows.size())));
        windows.back()->SetRect(c.before);
        windows.back()->SetParentID(frame->GetInternalID());
    }
    EXPECT_EQ(Merge(log), 1);
    for (size_t i = 0; i < windows.size(); ++i) {
        EXPECT_EQ(windows[i]->GetRect(), cases[i].after) << i;
        EXPECT_EQ(windows[i]->GetParent(), frame);
    }
    EXPECT_GE(frame->GetRect().right, 50);
    EXPECT_GE(frame->GetRect().bottom, 60);
}

TEST_F(MergeTest, AMissingStartStepStopsTheMergeWithNothingOwnedTwice) {
    CRequirement* requirement = OtherRequirement("R");
    CTaskKav* broken = OtherTask("Broken");
    AddStep(*broken)->SetId("s1");
    broken->SetStartId("nowhere");
    CWindowKav* window = OtherWindow("W");

    EXPECT_EQ(Merge(log), 0);
    EXPECT_EQ(log.Lines().back(), "Start step of task with ID=" + broken->GetID() + " not found! [W0929]");
    EXPECT_TRUE(app.GetRequirements().Contains(requirement));
    EXPECT_TRUE(app.GetTasks().Contains(broken));
    EXPECT_EQ(app.GetWindowList().FindByName("W", nullptr), window);
    EXPECT_TRUE(other->GetRequirements().empty());
    EXPECT_TRUE(other->GetTasks().empty());
    other.reset();  // the caller deletes the other project: nothing of the open project goes with it
    EXPECT_EQ(app.GetTasks().size(), 2u);
}

TEST_F(MergeTest, SynchronisingWithoutMastersFails) {
    Open();
    dialog->GetOptions().syncMasters = 1;
    EXPECT_FALSE(dialog->ImportSelected(&log));
    EXPECT_EQ(log.Lines().back(), "Synchronization is only possible if both projects have a master project! [W1200]");
    EXPECT_EQ(TestInteraction().messages.at(0).caption, "Confirm Change of Master Project");
}

}  // namespace
