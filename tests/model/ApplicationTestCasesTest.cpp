#include <gtest/gtest.h>

#include <algorithm>

#include "model/ShellServices.h"
#include "tests/support/ProjectBuilder.h"

namespace {

std::vector<std::string> DisplayNames(const std::vector<CTestCase*>& list) {
    std::vector<std::string> names;
    for (const CTestCase* tc : list) names.push_back(tc->GetDisplayName());
    return names;
}

std::vector<std::string> ProjectTestCaseNames(CApplicationKav& app) {
    return DisplayNames(app.GetTestCases().Snapshot());
}

}  // namespace

using ApplicationTestCases = ProjectTest;

TEST_F(ApplicationTestCases, DeletingATasksTestCasesTakesEveryKindAndTheChildTasks) {
    CTaskKav* order = project.AddTask("Order");
    CTaskKav* child = project.AddTask("OrderChild", order);
    CTaskKav* other = project.AddTask("Other");
    for (int kind : {kTestCaseTransition, kTestCaseGraphCoverage, kTestCaseRandom}) {
        project.AddTestCase(kind + 1, kind, order);
        project.AddTestCase(kind + 1, kind, child);
    }
    CTestCase* kept = project.AddTestCase(1, kTestCaseGraphCoverage, other);

    // The views are told while the test case still lives (ASan reports a use after free).
    std::vector<std::string> announced;
    SetTestCaseDeletionHook([&](CTestCase* tc) {
        EXPECT_FALSE(app.GetTestCases().Contains(tc));
        announced.push_back(tc->GetDisplayName());
    });
    // Replacing one kind under a task keeps the task's other kinds.
    app.DeleteTestCases(nullptr, nullptr, order, kTestCaseRandom);
    EXPECT_EQ(announced, (std::vector<std::string>{"Order_006", "OrderChild_006"}));
    EXPECT_EQ(app.GetTestCases().size(), 5u);

    announced.clear();
    app.DeleteTestCases(nullptr, nullptr, order, kTestCaseAnyKind);
    EXPECT_EQ(announced, (std::vector<std::string>{"Order_001", "Order_003", "OrderChild_001", "OrderChild_003"}));
    EXPECT_EQ(app.GetTestCases().Snapshot(), std::vector<CTestCase*>{kept});
}

TEST_F(ApplicationTestCases, DeletingByWindowOrForTheProjectHonoursTheKind) {
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* button = project.AddWindow("OK", main, kWndPushButton);
    CTransitionKav* click = project.AddTransition(button, "ClickOK");
    CTaskKav* task = project.AddTask("Order");
    project.AddTestCase(1, kTestCaseTransition, nullptr, main);
    project.AddTestCase(1, kTestCaseTransition, nullptr, button, click);
    CTestCase* random = project.AddTestCase(1, kTestCaseRandom, nullptr, main);
    CTestCase* taskTest = project.AddTestCase(1, kTestCaseGraphCoverage, task);

    app.DeleteTestCases(main, nullptr, nullptr, kTestCaseTransition);
    EXPECT_EQ(app.GetTestCases().Snapshot(), (std::vector<CTestCase*>{random, taskTest}));

    project.AddTestCase(2, kTestCaseTransition, nullptr, button, click);
    app.DeleteTestCases(nullptr, click, nullptr, kTestCaseRandom);  // a transition honours the kind too
    EXPECT_EQ(app.GetTestCases().size(), 3u);
    app.DeleteTestCases(nullptr, click, nullptr, kTestCaseTransition);
    EXPECT_EQ(app.GetTestCases().size(), 2u);

    app.DeleteTestCases(nullptr, nullptr, nullptr, kTestCaseGraphCoverage);
    EXPECT_EQ(app.GetTestCases().Snapshot(), std::vector<CTestCase*>{random});
    app.DeleteTestCases(nullptr, nullptr, nullptr, kTestCaseAnyKind);
    EXPECT_TRUE(app.GetTestCases().empty());
}

TEST_F(ApplicationTestCases, ReplacingRenumbersUntilTheDisplayNameIsFree) {
    CTaskKav* order = project.AddTask("Order");
    project.AddTestCase(1, kTestCaseGraphCoverage, order);

    OwningList<CTestCase> fresh;
    CTestCase* added = fresh.Add(new CTestCase(1, kTestCaseRandom, nullptr, nullptr, order, 0));
    EXPECT_TRUE(app.ReplaceTestCases(fresh, kTestCaseRandom, nullptr, nullptr, nullptr));

    EXPECT_TRUE(fresh.empty());
    EXPECT_EQ(added->GetDisplayName(), "Order_002");
    EXPECT_EQ(added->GetFile(), project.Main());
    EXPECT_EQ(ProjectTestCaseNames(app), (std::vector<std::string>{"Order_001", "Order_002"}));
}

TEST_F(ApplicationTestCases, ReplacingEndsWhenTheNumberIsNotPartOfTheName) {
    CWindowKav* main = project.AddWindow("Main");
    CTransitionKav* close = project.AddTransition(main, "Close");
    CTaskKav* order = project.AddTask("Order");
    project.AddTestCase(1, kTestCaseTransition, nullptr, main, close);
    project.AddTestCase(1, kTestCaseManual, nullptr);  // neither task nor transition: ""

    OwningList<CTestCase> fresh;
    CTestCase* sameTransition = fresh.Add(new CTestCase(4, kTestCaseTransition, main, close, nullptr, 0));
    CTestCase* nameless = fresh.Add(new CTestCase(3, kTestCaseManual, nullptr, nullptr, nullptr, 0));
    app.ReplaceTestCases(fresh, kTestCaseGraphCoverage, nullptr, nullptr, order);

    EXPECT_EQ(sameTransition->GetNumber(), 4);
    EXPECT_EQ(nameless->GetNumber(), 3);
    EXPECT_EQ(app.GetTestCases().size(), 4u);
}

TEST_F(ApplicationTestCases, CollectingSortsByDisplayNameWithCase) {
    CTaskKav* b = project.AddTask("b");
    CTaskKav* a = project.AddTask("a");
    CTaskKav* upperA = project.AddTask("A");
    for (CTaskKav* task : {b, a, upperA}) project.AddTestCase(1, kTestCaseGraphCoverage, task);

    std::vector<CTestCase*> list;
    EXPECT_EQ(app.CollectTestCases(nullptr, nullptr, nullptr, false, true, list), 3);
    EXPECT_EQ(DisplayNames(list), (std::vector<std::string>{"A_001", "a_001", "b_001"}));
    list.clear();
    app.CollectTestCases(nullptr, nullptr, nullptr, false, false, list);
    EXPECT_EQ(DisplayNames(list), (std::vector<std::string>{"b_001", "a_001", "A_001"}));
}

TEST_F(ApplicationTestCases, CollectingDescendsIntoChildrenByTheRules) {
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* control = project.AddWindow("Edit", main, kWndInputField);
    CWindowKav* dialog = project.AddWindow("Dlg", main, kWndDialogBox);
    dialog->SetHasCaption(true);
    for (CWindowKav* window : {main, control, dialog}) project.AddTestCase(1, kTestCaseTransition, nullptr, window);

    CTransitionKav* type = project.AddTransition(control, "TypeName");
    CTestCase* typeTest = project.AddTestCase(1, kTestCaseTransition, nullptr, control, type);
    std::vector<CTestCase*> list;
    EXPECT_EQ(app.CollectTestCases(main, type, nullptr, true, false, list), 1);  // once, not once per child
    EXPECT_EQ(list, std::vector<CTestCase*>{typeTest});
    app.GetTestCases().Delete(typeTest);
    list.clear();
    EXPECT_EQ(app.CollectTestCases(main, nullptr, nullptr, false, false, list), 2);  // no captioned child
    list.clear();
    EXPECT_EQ(app.CollectTestCases(main, nullptr, nullptr, true, false, list), 3);

    CTaskKav* folder = project.AddTask("Folder", nullptr, kTaskFolder);
    CTaskKav* plain = project.AddTask("Plain", folder);
    CTaskKav* block = project.AddTask("Block", folder, kTaskBuildingBlock);
    for (CTaskKav* task : {folder, plain, block}) project.AddTestCase(1, kTestCaseGraphCoverage, task);
    list.clear();
    EXPECT_EQ(app.CollectTestCases(nullptr, nullptr, folder, false, false, list), 1);
    list.clear();
    EXPECT_EQ(app.CollectTestCases(nullptr, nullptr, folder, true, false, list), 3);
    app.SetOldTaskMode(1);  // plain child tasks are skipped
    list.clear();
    app.CollectTestCases(nullptr, nullptr, folder, true, true, list);
    EXPECT_EQ(DisplayNames(list), (std::vector<std::string>{"Block_001", "Folder_001"}));
}

TEST_F(ApplicationTestCases, AddingAScriptReplacesTheScriptOfTheSameWindowOrTask) {
    CWindowKav* main = project.AddWindow("Main");
    CTaskKav* task = project.AddTask("Order");
    auto makeScript = [](CWindowKav* window, CTaskKav* t) {
        auto* script = new CTestScript;
        script->SetWindow(window);
        script->SetTask(t);
        return script;
    };
    app.AddTestScript(makeScript(main, nullptr));
    CTestScript* taskScript = makeScript(nullptr, task);
    app.AddTestScript(taskScript);
    CTestScript* newWindowScript = makeScript(main, task);  // has a window: matches by window only
    app.AddTestScript(newWindowScript);

    EXPECT_EQ(app.GetTestScripts().Snapshot(), (std::vector<CTestScript*>{taskScript, newWindowScript}));
    EXPECT_EQ(newWindowScript->GetFile(), project.Main());
    EXPECT_EQ(app.FindTestScript(nullptr, task), taskScript);
    EXPECT_EQ(app.FindTestScript(main, nullptr), newWindowScript);

    app.AddTestScript(makeScript(nullptr, nullptr));  // matches nothing
    EXPECT_EQ(app.GetTestScripts().size(), 3u);

    CTaskKav* child = project.AddTask("Child", task);
    app.AddTestScript(makeScript(nullptr, child));
    app.DeleteTestScripts(nullptr, task);
    EXPECT_EQ(app.GetTestScripts().size(), 1u);  // the script with neither window nor task
}
