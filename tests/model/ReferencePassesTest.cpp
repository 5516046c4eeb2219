// The project-wide passes through which references follow renamed, replaced and deleted
// objects, in the project and in the task objects this process holds on the clipboard.
#include <gtest/gtest.h>

#include "model/ChangedTaskReport.h"
#include "model/ImportTreeItem.h"
#include "model/ShellServices.h"
#include "model/TaskClipboard.h"
#include "model/TestStep.h"
#include "model/WindowKav.h"
#include "platform/Clipboard.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"

namespace {

using Names = std::vector<std::string>;

CTaskStep* AddEventStep(CTaskKav& task, const std::string& event) {
    CTaskStep* step = AddStep(task, "S");
    step->SetEvent(event);
    return step;
}

CTaskStep* AddCall(CTaskKav& task, CTaskKav* subTask) {
    CTaskStep* step = AddStep(task, subTask->GetName());
    step->SetSubTask(subTask);
    step->UpdateSubtaskParameters(subTask);
    return step;
}

class ReferencePasses : public ProjectTest {
protected:
    // What this process copied: a task with a child task, and loose task steps.
    CTaskKav clipTask{"Copied", kTaskPlain};
    CTaskKav clipChild{"CopiedChild", kTaskPlain};
    TaskStepClipboardList clipSteps;
    Names reported;

    void SetUp() override {
        clipTask.AddChild(&clipChild);
        PutClipboardObject(kTaskCopyFormat, &clipTask);
        PutClipboardObject(kTaskStepsCopyFormat, &clipSteps);
        SetChangedTaskReceiver([this](const CTaskKav* task) { reported.push_back(task->GetName()); });
    }

    CTaskStep* AddClipStep(const std::string& event) {
        CTaskStep* step = clipSteps.Add(MakeStep("S"));
        step->SetEvent(event);
        return step;
    }
};

}  // namespace

TEST_F(ReferencePasses, ARenamedWindowIsFollowedEverywhereButInTestCases) {
    const std::string text = "#LOGIN:$Enabled# AND #Login# AND #LoginDlg# AND #login:$Caption#";
    const std::string renamed = "#Logon:$Enabled# AND #Logon# AND #LoginDlg# AND #Logon:$Caption#";
    CWindowKav* login = project.AddWindow("Login");
    CTransitionKav* transition = project.AddTransition(login, "Login_T1");
    transition->SetCommands(text);
    transition->GetConditions().Add(new CConditionKav("", text));
    CTaskStep* step = AddEventStep(*project.AddTask("Order"), text);
    CConditionKav* meta = project.AddMetaCondition("C1", text);
    CTaskStep* clipTaskStep = AddEventStep(clipTask, text);
    CTaskStep* clipChildStep = AddEventStep(clipChild, text);
    CTaskStep* clipStep = AddClipStep(text);
    CTestCase* testCase = project.AddTestCase(1, kTestCaseTransition, nullptr, login, transition);
    CTestStep* testStep = testCase->GetSteps().Add(
        new CTestStep("S", text, "", "", "", "", login, nullptr, 0, 2, "", nullptr, nullptr, transition, ""));

    app.RenameWindowReferences("Login", "Logon");

    EXPECT_EQ(transition->GetCommands(), renamed);
    EXPECT_EQ(transition->GetConditions()[0]->GetText(), renamed);
    EXPECT_EQ(step->GetEvent(), renamed);
    EXPECT_EQ(meta->GetText(), renamed);
    EXPECT_EQ(clipTaskStep->GetEvent(), renamed);
    EXPECT_EQ(clipChildStep->GetEvent(), renamed);
    EXPECT_EQ(clipStep->GetEvent(), renamed);
    EXPECT_EQ(testStep->GetEvent(), text);
}

TEST_F(ReferencePasses, TheScopeChoosesObjectsByImportOriginButTheClipboardIsAlwaysRewritten) {
    CImportTreeItem imported(nullptr, true), open(nullptr, false);
    struct Holder {
        CTransitionKav* transition;
        CTaskStep* step;
        CConditionKav* meta;
    };
    // Objects with an item of the imported project, with one of the open project, and without.
    auto addObjects = [&](const std::string& suffix, CImportTreeItem* item) {
        CWindowKav* window = project.AddWindow("W" + suffix);
        CTaskKav* task = project.AddTask("T" + suffix);
        CConditionKav* meta = project.AddMetaCondition("C" + suffix, "#Old#");
        for (CKavroObj* object : std::initializer_list<CKavroObj*>{window, task, meta}) object->SetImportItem(item);
        CTransitionKav* transition = project.AddTransition(window, "T");
        transition->SetEvent("#Old#");
        return Holder{transition, AddEventStep(*task, "#Old#"), meta};
    };
    const Holder picked = addObjects("1", &imported);
    const Holder notPicked = addObjects("2", &open);
    const Holder plain = addObjects("3", nullptr);
    CTaskStep* clipStep = AddClipStep("#Old#");

    auto texts = [](const Holder& h) {
        return Names{h.transition->GetEvent(), h.step->GetEvent(), h.meta->GetText()};
    };
    const Names before(3, "#Old#"), after(3, "#New#");

    app.ReplaceReferenceText("#old#", "#New#", CApplicationKav::kScopeImported);
    EXPECT_EQ(texts(picked), after);
    EXPECT_EQ(texts(notPicked), before);
    EXPECT_EQ(texts(plain), before);
    EXPECT_EQ(clipStep->GetEvent(), "#New#");

    clipStep->SetEvent("#Old#");
    app.ReplaceReferenceText("#old#", "#New#", CApplicationKav::kScopeNotImported);
    EXPECT_EQ(texts(notPicked), after);
    EXPECT_EQ(texts(plain), after);
    EXPECT_EQ(clipStep->GetEvent(), "#New#");
}

// Several replacements in one walk give what one walk each gives: in order, each on the texts
// the earlier ones left, whatever character the old texts begin with.
TEST_F(ReferencePasses, ReplacementsInOneWalkApplyInOrder) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> replacements;
        std::string before, after;
    };
    const Case cases[] = {
        {{{"#A#", "#B#"}, {"#b#", "#C#"}}, "x #a# y", "x #C# y"},
        {{{"#@Login:", "#@Login1:"}, {"#Main#", "#Frame#"}}, "#@login:Go# and #main#", "#@Login1:Go# and #Frame#"},
        {{{"#Old#", "#New#"}, {"old", "young"}}, "OLD #old#", "young #New#"},
        {{{"#A#", "#B#"}}, "no reference", "no reference"},
    };
    for (const Case& c : cases) {
        CTaskStep* step = AddEventStep(*project.AddTask("T"), c.before);
        app.ReplaceReferenceTexts(c.replacements, CApplicationKav::kScopeAll);
        EXPECT_EQ(step->GetEvent(), c.after) << c.before;
    }
}

TEST_F(ReferencePasses, AttributeReferencesAreRewrittenUnderTheirObjectsPath) {
    CDataSet* orders = project.AddDataSet("Orders");
    CDataSet* libOrders = project.AddDataSet("Orders", project.Lib());
    CConditionKav* meta = project.AddMetaCondition(
        "C1", "#~Orders:Amount# + #^Lib:~Orders:Amount# + #~Orders:AmountTotal# + #Amount#");

    app.RenameAttributeReferences(orders, "Amount", "Total");
    EXPECT_EQ(meta->GetText(), "#~Orders:Total# + #^Lib:~Orders:Amount# + #~Orders:AmountTotal# + #Amount#");
    app.RenameAttributeReferences(libOrders, "amount", "Sum");
    EXPECT_EQ(meta->GetText(), "#~Orders:Total# + #^Lib:~Orders:Sum# + #~Orders:AmountTotal# + #Amount#");
    app.RenameAttributeReferences(nullptr, "Total", "X");
    EXPECT_EQ(meta->GetText(), "#~Orders:Total# + #^Lib:~Orders:Sum# + #~Orders:AmountTotal# + #Amount#");
}

TEST_F(ReferencePasses, ARenamedTaskIsFollowedByDesignatorsAndCallsAndReportedInVornakMode) {
    CTaskKav* order = project.AddTask("Order");
    CTaskKav* caller = project.AddTask("Caller");
    CTaskKav* bystander = project.AddTask("Bystander");
    CTaskStep* call = AddCall(*caller, order);
    CTaskStep* text = AddEventStep(*bystander, "#@Order:Amount# > #@OrderX:Amount#");
    CTaskStep* clipChildCall = AddCall(clipChild, order);
    CTaskStep* clipCall = clipSteps.Add(MakeStep("Order"));
    clipCall->SetSubTask(order);
    VornakMode = true;

    order->SetName("Purchase");
    app.RenameTaskReferences(order, "@Order", "@Purchase");

    EXPECT_EQ(text->GetEvent(), "#@Purchase:Amount# > #@OrderX:Amount#");
    EXPECT_EQ(call->GetName(), "Purchase");
    EXPECT_EQ(clipChildCall->GetName(), "Purchase");
    EXPECT_EQ(clipCall->GetName(), "Purchase");
    // The text change is no call change: only the calling tasks count.
    EXPECT_EQ(reported, (Names{"Caller", "Copied"}));

    VornakMode = false;
    order->SetName("Buy");
    app.RenameTaskReferences(order, "@Purchase", "@Buy");
    EXPECT_EQ(call->GetName(), "Buy");
    EXPECT_EQ(reported.size(), 2u);
}

TEST_F(ReferencePasses, DeletedObjectsLeaveTasksAndTheClipboardWithTheirSubtrees) {
    CTaskKav* folder = project.AddTask("Folder", nullptr, kTaskFolder);
    CTaskKav* inner = project.AddTask("Inner", folder);
    CTaskKav* caller = project.AddTask("Caller");
    CTaskKav* untouched = project.AddTask("Untouched");
    CTaskStep* callsInner = AddCall(*caller, inner);
    CTaskStep* clipChildCall = AddCall(clipChild, inner);
    CTaskStep* clipCall = clipSteps.Add(MakeStep("Inner"));
    clipCall->SetSubTask(inner);
    CRequirement* parent = project.AddRequirement("R1");
    CRequirement* child = project.AddRequirement("R1.1", parent);
    untouched->GetRequirements().push_back(child);
    clipTask.GetRequirements().push_back(child);
    VornakMode = true;

    app.RemoveReferencesFromTasks(nullptr, nullptr, folder, parent, nullptr);

    EXPECT_EQ(callsInner->GetSubTask(), nullptr);
    EXPECT_EQ(clipChildCall->GetSubTask(), nullptr);
    EXPECT_EQ(clipCall->GetSubTask(), nullptr);
    EXPECT_TRUE(untouched->GetRequirements().empty());
    EXPECT_TRUE(clipTask.GetRequirements().empty());
    // Project tasks only, once for each pass that changed them.
    EXPECT_EQ(reported, (Names{"Caller", "Untouched"}));
}

TEST_F(ReferencePasses, StepFieldsReachEveryStepThatHasItsOwnFields) {
    app.GetStepFields().Add(new CAttributeKav("Tester", 4, "nobody"));
    CWindowKav* window = project.AddWindow("Main");
    CTransitionKav* transition = project.AddTransition(window, "Main_T1");
    CTaskKav* task = project.AddTask("Order");
    CTaskKav* called = project.AddTask("Called");
    called->GetParameters().Add(new CAttributeKav("P", 4, "p"));
    CTaskStep* plain = AddStep(*task, "Plain");
    CTaskStep* call = AddCall(*task, called);
    CTaskStep* performing = AddStep(*task, "Performing");
    performing->SetTransition(transition);
    CTaskStep* clipChildStep = AddStep(clipChild, "S");
    CTaskStep* clipStep = clipSteps.Add(MakeStep("S"));
    CTestCase* testCase = project.AddTestCase(1, kTestCaseManual, task);
    CTestStep* testStep = testCase->GetSteps().Add(
        new CTestStep("S", "", "", "", "", "", nullptr, nullptr, 0, 2, "", nullptr, nullptr, nullptr, ""));

    app.UpdateStepAttributes();

    auto fieldNames = [](const CStepKav* step) {
        Names names;
        for (const CAttributeKav* a : step->GetAttributes()) names.push_back(a->GetName());
        return names;
    };
    for (const CStepKav* step : std::initializer_list<const CStepKav*>{transition, plain, clipChildStep, clipStep,
                                                                        testStep})
        EXPECT_EQ(fieldNames(step), Names{"Tester"});
    EXPECT_EQ(fieldNames(call), Names{"P"});
    EXPECT_TRUE(fieldNames(performing).empty());
}

TEST_F(ReferencePasses, CallsFollowAReplacedOrChangedSubtaskOnTheClipboardToo) {
    CTaskKav* oldTask = project.AddTask("Old");
    CTaskKav* newTask = project.AddTask("New");
    newTask->GetParameters().Add(new CAttributeKav("P", 4, "p"));
    CTaskStep* call = AddCall(*project.AddTask("Caller"), oldTask);
    CTaskStep* clipChildCall = AddCall(clipChild, oldTask);
    CTaskStep* clipCall = clipSteps.Add(MakeStep("Old"));
    clipCall->SetSubTask(oldTask);

    app.ReplaceSubtaskReferences(newTask, oldTask);
    for (const CTaskStep* step : {call, clipChildCall, clipCall}) {
        EXPECT_EQ(step->GetSubTask(), newTask);
        EXPECT_EQ(step->GetName(), "New");
        ASSERT_EQ(step->GetAttributes().size(), 1u);
    }

    newTask->GetParameters().Add(new CAttributeKav("Q", 4, "q"));
    app.UpdateSubtaskCalls(newTask);
    for (const CTaskStep* step : {call, clipChildCall, clipCall}) EXPECT_EQ(step->GetAttributes().size(), 2u);
}

TEST_F(ReferencePasses, WindowPassesReachTheClipboard) {
    CWindowKav* oldWindow = project.AddWindow("Old");
    CWindowKav* newWindow = project.AddWindow("New");
    CTaskStep* clipChildStep = AddStep(clipChild, "S");
    clipChildStep->SetStartWindow(oldWindow);
    CTaskStep* clipStep = clipSteps.Add(MakeStep("S"));
    clipStep->SetDestWindow(oldWindow);

    app.ReplaceWindowInTasks(newWindow, oldWindow);
    EXPECT_EQ(clipChildStep->GetStartWindow(), newWindow);
    EXPECT_EQ(clipStep->GetDestWindow(), newWindow);

    // After a transition's windows changed, the steps performing it follow.
    CTransitionKav* transition = project.AddTransition(newWindow, "New_T1");
    transition->SetDestWindow(newWindow);
    CTaskStep* performing = AddStep(*project.AddTask("Order"), "S");
    performing->SetTransition(transition);
    clipStep->SetTransition(transition);
    transition->SetStartWindow(oldWindow);
    transition->SetDestWindow(oldWindow);
    app.UpdateWindowReferencesInTasks(newWindow);
    for (const CTaskStep* step : {performing, clipStep}) {
        EXPECT_EQ(step->GetStartWindow(), oldWindow);
        EXPECT_EQ(step->GetDestWindow(), oldWindow);
    }

    app.RemoveReferencesFromTasks(oldWindow, nullptr, nullptr, nullptr, nullptr);
    for (const CTaskStep* step : {performing, clipStep}) {
        EXPECT_EQ(step->GetStartWindow(), nullptr);
        EXPECT_EQ(step->GetTransition(), nullptr);
    }
}

TEST_F(ReferencePasses, DataOfAnotherProcessOnTheClipboardIsLeftAlone) {
    CTaskStep* clipStep = AddClipStep("#Old#");
    SetClipboardText(kTaskStepsCopyFormat, "1:12345");
    SetClipboardText(kTaskCopyFormat, "1:12345");
    CTaskStep* step = AddEventStep(*project.AddTask("Order"), "#Old#");
    app.RenameObjectReferences("Old", "New");
    EXPECT_EQ(step->GetEvent(), "#New#");
    EXPECT_EQ(clipStep->GetEvent(), "#Old#");
}

TEST_F(ReferencePasses, TestCasesOfDeletedObjectsGoAndTheOthersForgetThem) {
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* dialog = project.AddWindow("Dlg", main, kWndDialogBox);
    CTaskKav* task = project.AddTask("Order");
    CTaskStep* taskStep = AddStep(*task, "S");
    project.AddTestCase(1, kTestCaseTransition, nullptr, dialog);
    CTestCase* kept = project.AddTestCase(2, kTestCaseManual, task);
    CTestStep* testStep = kept->GetSteps().Add(
        new CTestStep("S", "", "", "", "", "", dialog, dialog, 0, 2, "", nullptr, task, nullptr, ""));
    std::vector<CTestCase*> announced;
    SetTestCaseDeletionHook([&](CTestCase* testCase) { announced.push_back(testCase); });

    app.RemoveReferencesFromTestCases(main, nullptr, nullptr, 0);
    EXPECT_EQ(app.GetTestCases().Snapshot(), std::vector<CTestCase*>{kept});
    EXPECT_EQ(announced.size(), 1u);
    EXPECT_EQ(testStep->GetStartWindow(), nullptr);
    EXPECT_EQ(testStep->GetDestWindow(), nullptr);

    testStep->SetSourceStep(taskStep);
    app.RemoveReferencesFromTestCases(nullptr, taskStep, nullptr, 0);
    EXPECT_EQ(testStep->GetBaseStep(), nullptr);
    EXPECT_EQ(app.GetTestCases().size(), 1u);

    app.RemoveReferencesFromTestCases(nullptr, nullptr, task, 0);
    EXPECT_TRUE(app.GetTestCases().empty());
}
