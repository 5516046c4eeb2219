#include <gtest/gtest.h>

#include "model/GUIBuilderList.h"
#include "platform/MessageBuffer.h"
#include "tests/support/ProjectBuilder.h"

using ApplicationTree = ProjectTest;

TEST_F(ApplicationTree, DeletingATaskDeletesItsChildrenAndDetachesIt) {
    CTaskKav* root = project.AddTask("Root", nullptr, kTaskFolder);
    CTaskKav* order = project.AddTask("Order", root);
    project.AddTask("Pay", order);
    CTaskKav* other = project.AddTask("Other", root);

    EXPECT_TRUE(app.DeleteTask(order));
    EXPECT_EQ(root->GetChildren(), std::vector<CTaskKav*>{other});
    EXPECT_EQ(app.GetTasks().Snapshot(), (std::vector<CTaskKav*>{root, other}));
}

TEST_F(ApplicationTree, DeletingATaskOutsideTheListReportsACorruptedStructure) {
    CTaskKav* root = project.AddTask("Root");
    CTaskKav stray("Stray", kTaskPlain);
    CTaskKav* child = project.AddTask("Child");
    stray.AddChild(child);
    root->AddChild(&stray);

    EXPECT_FALSE(app.DeleteTask(&stray));
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Task Structure corrupted! [F0036]");
    EXPECT_EQ(app.GetTasks().Snapshot(), std::vector<CTaskKav*>{root});  // the child went first
    EXPECT_TRUE(root->GetChildren().empty());
}

TEST_F(ApplicationTree, DeletingARequirementWorksTheSameWay) {
    CRequirement* parent = project.AddRequirement("R1");
    CRequirement* child = project.AddRequirement("R1.1", parent);
    project.AddRequirement("R1.1.1", child);
    EXPECT_TRUE(app.DeleteRequirement(child));
    EXPECT_TRUE(parent->GetChildren().empty());
    EXPECT_EQ(app.GetRequirements().Snapshot(), std::vector<CRequirement*>{parent});

    CRequirement stray("R9");
    EXPECT_FALSE(app.DeleteRequirement(&stray));
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Requirement Structure corrupted! [F0162]");
}

TEST_F(ApplicationTree, InsertingATaskTreeMakesNamesUniqueAndFollowsThem) {
    project.AddTask("Order");
    CTaskKav* caller = project.AddTask("Caller");

    auto* pasted = new CTaskKav("Order", kTaskPlain);
    auto* pastedChild = new CTaskKav("Caller", kTaskPlain);
    pasted->AddChild(pastedChild);
    auto* ownStep = pasted->GetSteps().Add(
        new CTaskStep("S", "#@ORDER:Amount# > 0", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "", 0));
    ownStep->GetConditions().Add(new CConditionKav("C", "#@order:x# = 1"));
    auto* call = caller->GetSteps().Add(
        new CTaskStep("Order", "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "", 0));
    call->SetSubTask(pasted);

    app.InsertTaskTree(caller, pasted);

    EXPECT_EQ(pasted->GetName(), "Order1");
    EXPECT_EQ(pastedChild->GetName(), "Caller1");
    EXPECT_EQ(call->GetName(), "Order1");
    EXPECT_EQ(ownStep->GetEvent(), "#@Order1:Amount# > 0");
    EXPECT_EQ(ownStep->GetConditions()[0]->GetText(), "#@Order1:x# = 1");
    EXPECT_EQ(pasted->GetFile(), project.Main());
    EXPECT_EQ(pastedChild->GetFile(), project.Main());
    EXPECT_EQ(app.GetTasks().back(), pastedChild);
}

TEST_F(ApplicationTree, InsertingAWindowTreeEntersEveryWindowUnderAFreeName) {
    project.AddWindow("Main");
    auto* window = new CMainWinKav({.id = "Main"});
    auto* child = new CPushButtonKav({.id = "Main"});
    window->AddChild(child);

    app.InsertWindowTree(window);
    EXPECT_EQ(window->GetName(), "Main1");
    EXPECT_EQ(child->GetName(), "Main2");
    EXPECT_EQ(app.GetWindowList().FindByName("main2", project.Main()), child);
    EXPECT_EQ(child->GetFile(), project.Main());
}

TEST_F(ApplicationTree, MovingObjectsToAFileTakesADataSetWithEverythingInIt) {
    CDataSet* dataSet = project.AddDataSet("Customer", project.Lib());
    auto* field = dataSet->GetFields().Add(new CDataField("Age", 2));
    auto* eqClass = field->GetEqClasses().Add(new CDataEqClass("V1", 1));
    auto* record = dataSet->GetRecords().Add(new CDataRecord("Rec_V01", 1, kOriginManual));
    auto* effect = dataSet->GetEffects().Add(new CDataEffect("E1", dataSet));
    field->SetFile(project.Main());  // contents go with the set, whatever their own file
    CTaskKav* task = project.AddTask("Order", nullptr, kTaskPlain, project.Lib());
    CWindowKav* window = project.AddWindow("Main", nullptr, kWndMain, project.Lib());
    CTaskKav* stays = project.AddTask("Stays");
    auto* builder = GetGuiBuilderDatabase().Add(new CGUIBuilder("Custom", 1000, 0));
    builder->SetFile(project.Lib());
    CConditionKav* meta = project.AddMetaCondition("C1", "#X#", project.Lib());

    EXPECT_TRUE(app.MoveObjectsToFile(project.Lib(), project.Main()));

    const std::string mainId = project.Main()->GetID();
    for (const CKavroObj* object : std::initializer_list<const CKavroObj*>{
             dataSet, field, eqClass, record, effect, task, window, builder, meta}) {
        EXPECT_EQ(object->GetFile(), project.Main());
        EXPECT_EQ(object->GetFileId(), mainId);
    }
    EXPECT_EQ(stays->GetFile(), project.Main());
    EXPECT_FALSE(app.MoveObjectsToFile(nullptr, project.Main()));
}
