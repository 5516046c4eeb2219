#include <gtest/gtest.h>

#include <memory>

#include "model/CloneFlags.h"
#include "platform/MessageBuffer.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"

using Names = std::vector<std::string>;
using TaskKav = ProjectTest;

TEST_F(TaskKav, NameRules) {
    CTaskKav* task = project.AddTask("T");
    CTaskKav* folder = project.AddTask("F", nullptr, kTaskFolder);
    EXPECT_TRUE(task->SetName(std::string(100, 'a')));
    EXPECT_FALSE(task->SetName(std::string(101, 'a')));
    EXPECT_EQ(GetGlobalMessageBuffer(), "The task name must not be longer than 100 characters! [W0584]");
    EXPECT_FALSE(task->SetName("a b"));
    EXPECT_EQ(GetGlobalMessageBuffer(), "Illegal character ' ' in task name! [W0009]");
    EXPECT_EQ(task->GetName(), std::string(100, 'a'));
    EXPECT_TRUE(folder->SetName("a b"));
    EXPECT_FALSE(folder->SetName(""));
    EXPECT_EQ(GetGlobalMessageBuffer(), "The task name must not be empty! [W0583]");
}

TEST_F(TaskKav, HierarchyRefusesCyclesAndDuplicates) {
    CTaskKav* root = project.AddTask("Root", nullptr, kTaskFolder);
    CTaskKav* child = project.AddTask("Child", root);
    CTaskKav* grandchild = project.AddTask("Grand", child);
    CTaskKav* other = project.AddTask("Other", nullptr, kTaskFolder);

    EXPECT_FALSE(root->AddChild(child));
    EXPECT_EQ(GetGlobalMessageBuffer(), "Task Child is already a child of task Root! [W0585]");
    for (CTaskKav* selfOrAncestor : {grandchild, root}) {
        SetGlobalMessage("");
        EXPECT_FALSE(grandchild->AddChild(selfOrAncestor));
        EXPECT_EQ(GetGlobalMessageBuffer(), "Illegal relationship: No cycles are allowed in the task hierarchy! [W0586]");
    }
    EXPECT_TRUE(other->AddChild(child));
    EXPECT_TRUE(root->GetChildren().empty());
    EXPECT_EQ(child->GetParentId(), other->GetID());
    EXPECT_EQ(grandchild->GetDepth(), 2);
    EXPECT_EQ(other->FindInHierarchy("Grand"), grandchild);
    EXPECT_EQ(other->FindInHierarchy("grand"), nullptr);
}

TEST_F(TaskKav, QueriesOverTheHierarchy) {
    CTaskKav* root = project.AddTask("Root", nullptr, kTaskFolder);
    CTaskKav* blocks = project.AddTask("Blocks", root, kTaskFolder);
    CTaskKav* block = project.AddTask("Block", blocks, kTaskBuildingBlock);
    CTaskKav* plain = project.AddTask("Plain", root);
    CTaskKav* emptyFolder = project.AddTask("Empty", nullptr, kTaskFolder);

    EXPECT_EQ(root->CountTasks(), 1);
    EXPECT_TRUE(root->ContainsTask());
    EXPECT_TRUE(root->ContainsBuildingBlock());
    EXPECT_FALSE(blocks->ContainsTask());
    EXPECT_FALSE(block->ContainsTask());
    EXPECT_FALSE(plain->ContainsBuildingBlock());
    EXPECT_FALSE(emptyFolder->ContainsTask());

    EXPECT_FALSE(root->HasModelledSteps());
    AddStep(*block, "S1");
    EXPECT_FALSE(root->HasModelledSteps());
    AddStep(*block, "S2");
    EXPECT_TRUE(root->HasModelledSteps());

    root->SetFlagRecursive(1, false);
    EXPECT_FALSE(plain->IsQuVornakTask());
    root->SetFlagRecursive(1, true);
    EXPECT_TRUE(block->IsQuVornakTask());
}

TEST_F(TaskKav, SortingChildrenIsCaseSensitiveAndStable) {
    CTaskKav* root = project.AddTask("Root", nullptr, kTaskFolder);
    for (const char* name : {"b", "B", "a", "A"}) project.AddTask(name, root, kTaskFolder);
    CTaskKav* twin = project.AddTask("a", root, kTaskFolder);
    root->SortChildrenByName();
    Names names;
    for (const CTaskKav* child : root->GetChildren()) names.push_back(child->GetName());
    EXPECT_EQ(names, (Names{"A", "B", "a", "a", "b"}));
    EXPECT_EQ(root->GetChildren()[3], twin);
}

TEST_F(TaskKav, RelinkingFindsCalledTasksByName) {
    CTaskKav* root = project.AddTask("Root", nullptr, kTaskFolder);
    CTaskKav* caller = project.AddTask("Caller", root);
    CTaskKav* callee = project.AddTask("Callee", root, kTaskBuildingBlock);
    CTaskKav stale("Callee", kTaskBuildingBlock);
    AddStep(*caller, "Call")->SetSubTask(&stale);
    root->RelinkSubTasks(root);
    EXPECT_EQ(caller->GetSteps()[0]->GetSubTask(), callee);
}

class TaskCopy : public ProjectTest {
protected:
    CTaskKav* task = project.AddTask("Order");
    CTaskStep* start = AddStep(*task, "Start");
    CTaskStep* a = AddStepAfter(*task, "A", {start});
    CTaskStep* b = AddStepAfter(*task, "B", {start, a});
    CDataSet* data = project.AddDataSet("Customers");
    CRequirement* requirement = project.AddRequirement("R1");

    void SetUp() override {
        task->SetDataSet(data);
        task->GetRequirements().push_back(requirement);
        task->GetParameters().Add(new CAttributeKav("P", 4, "d"));
        CWindowKav* window = project.AddWindow("Main");
        a->SetStartWindow(window);
        a->GetConditions().Add(new CConditionKav("C", "#Main# = 1"));
        b->SetLoopDataSet(data);
        b->SetSubTask(project.AddTask("Called", nullptr, kTaskBuildingBlock));
    }
};

TEST_F(TaskCopy, WithoutReferencesACopyHasStepsButNoGraph) {
    std::unique_ptr<CTaskKav> copy(task->Clone(0));
    EXPECT_NE(copy->GetID(), task->GetID());
    EXPECT_EQ(copy->GetSteps().size(), 3u);
    EXPECT_EQ(copy->GetStartStep(), nullptr);
    EXPECT_EQ(copy->GetDataSet(), nullptr);
    EXPECT_TRUE(copy->GetRequirements().empty());
    for (const CTaskStep* step : copy->GetSteps()) {
        EXPECT_TRUE(step->GetSuccessors().empty());
        EXPECT_EQ(step->GetStartWindow(), nullptr);
    }
}

TEST_F(TaskCopy, WithReferencesTheGraphHasTheSameShape) {
    std::unique_ptr<CTaskKav> copy(task->Clone(kCloneKeepReferences));
    const auto& steps = copy->GetSteps();
    EXPECT_EQ(copy->GetStartStep(), steps[0]);
    EXPECT_EQ(SuccessorNames(*steps[0]), (Names{"A", "B"}));
    EXPECT_EQ(SuccessorNames(*steps[1]), Names{"B"});
    EXPECT_EQ(PredecessorNames(*steps[2]), (Names{"Start", "A"}));
    EXPECT_NE(steps[1]->GetSuccessors()[0], b);
    EXPECT_EQ(copy->GetDataSet(), data);
    EXPECT_EQ(copy->GetRequirements(), std::vector<CRequirement*>{requirement});
    EXPECT_EQ(steps[2]->GetLoopDataSet(), data);
}

TEST_F(TaskCopy, ACopyWithReferenceTextsEqualsItsSource) {
    std::unique_ptr<CTaskKav> copy(task->Clone(kCloneKeepId | kCloneKeepReferences | kCloneTextsFromObjects));
    EXPECT_TRUE(task->IsEqual(copy.get()));
    EXPECT_EQ(copy->GetRequirementIds(), std::vector<std::string>{requirement->GetUniqueId()});
    EXPECT_EQ(copy->GetSteps()[1]->GetSuccessorIds(), std::vector<std::string>{b->GetId()});

    // Without flag 8 the copy refers to no requirement, so it equals only a task without one.
    std::unique_ptr<CTaskKav> unlinked(task->Clone(kCloneKeepId | kCloneTextsFromObjects));
    EXPECT_FALSE(task->IsEqual(unlinked.get()));
    task->GetRequirements().clear();
    EXPECT_TRUE(task->IsEqual(unlinked.get()));
}

// Linking a loaded task consumes its steps' successor texts: then its connections count.
TEST_F(TaskCopy, ALinkedTaskIsComparedByItsConnections) {
    std::unique_ptr<CTaskKav> copy(task->Clone(kCloneKeepId | kCloneKeepReferences | kCloneTextsFromObjects));
    for (CTaskStep* step : copy->GetSteps()) step->GetSuccessorIds().clear();
    EXPECT_TRUE(task->IsEqual(copy.get()));
    ASSERT_EQ(copy->DisconnectSteps(copy->GetSteps()[1], copy->GetSteps()[2]), 1);  // A -> B
    EXPECT_FALSE(task->IsEqual(copy.get()));
}

TEST_F(TaskCopy, EqualityNoticesEachKindOfDifference) {
    struct Change {
        const char* what;
        std::function<void(CTaskKav&)> apply;
    };
    const Change changes[] = {
        {"type", [](CTaskKav& t) { t.SetType(kTaskBuildingBlock); }},
        {"postcondition", [](CTaskKav& t) { t.SetPostcondition("x"); }},
        {"data set text", [](CTaskKav& t) { t.SetDataSetId("other"); }},
        {"start text", [](CTaskKav& t) { t.SetStartId("other"); }},
        {"step", [](CTaskKav& t) { t.GetSteps()[1]->SetPriority(5); }},
        {"successor text", [](CTaskKav& t) { t.GetSteps()[0]->GetSuccessorIds().pop_back(); }},
        {"parameter value", [](CTaskKav& t) { t.GetParameters()[0]->SetValue("D"); }},
        {"requirement text", [](CTaskKav& t) { t.GetRequirementIds()[0] = "other"; }},
    };
    for (const Change& change : changes) {
        std::unique_ptr<CTaskKav> copy(task->Clone(kCloneKeepId | kCloneKeepReferences | kCloneTextsFromObjects));
        change.apply(*copy);
        EXPECT_FALSE(task->IsEqual(copy.get())) << change.what;
    }
    std::unique_ptr<CTaskKav> copy(task->Clone(kCloneKeepId | kCloneKeepReferences | kCloneTextsFromObjects));
    copy->SetQuVornakTask(1);
    copy->GetChildren().push_back(project.AddTask("Child"));
    EXPECT_TRUE(task->IsEqual(copy.get()));
}

TEST_F(TaskCopy, StoredTextsAndChildren) {
    task->SetParentId("stored-parent");
    task->GetRequirementIds().push_back("stored-req");
    project.AddTask("Sub", task);
    std::unique_ptr<CTaskKav> copy(task->Clone(kCloneTextsAsStored | kCloneChildren));
    EXPECT_EQ(copy->GetRequirementIds(), std::vector<std::string>{"stored-req"});
    ASSERT_EQ(copy->GetChildren().size(), 1u);
    std::unique_ptr<CTaskKav> child(copy->GetChildren()[0]);
    EXPECT_EQ(child->GetName(), "Sub");
    EXPECT_EQ(child->GetParent(), copy.get());
    EXPECT_EQ(child->GetParentId(), copy->GetID());
}

TEST_F(TaskCopy, AFolderCopyKeepsNoGraph) {
    CTaskKav* folder = project.AddTask("Folder", nullptr, kTaskFolder);
    AddStep(*folder, "S");
    std::unique_ptr<CTaskKav> copy(folder->Clone(kCloneKeepReferences));
    EXPECT_EQ(copy->GetStartStep(), nullptr);
}

TEST_F(TaskCopy, StepCopyFollowsItsTransition) {
    CWindowKav* window = project.AddWindow("Dlg");
    CTransitionKav* transition = project.AddTransition(window, "OK");
    transition->SetEvent("{Click}");
    a->SetTransition(transition);
    EXPECT_EQ(a->GetName(), "OK");
    EXPECT_TRUE(a->GetConditions().empty());
    std::unique_ptr<CTaskStep> copy(a->Clone(kCloneKeepReferences));
    EXPECT_EQ(copy->GetTransition(), transition);
    EXPECT_EQ(copy->GetEvent(), "{Click}");
    EXPECT_EQ(copy->GetStartWindow(), window);
}

TEST(TaskStep, ABlankStepIsNotDefined) {
    std::unique_ptr<CTaskStep> step(MakeStep("s"));
    EXPECT_FALSE(step->IsDefined());
    step->SetEvent("{Click}");
    EXPECT_FALSE(step->IsDefined());  // an event needs its window
    step->SetDescription("d");
    EXPECT_TRUE(step->IsDefined());
}
