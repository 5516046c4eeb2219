#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "model/windows/TabControlKav.h"
#include "ProjectFiles.h"

namespace {

class RelationsTest : public ProjectFileTest {
protected:
    // Loads a project file with these top elements after a PROJECT of the name "Demo".
    int LoadElements(const std::string& elements, const std::string& projectAttributes = "") {
        const std::string path = WriteFile("p.xml", "<KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"p\" Name=\"Demo\"" +
                                                        projectAttributes + "/>" + elements + "</KAVRO_DATA>");
        project_ = std::make_unique<CApplicationKav>();
        return Load(path, *project_);
    }

    CApplicationKav& project() { return *project_; }
    CTaskKav* Task(const std::string& id) { return project().FindTask(id, true); }
    CWindowKav* Window(const std::string& id) { return project().GetWindowList().FindByID(id); }

    std::unique_ptr<CApplicationKav> project_;
};

// A task that passes every check of its own, holding the steps given.
std::string PlainTask(const std::string& steps, const std::string& attributes = "", const std::string& parent = "t0") {
    return "<TASK ID=\"t1\" ParentID=\"" + parent + "\" StartID=\"s1\" Name=\"T\" Type=\"0\"" + attributes + ">" +
           steps + "</TASK>";
}

const std::string kRootTask = "<TASK ID=\"t0\" Name=\"Root\"/>";
const std::string kMainWindow = "<WND ID=\"w1\" Name=\"Main\"><TRANS ID=\"tr1\" DestWndID=\"w1\" Name=\"Go\"/></WND>";

}  // namespace

TEST_F(RelationsTest, AConsistentProjectIsLinkedCompletelyAndLogsOnlyTheProgressLine) {
    ASSERT_EQ(LoadElements("<REQ ID=\"r2\" ParentID=\"r1\" Name=\"R2\"/><REQ ID=\"r1\" Name=\"R1\"/>"
                           "<WND ID=\"w2\" ParentID=\"w1\" Name=\"Dlg\" Type=\"2\" PosR=\"900\"/>" +
                               kMainWindow + "<TASK ID=\"t0\" Name=\"Root\"/>" +
                               PlainTask("<TASKSTEP ID=\"s1\" StartWndID=\"w1\" Name=\"First\">"
                                         "<CONNECT DestStepID=\"s2\"/></TASKSTEP>"
                                         "<TASKSTEP ID=\"s2\" TransID=\"tr1\" Name=\"Stale\"/>"
                                         "<TASKSTEP ID=\"s3\" SubTaskID=\"t2\" Name=\"Old\"><ATT ID=\"a\" Name=\"P\""
                                         " Value=\"x\"/></TASKSTEP><TASKREQ ReqID=\"r2\"/>",
                                         " DataSetID=\"d1\"") +
                               "<TASK ID=\"t2\" ParentID=\"t0\" StartID=\"b1\" Name=\"Block\" Type=\"1\">"
                               "<ATT ID=\"bp\" Name=\"P\" Value=\"default\"/><ATT ID=\"bq\" Name=\"Q\"/>"
                               "<TASKSTEP ID=\"b1\"/></TASK><DATASET ID=\"d1\" Name=\"D\"/>"
                               "<TC ID=\"c1\" TaskID=\"t1\" WndID=\"w1\" StepID=\"tr1\"><TESTSTEP ID=\"x1\" "
                               "BaseStepID=\"s1\" StartWndID=\"w2\" Name=\"Own\"/></TC><TS ID=\"sc\" TaskID=\"t1\"/>",
                           " MainWndID=\"w1\""),
              1)
        << Message();
    EXPECT_EQ(log_.Lines(), std::vector<std::string>{"Building object relations"});

    CWindowKav* main = Window("w1");
    CWindowKav* dialog = Window("w2");
    EXPECT_EQ(project().GetStartWindow(), main);
    EXPECT_EQ(dialog->GetParent(), main);
    EXPECT_EQ(main->GetRect().right, 900);  // grown to hold its child
    EXPECT_EQ(main->GetFile(), project().GetMainFile());
    CTransitionKav* transition = main->GetTransitions()[0];
    EXPECT_EQ(transition->GetDestWindow(), main);

    CTaskKav* task = Task("t1");
    EXPECT_EQ(project().GetRootTask(), Task("t0"));
    EXPECT_EQ(Task("t0")->GetName(), "Project Demo");
    EXPECT_EQ(task->GetParent(), Task("t0"));
    EXPECT_EQ(task->GetDataSet(), project().GetDataSets()[0]);
    const auto& steps = task->GetSteps();
    EXPECT_EQ(task->GetStartStep(), steps[0]);
    EXPECT_EQ(steps[0]->GetStartWindow(), main);
    EXPECT_EQ(steps[0]->GetSuccessors(), std::vector<CTaskStep*>{steps[1]});
    EXPECT_TRUE(steps[0]->GetSuccessorIds().empty());
    // A step that performs a transition takes its texts and windows.
    EXPECT_EQ(steps[1]->GetTransition(), transition);
    EXPECT_EQ(steps[1]->GetName(), "Go");
    EXPECT_EQ(steps[1]->GetStartWindow(), main);
    // A sub-task call takes the sub-task's name and parameters.
    EXPECT_EQ(steps[2]->GetSubTask(), Task("t2"));
    EXPECT_EQ(steps[2]->GetName(), "Block");
    ASSERT_EQ(steps[2]->GetAttributes().size(), 2u);
    EXPECT_EQ(steps[2]->GetAttributes()[0]->GetValue(), "x");
    EXPECT_EQ(task->GetRequirements(), std::vector<CRequirement*>{project().GetRequirements()[0]});
    EXPECT_TRUE(task->GetRequirementIds().empty());
    EXPECT_EQ(project().GetRequirements()[0]->GetParent(), project().GetRequirements()[1]);
    EXPECT_EQ(task->GetLoadErrors(), 0);

    const CTestCase* testCase = project().GetTestCases()[0];
    EXPECT_EQ(testCase->GetTask(), task);
    EXPECT_EQ(testCase->GetWindow(), main);
    EXPECT_EQ(testCase->GetTransitionStep(), transition);
    const CTestStep* testStep = testCase->GetSteps()[0];
    EXPECT_EQ(testStep->GetBaseStep(), steps[0]);
    EXPECT_EQ(testStep->GetName(), "Own");  // a test step keeps its own texts
    EXPECT_EQ(testStep->GetStartWindow(), dialog);
    EXPECT_EQ(project().GetTestScripts()[0]->GetTask(), task);
}

// Each reference that names nothing is reported with its own message; references of tasks and
// generated objects are cleared (-1), the others stay (-2).
TEST_F(RelationsTest, EachUnresolvedReferenceIsReportedWithItsMessageAndLevel) {
    struct Case {
        std::string elements, projectAttributes, message;
        int result;
    };
    const std::string step = "<TASKSTEP ID=\"s1\"/>";
    const Case cases[] = {
        {kRootTask, " MasterProjectID=\"m9\"", "Master project file with ID=m9 not found! [W0007]", -2},
        {kRootTask, " MainWndID=\"w9\"", "Start window with ID=w9 not found! [W0804]", -2},
        {kRootTask + "<WND ID=\"w2\" Name=\"A\"><TRANS ID=\"t\" DestWndID=\"W2\"/></WND>", "",
         "Transition destination window with ID=W2 not found! [W0806]", -2},
        {kRootTask + "<WND ID=\"w2\" Name=\"A\" Type=\"13\"><TABPAGE ID=\"p\" PageWndID=\"w9\"/></WND>", "",
         "Tab page window with ID=w9 not found! [W0807]", -2},
        {kRootTask + "<WND ID=\"w2\" Name=\"A\" Type=\"13\" Extra1=\"p9\"><TABPAGE ID=\"p\" Title=\"p9\"/></WND>", "",
         "Initial tab page with ID=p9 not found! [W0808]", -2},
        {kRootTask + PlainTask(step, "", "t9"), "", "Parent task with ID=t9 not found! [W0809]", -2},
        {kRootTask + PlainTask(step, " DataSetID=\"d9\""), "", "Data set with ID=d9 not found! [W0640]", -1},
        {kRootTask + "<TASK ID=\"f\" ParentID=\"t0\" Name=\"F\">" + step + "</TASK>", "",
         "Task F is a folder but contains task steps! [W0932]", -2},
        {kRootTask + PlainTask("<TASKSTEP ID=\"s1\" StartWndID=\"w9\"/>"), "",
         "Task step start window with ID=w9 not found! [W0811]", -1},
        {kRootTask + PlainTask("<TASKSTEP ID=\"s1\" DestWndID=\"w9\"/>"), "",
         "Task step destination window with ID=w9 not found! [W0812]", -1},
        {kRootTask + PlainTask("<TASKSTEP ID=\"s1\" SubTaskID=\"t9\"/>"), "",
         "Task step sub task with ID=t9 not found! [W0813]", -1},
        {kRootTask + PlainTask("<TASKSTEP ID=\"s1\" SubTaskID=\"t0\"/>"), " OldTaskMode=\"0\"",
         "Task t0 is used as sub task although it is not a building block! [W0935]", -1},
        {kRootTask + PlainTask("<TASKSTEP ID=\"s1\" TransID=\"x\"/>"), "",
         "A transition with ID=x is referred to by a task step but has not been found! [W0814]", -1},
        {kRootTask + PlainTask("<TASKSTEP ID=\"s1\" LoopSetID=\"d9\"/>"), "",
         "A data set with ID=d9 is referred to by a task step but has not been found! [W0957]", -1},
        {kRootTask + PlainTask("<TASKSTEP ID=\"s1\"><CONNECT DestStepID=\"s9\"/></TASKSTEP>"), "",
         "Destination task step with ID=s9 not found! [W0815]", -2},
        {kRootTask + "<TASK ID=\"t1\" ParentID=\"t0\" StartID=\"s9\" Name=\"T\" Type=\"1\"/>", "",
         "Start step of task with ID=t1 not found! [W0816]", -2},
        {kRootTask + PlainTask(step + "<TASKREQ ReqID=\"r9\"/>"), "", "Task requirement with ID=r9 not found! [W0817]",
         -1},
        {kRootTask + "<REQ ID=\"r1\" ParentID=\"r9\" Name=\"R\"/>", "", "Parent requirement with ID=r9 not found! [W0999]",
         -2},
        {kRootTask + "<TC ID=\"c\" WndID=\"w9\"/>", "",
         "A window with ID=w9 is referred to by a test case but has not been found! [W0819]", -1},
        {kRootTask + "<TC ID=\"c\" TaskID=\"t9\"/>", "",
         "A task with ID=t9 is referred to by a test case but has not been found! [W0820]", -1},
        {kRootTask + "<TC ID=\"c\" StepID=\"x\"/>", "",
         "A transition with ID=x is referred to by a test case but has not been found! [W0821]", -1},
        {kRootTask + "<TC ID=\"c\"><TESTSTEP ID=\"x\" StartWndID=\"w9\"/></TC>", "",
         "Test step start window with ID=w9 not found! [W0822]", -1},
        {kRootTask + "<TC ID=\"c\"><TESTSTEP ID=\"x\" DestWndID=\"w9\"/></TC>", "",
         "Test step destination window with ID=w9 not found! [W0823]", -1},
        {kRootTask + "<TC ID=\"c\"><TESTSTEP ID=\"x\" TaskID=\"t9\"/></TC>", "",
         "Test step task with ID=t9 not found! [W0824]", -1},
        {kRootTask + "<TC ID=\"c\"><TESTSTEP ID=\"x\" BaseStepID=\"s9\"/></TC>", "",
         "Test step base step with ID=s9 not found! [W0825]", -1},
        {kRootTask + "<TS ID=\"s\" WndID=\"w9\"/>", "",
         "A window with ID=w9 is referred to by a test script but has not been found! [W0826]", -1},
        {kRootTask + "<TS ID=\"s\" TaskID=\"t9\"/>", "",
         "A task with ID=t9 is referred to by a test script but has not been found! [W0827]", -1},
        {kRootTask + PlainTask("<TASKSTEP ID=\"s1\"><ACT ID=\"a\" ActionID=\"99\"/></TASKSTEP>"), "",
         "Invalid action ID=99! [W0862]", -2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoadElements(c.elements, c.projectAttributes), c.result) << c.elements;
        EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"Building object relations", c.message})) << c.elements;
        EXPECT_EQ(Message(), c.message);
        if (CTaskKav* task = Task("t1")) {
            EXPECT_EQ(task->GetLoadErrors(), c.result == -1 ? 1 : 0) << c.elements;
        }
        CloseProject();
    }
}

// The repaired reference is gone from the next save, so the project loads cleanly again.
TEST_F(RelationsTest, AStepsUnknownTransitionIsClearedAndNotSavedAgain) {
    ASSERT_EQ(LoadElements(kRootTask + PlainTask("<TASKSTEP ID=\"s1\" TransID=\"x\"/>")), -1);
    const CTaskStep* step = Task("t1")->GetSteps()[0];
    EXPECT_EQ(step->GetTransition(), nullptr);
    EXPECT_EQ(step->GetTransitionId(), "");
    const std::string saved = ReadFile(Save("again.xml"));
    EXPECT_NE(saved.find("<TASKSTEP ID=\"s1\"/>"), std::string::npos) << saved;
}

TEST_F(RelationsTest, AWindowWhoseParentIsMissingStaysAtTheTop) {
    EXPECT_EQ(LoadElements(kRootTask + "<WND ID=\"w1\" ParentID=\"w9\" Name=\"A\"/>"), -2);
    EXPECT_EQ(Message(), "Parent window with ID=w9 not found! [W0805]");
    EXPECT_EQ(Window("w1")->GetParent(), nullptr);
}

TEST_F(RelationsTest, TheFirstTaskWithoutParentIsTheRootTask) {
    EXPECT_EQ(LoadElements("<TASK ID=\"a\" Name=\"A\"/><TASK ID=\"b\" Name=\"B\"/>"), -2);
    EXPECT_EQ(Message(), "More than 1 task without a parent has been found! [W0810]");
    EXPECT_EQ(project().GetRootTask(), Task("a"));
    EXPECT_EQ(Task("a")->GetName(), "Project Demo");
    EXPECT_EQ(Task("b")->GetName(), "B");

    EXPECT_EQ(LoadElements(""), -2);
    EXPECT_EQ(log_.Lines(),
              (std::vector<std::string>{"Building object relations", "Parentless main task not found! [W0818]"}));
    // Only tasks with a parent: no root either.
    EXPECT_EQ(LoadElements("<TASK ID=\"a\" ParentID=\"b\" Name=\"A\"/><TASK ID=\"b\" ParentID=\"a\" Name=\"B\"/>"),
              -2);
    EXPECT_EQ(log_.Lines().back(), "Parentless main task not found! [W0818]");
}

// A link that would close a cycle is refused where the walk in list order meets it: the last
// link of each cycle, a task its own parent included. Each refusal and each missing parent is
// logged in that order, tasks before requirements.
TEST_F(RelationsTest, TheLinkThatClosesACycleIsRefusedInListOrder) {
    const auto task = [](const std::string& id, const std::string& parent) {
        return "<TASK ID=\"" + id + "\" ParentID=\"" + parent + "\" Name=\"" + id + "\"/>";
    };
    const auto requirement = [](const std::string& id, const std::string& parent) {
        return "<REQ ID=\"" + id + "\" ParentID=\"" + parent + "\" Name=\"" + id + "\"/>";
    };
    EXPECT_EQ(LoadElements(kRootTask + task("a", "b") + task("b", "c") + task("m", "x1") + task("c", "a") +
                           task("d", "d") + task("p", "q") + task("q", "p") + task("h", "a") + requirement("ra", "rb") +
                           requirement("rb", "ra") + requirement("rm", "x2") + requirement("rd", "rd") +
                           requirement("rh", "ra")),
              -2);
    const std::string taskCycle = FormatMessageId(44586), requirementCycle = FormatMessageId(44997);
    EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"Building object relations",
                                                      "Parent task with ID=x1 not found! [W0809]", taskCycle,
                                                      taskCycle, taskCycle, requirementCycle,
                                                      "Parent requirement with ID=x2 not found! [W0999]",
                                                      requirementCycle}));
    const auto expectTrees = [&] {
        const std::pair<const char*, const char*> parents[] = {{"a", "b"}, {"b", "c"}, {"c", nullptr},
                                                               {"d", nullptr}, {"p", "q"}, {"q", nullptr},
                                                               {"h", "a"},   {"m", nullptr}};
        for (const auto& [child, parent] : parents) {
            EXPECT_EQ(Task(child)->GetParent(), parent ? Task(parent) : nullptr) << child;
        }
        CRequirement* ra = project().FindRequirement("ra", true);
        EXPECT_EQ(ra->GetParent(), project().FindRequirement("rb", true));
        EXPECT_EQ(project().FindRequirement("rb", true)->GetParent(), nullptr);
        EXPECT_EQ(project().FindRequirement("rd", true)->GetParent(), nullptr);
        EXPECT_EQ(project().FindRequirement("rh", true)->GetParent(), ra);
    };
    expectTrees();
    // Linked a second time, every link stands already and no cycle closes.
    EXPECT_EQ(reader_.BuildRelations(&project(), false), -2);
    expectTrees();
}

// Random forests with cycles, self-links and missing parents, of tasks and of requirements,
// link as linking one at a time, each refused when it is its parent's ancestor, would link them.
TEST_F(RelationsTest, RandomHierarchiesLinkAsOneLinkAtATime) {
    std::mt19937 random(27);
    for (int round = 0; round < 30; ++round) {
        const int count = 2 + static_cast<int>(random() % 40);
        std::vector<int> parentOf(count);  // -1: a parent that does not exist
        for (int& parent : parentOf) parent = random() % 8 == 0 ? -1 : static_cast<int>(random() % count);
        const auto id = [](char kind, int i) { return kind + std::to_string(100 + i); };
        std::string elements = kRootTask;
        for (const auto& [kind, element] : {std::pair{'t', "TASK"}, std::pair{'r', "REQ"}}) {
            for (int i = 0; i < count; ++i)
                elements += std::string("<") + element + " ID=\"" + id(kind, i) + "\" ParentID=\"" +
                            (parentOf[i] < 0 ? std::string("x") : id(kind, parentOf[i])) + "\" Name=\"N\"/>";
        }

        // The findings in list order: a missing parent, or a link that closes a cycle.
        std::vector<int> linked(count, -1);
        std::vector<bool> findings;  // true: the missing parent
        for (int i = 0; i < count; ++i) {
            bool closesCycle = false;
            for (int node = parentOf[i]; node >= 0 && !closesCycle; node = linked[node]) closesCycle = node == i;
            if (parentOf[i] < 0 || closesCycle)
                findings.push_back(parentOf[i] < 0);
            else
                linked[i] = parentOf[i];
        }
        std::vector<std::string> expectedLog = {"Building object relations"};
        for (const auto& [missingMessage, cycleMessage] : {std::pair{44809, 44586}, std::pair{44999, 44997}})
            for (const bool missing : findings)
                expectedLog.push_back(missing ? FormatMessageId(missingMessage, "x") : FormatMessageId(cycleMessage));

        LoadElements(elements);
        EXPECT_EQ(log_.Lines(), expectedLog) << elements;
        for (int i = 0; i < count; ++i) {
            const bool hasParent = linked[i] >= 0;
            EXPECT_EQ(Task(id('t', i))->GetParent(), hasParent ? Task(id('t', linked[i])) : nullptr) << elements;
            EXPECT_EQ(project().FindRequirement(id('r', i), true)->GetParent(),
                      hasParent ? project().FindRequirement(id('r', linked[i]), true) : nullptr)
                << elements;
        }
    }
}

TEST_F(RelationsTest, RefusedLinksLeaveTheModelsMessageAndEveryPassRunsOn) {
    EXPECT_EQ(LoadElements(kRootTask + PlainTask("<TASKSTEP ID=\"s1\"><CONNECT DestStepID=\"s2\"/></TASKSTEP>"
                                                 "<TASKSTEP ID=\"s2\"><CONNECT DestStepID=\"s1\"/></TASKSTEP>"
                                                 "<TASKREQ ReqID=\"r9\"/>")),
              -2);
    ASSERT_EQ(log_.Lines().size(), 3u);
    EXPECT_EQ(log_.Lines()[1], FormatMessageId(44588));
    EXPECT_EQ(log_.Lines()[2], "Task requirement with ID=r9 not found! [W0817]");
    EXPECT_TRUE(Task("t1")->GetSteps()[1]->GetSuccessors().empty());
}

// Each task's flow is checked for cycles once: a flow without one links every connection, a
// repeated one once; in a flow with one, only the connection that closes it is refused.
TEST_F(RelationsTest, ConnectionsLinkOnceAndOnlyTheOneClosingACycleIsRefused) {
    const std::string joins = "<TASKSTEP ID=\"s1\"><CONNECT DestStepID=\"s2\"/><CONNECT DestStepID=\"s3\"/>"
                              "<CONNECT DestStepID=\"s2\"/></TASKSTEP>"
                              "<TASKSTEP ID=\"s2\"><CONNECT DestStepID=\"s3\"/></TASKSTEP><TASKSTEP ID=\"s3\"/>";
    ASSERT_EQ(LoadElements(kRootTask + PlainTask(joins)), 1);
    const auto& steps = Task("t1")->GetSteps();
    EXPECT_EQ(steps[0]->GetSuccessors(), (std::vector<CTaskStep*>{steps[1], steps[2]}));
    EXPECT_EQ(steps[2]->GetPredecessors(), (std::vector<CTaskStep*>{steps[0], steps[1]}));

    const std::string loop = "<TASKSTEP ID=\"s1\"><CONNECT DestStepID=\"s2\"/></TASKSTEP>"
                             "<TASKSTEP ID=\"s2\"><CONNECT DestStepID=\"s3\"/><CONNECT DestStepID=\"s2\"/>"
                             "</TASKSTEP><TASKSTEP ID=\"s3\"/>";
    EXPECT_EQ(LoadElements(kRootTask + PlainTask(loop)), -2);
    const auto& looped = Task("t1")->GetSteps();
    EXPECT_EQ(looped[1]->GetSuccessors(), (std::vector<CTaskStep*>{looped[2]}));
    EXPECT_EQ(looped[0]->GetSuccessors(), (std::vector<CTaskStep*>{looped[1]}));
    EXPECT_EQ(std::count(log_.Lines().begin(), log_.Lines().end(), FormatMessageId(44588)), 1);
}

// A successor identifier names the first step of it in the connecting task, even when another
// task (a folder among them) has a step of the same identifier first; a step of another task
// only is no successor.
TEST_F(RelationsTest, SuccessorsAreLookedUpInTheirOwnTaskWhateverOtherTasksHold) {
    const std::string folder = "<TASK ID=\"f\" ParentID=\"t0\" Name=\"F\"><TASKSTEP ID=\"s2\"/></TASK>";
    const std::string other = "<TASK ID=\"t2\" ParentID=\"t0\" StartID=\"s1\" Name=\"U\" Type=\"0\">"
                              "<TASKSTEP ID=\"s1\"/><TASKSTEP ID=\"s2\"/><TASKSTEP ID=\"only\"/></TASK>";
    const std::string steps = "<TASKSTEP ID=\"s1\"><CONNECT DestStepID=\"s2\"/><CONNECT DestStepID=\"only\"/>"
                              "</TASKSTEP><TASKSTEP ID=\"s3\"/><TASKSTEP ID=\"s2\"><CONNECT DestStepID=\"s3\"/>"
                              "</TASKSTEP><TASKSTEP ID=\"s2\"/>";
    EXPECT_EQ(LoadElements(kRootTask + folder + other + PlainTask(steps)), -2);
    EXPECT_EQ(log_.Lines(), (std::vector<std::string>{"Building object relations",
                                                      "Task F is a folder but contains task steps! [W0932]",
                                                      "Destination task step with ID=only not found! [W0815]"}));
    const auto& own = Task("t1")->GetSteps();
    EXPECT_EQ(Task("t1")->GetStartStep(), own[0]);
    EXPECT_EQ(own[0]->GetSuccessors(), std::vector<CTaskStep*>{own[2]});
    EXPECT_EQ(own[2]->GetSuccessors(), std::vector<CTaskStep*>{own[1]});
    EXPECT_TRUE(own[3]->GetPredecessors().empty());
    EXPECT_EQ(Task("t2")->GetStartStep(), Task("t2")->GetSteps()[0]);
    EXPECT_TRUE(Task("t2")->GetSteps()[1]->GetPredecessors().empty());
}

// A task step is the base step of a test step before any transition of the same identifier.
TEST_F(RelationsTest, ABaseStepIsATaskStepBeforeATransition) {
    ASSERT_EQ(LoadElements("<WND ID=\"w1\" Name=\"Main\"><TRANS ID=\"same\" Name=\"T\"/></WND>" + kRootTask +
                           PlainTask("<TASKSTEP ID=\"s1\"/>") +
                           "<TASK ID=\"t2\" ParentID=\"t0\" StartID=\"same\" Name=\"U\" Type=\"0\">"
                           "<TASKSTEP ID=\"same\"/></TASK>"
                           "<TC ID=\"c\"><TESTSTEP ID=\"x\" BaseStepID=\"same\"/><TESTSTEP ID=\"y\" "
                           "BaseStepID=\"same\"/></TC>"),
              1)
        << Message();
    const CTestStep* step = project().GetTestCases()[0]->GetSteps()[0];
    EXPECT_EQ(step->GetBaseStep(), Task("t2")->GetSteps()[0]);
    EXPECT_EQ(step->GetTransition(), nullptr);
}

TEST_F(RelationsTest, ObjectsWhoseFileIsMissingKeepTheirReferenceText) {
    struct Case {
        std::function<CKavroObj*(CApplicationKav&)> object;
        std::string message;
    };
    const Case cases[] = {
        {[](CApplicationKav& p) { return p.GetWindowList().FindByID("w1"); }, "File with ID=zz not found! [W0042]"},
        {[](CApplicationKav& p) { return p.GetTasks()[0]; }, "File with ID=zz not found! [W0139]"},
        {[](CApplicationKav& p) { return p.GetRequirements()[0]; }, "File with ID=zz not found! [W0727]"},
        {[](CApplicationKav& p) { return p.GetDataSets()[0]; }, "File with ID=zz not found! [W0641]"},
        {[](CApplicationKav& p) { return p.GetMetaConditions()[0]; }, "File with ID=zz not found! [W0400]"},
        {[](CApplicationKav& p) { return p.GetStepFields()[0]; }, "File with ID=zz not found! [W0563]"},
        {[](CApplicationKav& p) { return p.GetTestScripts()[0]; }, "File with ID=zz not found! [W0042]"},
        {[](CApplicationKav&) { return GetGuiBuilderDatabase().Add(new CGUIBuilder("Mine", 500, 0)); },
         "File with ID=zz not found! [W0728]"},
    };
    const std::string path =
        WriteFile("p.xml",
                  "<KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"p\"><CND ID=\"c\"/><USR_FIELD ID=\"f\"/></PROJECT><REQ ID=\"r\"/>"
                  "<WND ID=\"w1\" Name=\"W\"/><TASK ID=\"t0\" Name=\"Root\"/><DATASET ID=\"d\" Name=\"D\">"
                  "<DATAFIELD ID=\"f\" Name=\"F\"/></DATASET><TS ID=\"s\"/></KAVRO_DATA>");
    for (const Case& c : cases) {
        CApplicationKav loaded;
        ASSERT_TRUE(Parse(path, loaded)) << Message();
        CKavroObj* object = c.object(loaded);
        object->SetFileId("zz");
        EXPECT_EQ(reader_.BuildRelations(&loaded, false), -2);
        EXPECT_EQ(Message(), c.message);
        EXPECT_EQ(object->GetFile(), nullptr);
        EXPECT_EQ(object->GetFileId(), "zz");
    }
}

// Texts written in the main file name a library's objects with the library's prefix.
TEST_F(RelationsTest, DesignatorsOfLibraryObjectsAreQualifiedAndAmbiguousOnesReported) {
    const std::string path = WriteFile(
        "p.xml",
        "<KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"p\"><FILE ID=\"L1\" Path=\"A.xml\"/><FILE ID=\"L2\" Path=\"B.xml\"/>"
        "</PROJECT><WND ID=\"w1\" Name=\"Main\"/><WND ID=\"w2\" Name=\"Dlg\"/><TASK ID=\"t0\" Name=\"Root\"/>" +
            PlainTask("<TASKSTEP ID=\"s1\" Event=\"Click(#Dlg:$Enabled#)\"/>") + "</KAVRO_DATA>");
    const auto load = [&](CApplicationKav& project, bool twoLibraries) {
        EXPECT_TRUE(Parse(path, project)) << Message();
        project.GetFiles()[1]->SetName("Lib1");
        project.GetFiles()[2]->SetName("Lib2");
        project.GetMainFile()->UsedFileIds() = {"L1", "L2"};
        project.GetWindowList().FindByID("w2")->SetFileId("L1");
        if (twoLibraries) {
            CWindowKav* other = project.GetWindowList().FindByID("w1");
            other->SetFileId("L2");
            other->SetFile(project.GetFiles()[2]);
            EXPECT_TRUE(project.GetWindowList().RenameWindow(other, "Dlg")) << Message();
        }
        return reader_.BuildRelations(&project, false);
    };
    CApplicationKav single;
    CurrentApplication = &single;
    EXPECT_EQ(load(single, false), 1) << Message();
    EXPECT_EQ(single.FindTask("t1", true)->GetSteps()[0]->GetEvent(), "Click(#^Lib1:Dlg:$Enabled#)");

    CApplicationKav ambiguous;
    CurrentApplication = &ambiguous;
    EXPECT_EQ(load(ambiguous, true), -2);
    EXPECT_TRUE(Message().ends_with("[W1210]")) << Message();
}
