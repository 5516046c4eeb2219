#include <gtest/gtest.h>

#include "platform/TextUtil.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"

using Names = std::vector<std::string>;

class TaskCalls : public ProjectTest {
protected:
    CTaskKav* caller = project.AddTask("Caller");
    CTaskKav* called = project.AddTask("Called", nullptr, kTaskBuildingBlock);
    CTaskStep* call = AddStep(*caller, "Called");

    void SetUp() override { call->SetSubTask(called); }

    // name=value of each attribute of the step, in order.
    static Names Parameters(const CTaskStep& step) {
        Names texts;
        for (const CAttributeKav* a : step.GetAttributes()) texts.push_back(a->GetName() + "=" + a->GetValue());
        return texts;
    }
};

TEST_F(TaskCalls, ParametersFollowTheCalledTask) {
    called->GetParameters().Add(new CAttributeKav("P1", 4, "d1"));
    called->GetParameters().Add(new CAttributeKav("P2", 4, "d2"));
    const std::string keptId = call->GetAttributes().Add(new CAttributeKav("p1", 4, "v1"))->GetId();
    call->GetAttributes().Add(new CAttributeKav("X", 4, "vx"));

    EXPECT_TRUE(call->UpdateSubtaskParameters(called));
    EXPECT_EQ(Parameters(*call), (Names{"P1=v1", "P2=d2"}));
    EXPECT_EQ(call->GetAttributes()[0]->GetId(), keptId);
    EXPECT_FALSE(call->UpdateSubtaskParameters(caller));
}

TEST_F(TaskCalls, ARenamedParameterKeepsTheValueThroughItsFormerName) {
    CAttributeKav* parameter = called->GetParameters().Add(new CAttributeKav("Old", 4, "d"));
    call->UpdateSubtaskParameters(called);
    call->GetAttributes()[0]->SetValue("typed");
    parameter->SetName("New");
    parameter->SetNote("Old");
    caller->UpdateSubtaskParameters(called, false);
    EXPECT_EQ(Parameters(*call), Names{"New=typed"});
}

TEST_F(TaskCalls, ReplacingAndRenamingCalls) {
    CTaskKav* folder = project.AddTask("Folder", nullptr, kTaskFolder);
    folder->AddChild(caller);
    CTaskKav* other = project.AddTask("Other", nullptr, kTaskBuildingBlock);
    other->GetParameters().Add(new CAttributeKav("Q", 4, "q"));

    folder->ReplaceSubtask(other, called, false);
    EXPECT_EQ(call->GetSubTask(), called);  // not recursive: the caller sits below
    folder->ReplaceSubtask(other, called, true);
    EXPECT_EQ(call->GetSubTask(), other);
    EXPECT_EQ(call->GetName(), "Other");
    EXPECT_EQ(Parameters(*call), Names{"Q=q"});

    other->SetName("Renamed");
    EXPECT_TRUE(folder->RenameSubtaskCalls(other, true));
    EXPECT_EQ(call->GetName(), "Renamed");
    EXPECT_FALSE(folder->RenameSubtaskCalls(other, true));
}

TEST_F(TaskCalls, GuiBuildingBlocksNeedAnEsaFormat) {
    CWindowKav* oldWindow = project.AddWindow("Old");
    CWindowKav* newWindow = project.AddWindow("New");
    called->SetName("g_gui_Click");
    call->GetAttributes().Add(new CAttributeKav("S_TestObject", 4, ToUpperText(oldWindow->GetInternalID())));
    call->SetStartWindow(oldWindow);

    const std::string testObject = call->GetAttributes()[0]->GetValue();
    app.SetOutputFormat(0);
    EXPECT_FALSE(called->IsGuiBuildingBlock());
    EXPECT_EQ(call->GetTestObjectAttribute(), nullptr);
    caller->ReplaceWindow(newWindow, oldWindow, false);
    EXPECT_EQ(call->GetStartWindow(), newWindow);  // an ordinary call: its windows change
    EXPECT_EQ(call->GetAttributes()[0]->GetValue(), testObject);

    call->SetStartWindow(oldWindow);
    app.SetOutputFormat(14);
    EXPECT_TRUE(called->IsGuiBuildingBlock());
    EXPECT_TRUE(call->HasGuiBuildingBlock());
    EXPECT_TRUE(call->ReplaceWindow(newWindow, oldWindow));
    EXPECT_EQ(call->GetTestObjectAttribute()->GetValue(), newWindow->GetInternalID());
    EXPECT_EQ(call->GetStartWindow(), oldWindow);

    called->SetType(kTaskPlain);
    EXPECT_FALSE(called->IsGuiBuildingBlock());
}

TEST_F(TaskCalls, GuiBuildingBlockCallsTakeTheirWindowsToolData) {
    CWindowKav* window = project.AddWindow("Login");
    CWindowKav* start = project.AddWindow("Start");
    called->SetName("G_GUI_Type");
    app.SetOutputFormat(3);
    call->SetStartWindow(start);
    for (const char* name : {"S_TestObject", "S_Application", "S_Description"})
        call->GetAttributes().Add(new CAttributeKav(name, 4, ""));
    EXPECT_EQ(call->GetTestObjectWindow(), nullptr);  // no window has the empty internal ID
    call->GetTestObjectAttribute()->SetValue(window->GetInternalID());
    EXPECT_EQ(call->GetTestObjectWindow(), window);

    window->SetSmurfValue("application", "App1", nullptr, false);
    window->SetSmurfValue("description", "The login", nullptr, false);
    EXPECT_FALSE(call->UpdateGuiBuildingBlockStep(start));
    caller->UpdateGuiBuildingBlockSteps({{window->GetInternalID(), window}}, false);
    EXPECT_EQ(call->GetApplicationAttribute()->GetValue(), "App1");
    EXPECT_EQ(call->GetDescriptionAttribute()->GetValue(), "The login");

    app.SetOutputFormat(0);  // an ordinary call acts on its start window
    EXPECT_EQ(call->GetTestObjectWindow(), start);
    EXPECT_FALSE(call->UpdateGuiBuildingBlockStep(window));
}

TEST_F(TaskCalls, RemovingADeletedWindowClearsTheStepsTransition) {
    CWindowKav* window = project.AddWindow("Dlg");
    CTransitionKav* transition = project.AddTransition(window, "OK");
    transition->SetDestWindow(window);
    CTaskStep* step = AddStep(*caller, "Step");
    step->SetTransition(transition);
    EXPECT_TRUE(caller->RemoveReferences(window, nullptr, nullptr, nullptr, nullptr, false));
    EXPECT_EQ(step->GetStartWindow(), nullptr);
    EXPECT_EQ(step->GetDestWindow(), nullptr);
    EXPECT_EQ(step->GetTransition(), nullptr);
    EXPECT_FALSE(caller->RemoveReferences(window, nullptr, nullptr, nullptr, nullptr, false));
}

TEST_F(TaskCalls, RemovingOtherDeletedObjects) {
    app.GetStepFields().Add(new CAttributeKav("Field", 4, "f"));
    call->GetAttributes().Add(new CAttributeKav("P", 4, "v"));
    CDataSet* data = project.AddDataSet("Data");
    CRequirement* requirement = project.AddRequirement("R1");
    caller->SetDataSet(data);
    caller->GetRequirements().push_back(requirement);
    CTaskStep* loop = AddStep(*caller, "Loop");
    loop->SetLoopDataSet(data);
    loop->SetLoopMode(2);

    EXPECT_TRUE(caller->RemoveReferences(nullptr, nullptr, called, nullptr, nullptr, false));
    EXPECT_EQ(call->GetSubTask(), nullptr);
    EXPECT_EQ(Parameters(*call), Names{"Field=f"});

    EXPECT_TRUE(caller->RemoveReferences(nullptr, nullptr, nullptr, requirement, data, false));
    EXPECT_TRUE(caller->GetRequirements().empty());
    EXPECT_EQ(caller->GetDataSet(), nullptr);
    EXPECT_EQ(loop->GetLoopDataSet(), nullptr);
    EXPECT_EQ(loop->GetLoopMode(), 0);
    EXPECT_FALSE(caller->RemoveReferences(nullptr, nullptr, nullptr, requirement, data, false));
}

TEST_F(TaskCalls, StepsFollowTheirTransitionsWindows) {
    CWindowKav* window = project.AddWindow("Dlg");
    CWindowKav* target = project.AddWindow("Target");
    CTransitionKav* transition = project.AddTransition(window, "OK");
    CTaskStep* step = AddStep(*caller, "Step");
    step->SetTransition(transition);
    transition->SetDestWindow(target);
    caller->RefreshStepWindows(transition, false);
    EXPECT_EQ(step->GetDestWindow(), target);
    EXPECT_EQ(call->GetDestWindow(), nullptr);
}
