#include <gtest/gtest.h>

#include "ElementTest.h"
#include "model/DataSet.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "tests/support/ProjectBuilder.h"

namespace {

CTaskStep* AddStepWithId(CTaskKav* task, const std::string& id, const std::string& name = {}) {
    auto* step = task->GetSteps().Add(
        new CTaskStep(name, "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "0", 1));
    step->SetId(id);
    return step;
}

template <class T>
std::string IdOr(const T* target, const std::string& idText) {
    if (!target) return idText;
    if constexpr (requires { target->GetInternalID(); })
        return target->GetInternalID();
    else if constexpr (requires { target->GetID(); })
        return target->GetID();
    else
        return target->GetId();
}

std::string Describe(const OwningList<CAttributeKav>& attributes) {
    std::string out;
    for (const CAttributeKav* a : attributes)
        out += " [" + a->GetId() + " " + a->GetName() + " " + std::to_string(a->GetType()) + " " + a->GetValue() + "]";
    return out;
}

// Every field that a task element carries; a reference as its target's identifier, or as the
// identifier text that a reader keeps until references are resolved.
std::string Describe(const CTaskKav& task) {
    std::string out = task.GetID() + " parent=" + IdOr(task.GetParent(), task.GetParentId()) +
                      " start=" + IdOr(task.GetStartStep(), task.GetStartId()) +
                      " data=" + IdOr(task.GetDataSet(), task.GetDataSetId()) + " " + task.GetName() + " " +
                      std::to_string(task.GetType()) + " " + task.GetTestGoal() + "|" + task.GetTestLevel() + "|" +
                      task.GetTestType() + "|" + task.GetConfiguration() + "|" + task.GetPrecondition() + "|" +
                      task.GetDescription() + "|" + task.GetPostcondition() + "|" + task.GetDocPath() +
                      " vornak=" + std::to_string(task.IsQuVornakTask()) + "\nparameters" + Describe(task.GetParameters());
    for (const CTaskStep* s : task.GetSteps()) {
        out += "\nstep " + s->GetId() + " from=" + IdOr(s->GetStartWindow(), s->GetStartWndId()) +
               " to=" + IdOr(s->GetDestWindow(), s->GetDestWndId()) + " sub=" + IdOr(s->GetSubTask(), s->GetSubTaskId()) +
               " trans=" + IdOr(s->GetTransition(), s->GetTransitionId()) +
               " loopset=" + IdOr(s->GetLoopDataSet(), s->GetLoopSetId()) + " " + s->GetName() + "|" + s->GetEvent() +
               "|" + s->GetCommands() + "|" + s->GetDescription() + "|" + s->GetInput() + "|" +
               s->GetExpectedResult() + "|" + s->GetResultValue() + " delay=" + std::to_string(s->GetDelay()) +
               " crit=" + std::to_string(s->GetCriticality()) + " prio=" + std::to_string(s->GetPriority()) +
               " loop=" + std::to_string(s->GetLoopMode()) + "x" + s->GetLoopCount() + "\n fields" +
               Describe(s->GetAttributes());
        for (const CConditionKav* c : s->GetConditions())
            out += "\n condition " + c->GetUniqueId() + " " + c->GetId() + " " + c->GetText();
        for (const CActionKav* a : s->GetActions()) {
            out += "\n action " + a->GetId() + " " + std::to_string(a->GetNumber());
            for (const CArgumentKav* argument : a->GetArguments()) out += " [" + argument->GetValue() + "]";
        }
        out += "\n next";
        for (const CTaskStep* next : s->GetSuccessors()) out += " " + next->GetId();
        for (const std::string& id : s->GetSuccessorIds()) out += " " + id;
    }
    out += "\nrequirements";
    for (const CRequirement* r : task.GetRequirements()) out += " " + r->GetUniqueId();
    for (const std::string& id : task.GetRequirementIds()) out += " " + id;
    return out;
}

class TaskTest : public ElementTest {
protected:
    // Reads one TASK document; the task read, or null.
    const CTaskKav* ReadTask(const std::string& document, const std::string& versionText = "12.4") {
        loaded_.GetTasks().DeleteAll();
        if (!Read(document, versionText)) return nullptr;
        return loaded_.GetTasks().empty() ? nullptr : loaded_.GetTasks()[0];
    }
};

}  // namespace

TEST_F(TaskTest, DefaultValuesAreLeftOutAndReadBackAsDefaults) {
    CTaskKav task("Tasks", kTaskFolder);
    task.SetID("t1");
    AddStepWithId(&task, "s1");
    reader_.WriteTask(task);
    const std::string text = Written();
    EXPECT_EQ(text, "<TASK ID=\"t1\" Name=\"Tasks\">\r\n<TASKSTEP ID=\"s1\"/>\r\n</TASK>\r\n");

    const CTaskKav* read = ReadTask(text);
    ASSERT_TRUE(read) << Message();
    EXPECT_EQ(Describe(*read), Describe(task));
    EXPECT_EQ(read->GetType(), kTaskFolder);
    EXPECT_FALSE(read->IsQuVornakTask());
    EXPECT_EQ(read->GetSteps()[0]->GetLoopCount(), "1");
    EXPECT_EQ(read->GetSteps()[0]->GetResultValue(), "0");
}

// A sub-task call writes its attribute list as parameter values (ATT), any other step as
// values of the user-defined fields (USR_FIELD).
TEST_F(TaskTest, EveryFieldAndReferenceOfATaskIsWrittenAndReadBack) {
    TestProject source;
    CTaskKav* folder = source.AddTask("Root", nullptr, kTaskFolder);
    folder->SetID("t0");
    CTaskKav* task = source.AddTask("Login", folder, kTaskPlain);
    task->SetID("t1");
    CTaskKav* sub = source.AddTask("Sub", nullptr, kTaskBuildingBlock);
    sub->SetID("t2");
    CWindowKav* main = source.AddWindow("Main");
    main->SetInternalID("w1");
    CWindowKav* dialog = source.AddWindow("Dlg");
    dialog->SetInternalID("w2");
    CDataSet* users = source.AddDataSet("Users");
    users->SetId("d1");
    CRequirement* requirement = source.AddRequirement("R1");
    requirement->SetUniqueId("u1");

    task->SetDataSet(users);
    task->SetTestGoal("g");
    task->SetTestLevel("l");
    task->SetTestType("ty");
    task->SetConfiguration("c");
    task->SetPrecondition("#A# = 1");
    task->SetDescription("d");
    task->SetPostcondition("p");
    task->SetDocPath("x.doc");
    task->SetQuVornakTask(1);
    task->GetParameters().Add(new CAttributeKav("User", 4, "admin"))->SetId("a1");
    task->GetRequirements().push_back(requirement);

    CTaskStep* call = AddStepWithId(task, "s1", "Sub");
    call->SetSubTask(sub);
    call->GetAttributes().Add(new CAttributeKav("User", 4, "x"))->SetId("p1");
    task->SetStartStep(call);

    // A step that performs a transition keeps its own copy of the transition's fields.
    auto* transition = main->GetTransitions().Add(new CTransitionKav(
        "Enter", "SetInputField(Name, \"a\")", "c", "sd", "i", "r", main, dialog, 3, nullptr, 4, "1", 0));
    transition->SetId("tr1");
    CTaskStep* enter = AddStepWithId(task, "s2");
    enter->SetTransition(transition);
    enter->SetPriority(0);
    enter->SetLoopDataSet(users);
    enter->SetLoopMode(2);
    enter->SetLoopCount("0");
    enter->GetAttributes().Add(new CAttributeKav("Tester", 4, "me"))->SetId("f1");
    auto* condition = enter->GetConditions().Add(new CConditionKav("", "#Main:$Exist# = TRUE"));
    condition->SetUniqueId("c1");
    auto* action = enter->GetActions().Add(new CActionKav(2));
    action->SetId("x1");
    action->GetArguments().Add(new CArgumentKav(2, "Name", 0, "Main:Name"));
    action->GetArguments().Add(new CArgumentKav(7, "Value", 0, "a<b"));
    auto* noNumber = enter->GetActions().Add(new CActionKav(0, ""));
    noNumber->SetId("x2");
    ASSERT_EQ(task->ConnectSteps(call, enter), 1);

    reader_.WriteTask(*task);
    const std::string text = Written();
    EXPECT_EQ(text,
              "<TASK ID=\"t1\" ParentID=\"t0\" StartID=\"s1\" DataSetID=\"d1\" Name=\"Login\" Type=\"0\" TestGoal=\"g\""
              " TestLevel=\"l\" TestType=\"ty\" Config=\"c\" PreCnd=\"#A# = 1\" Descr=\"d\" PostCnd=\"p\""
              " DocPath=\"x.doc\" QuVornakTask=\"1\">\r\n"
              "<ATT ID=\"a1\" Name=\"User\" Value=\"admin\"/>\r\n"
              "<TASKSTEP ID=\"s1\" SubTaskID=\"t2\" Name=\"Sub\">\r\n"
              "<ATT ID=\"p1\" Name=\"User\" Value=\"x\"/>\r\n"
              "<CONNECT DestStepID=\"s2\"/>\r\n"
              "</TASKSTEP>\r\n"
              "<TASKSTEP ID=\"s2\" StartWndID=\"w1\" DestWndID=\"w2\" TransID=\"tr1\" LoopSetID=\"d1\" Name=\"Enter\""
              " Event=\"SetInputField(Name, &quot;a&quot;)\" Cmds=\"c\" Delay=\"3\" Descr=\"sd\" Input=\"i\" Result=\"r\""
              " ResultValue=\"1\" Criticality=\"4\" Priority=\"0\" LoopMode=\"2\" LoopCount=\"0\">\r\n"
              "<USR_FIELD ID=\"f1\" Name=\"Tester\" Value=\"me\"/>\r\n"
              "<CND ID=\"c1\" Text=\"#Main:$Exist# = TRUE\"/>\r\n"
              "<ACT ID=\"x1\" ActionID=\"2\">\r\n"
              "<ARG Value=\"Main:Name\"/>\r\n"
              "<ARG Value=\"a&lt;b\"/>\r\n"
              "</ACT>\r\n"
              "<ACT ID=\"x2\"/>\r\n"
              "</TASKSTEP>\r\n"
              "<TASKREQ ReqID=\"u1\"/>\r\n"
              "</TASK>\r\n");

    const CTaskKav* read = ReadTask(text);
    ASSERT_TRUE(read) << Message();
    EXPECT_EQ(Describe(*read), Describe(*task));
    EXPECT_EQ(read->GetFileId(), file_->GetID());
    EXPECT_EQ(read->GetParameters()[0]->GetFileId(), file_->GetID());
    // An action is named after the catalogue; its arguments are named once the project is
    // loaded, and an action number that the catalogue lacks leaves the name empty.
    EXPECT_EQ(read->GetSteps()[1]->GetActions()[0]->GetName(), "SetInputField");
    EXPECT_EQ(read->GetSteps()[1]->GetActions()[0]->GetArguments()[0]->GetName(), "");
    EXPECT_EQ(read->GetSteps()[1]->GetActions()[1]->GetName(), "");
    EXPECT_TRUE(interaction_->messages.empty());
}

TEST_F(TaskTest, FilesBeforeTaskTypesGiveTheTypeByOwnScript) {
    struct Case {
        std::string versionText, attributes;
        int type;
    };
    const Case cases[] = {
        {"11.2", "OwnScript=\"1\" Type=\"2\"", kTaskPlain},
        {"11.2", "Type=\"0\"", kTaskBuildingBlock},
        {"11.2.2", "OwnScript=\"yes\"", kTaskBuildingBlock},
        {"", "OwnScript=\"1\"", kTaskPlain},
        {"11.3", "OwnScript=\"1\"", kTaskFolder},
        {"12.4", "OwnScript=\"1\" Type=\"1\"", kTaskBuildingBlock},
    };
    for (const Case& c : cases) {
        const CTaskKav* read = ReadTask("<TASK ID=\"t\" Name=\"T\" " + c.attributes + "/>", c.versionText);
        ASSERT_TRUE(read) << Message();
        EXPECT_EQ(read->GetType(), c.type) << c.versionText << " " << c.attributes;
    }
}

TEST_F(TaskTest, ATaskNameIsCheckedAgainstTheFinalType) {
    EXPECT_FALSE(ReadTask("<TASK ID=\"t1\" Name=\"My Task\" Type=\"0\"/>"));
    EXPECT_EQ(Message(), "Task t1 has illegal ID:\nIllegal character ' ' in task name! [W0009] [W1128]");
    EXPECT_TRUE(loaded_.GetTasks().empty());
    EXPECT_FALSE(ReadTask("<TASK ID=\"t1\"/>"));
    EXPECT_EQ(Message(), "Task t1 has illegal ID:\nThe task name must not be empty! [W0583] [W1128]");
    EXPECT_FALSE(ReadTask("<TASK ID=\"t1\" Name=\"My Task\" OwnScript=\"1\"/>", "11.2"));
    EXPECT_EQ(Message(), "Task t1 has illegal ID:\nIllegal character ' ' in task name! [W0009] [W1128]");

    const CTaskKav* folder = ReadTask("<TASK ID=\"t1\" Name=\"My Task\"/>");
    ASSERT_TRUE(folder) << Message();
    EXPECT_EQ(folder->GetName(), "My Task");
    EXPECT_EQ(Message(), "");
}

// An action number that the catalogue lacks is reported by the catalogue check after loading,
// not by a message box in the middle of reading.
TEST_F(TaskTest, AnUnknownActionNumberLoadsWithoutAsking) {
    const CTaskKav* read = ReadTask(
        "<TASK ID=\"t\" Name=\"T\"><TASKSTEP ID=\"s\"><ACT ID=\"a\" ActionID=\"99\"><ARG/></ACT></TASKSTEP></TASK>");
    ASSERT_TRUE(read) << Message();
    const CActionKav* action = read->GetSteps()[0]->GetActions()[0];
    EXPECT_EQ(action->GetNumber(), 99);
    EXPECT_EQ(action->GetArguments()[0]->GetValue(), "");
    EXPECT_TRUE(interaction_->messages.empty());
}
