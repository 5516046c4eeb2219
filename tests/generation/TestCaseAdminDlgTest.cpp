#include <gtest/gtest.h>

#include "generation/TestCaseAdminDlg.h"
#include "model/TransitionKav.h"
#include "tests/support/ProjectBuilder.h"

namespace {

using Texts = std::vector<std::string>;

Texts RowTexts(const TestCaseAdminRow& row) { return {row.name, row.type, row.error, row.steps}; }

class TestCaseAdminDlgTest : public ProjectTest {};

}  // namespace

TEST_F(TestCaseAdminDlgTest, RowsSortByNameThenTypeUpperCaseFirst) {
    CTaskKav* lower = project.AddTask("login");
    CTaskKav* upper = project.AddTask("Login");
    CTaskKav* same = project.AddTask("Same");
    CTestCase* graph = project.AddTestCase(1, 2, same);
    CTestCase* manual = project.AddTestCase(1, 3, same);
    CTestCase* secondGraph = project.AddTestCase(1, 2, same);
    CTestCase* kindOne = project.AddTestCase(1, 1, same);
    kindOne->SetErrorCase(1);
    kindOne->GetSteps().Add(
        new CTestStep("s", "", "", "", "", "", nullptr, nullptr, 0, 2, "0", nullptr, nullptr, nullptr, ""));
    const std::vector<CTestCase*> given = {project.AddTestCase(1, 2, lower), project.AddTestCase(10, 2, upper),
                                           project.AddTestCase(2, 2, upper), manual, graph, secondGraph, kindOne};
    CTestCaseAdminDlg dialog(app, nullptr, nullptr, nullptr, given);

    const std::vector<TestCaseAdminRow>& rows = dialog.Rows();
    ASSERT_EQ(rows.size(), 7u);
    const Texts expected[] = {{"Login_002", "Graph Coverage", "N", "0"}, {"Login_010", "Graph Coverage", "N", "0"},
                              {"Same_001", "", "Y", "1"},                {"Same_001", "Graph Coverage", "N", "0"},
                              {"Same_001", "Graph Coverage", "N", "0"},  {"Same_001", "Manual Test", "N", "0"},
                              {"login_001", "Graph Coverage", "N", "0"}};
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(RowTexts(rows[i]), expected[i]) << i;
    EXPECT_EQ(rows[3].testCase, graph) << "equal rows keep their order";
    EXPECT_EQ(rows[4].testCase, secondGraph);

    EXPECT_FALSE(dialog.IsViewEnabled());
    EXPECT_EQ(dialog.GetSelectedTestCase(), nullptr);
    dialog.OnSelChange(2);
    EXPECT_TRUE(dialog.IsViewEnabled());
    EXPECT_EQ(dialog.GetSelectedTestCase(), kindOne);
    dialog.OnSelChange(-1);
    EXPECT_FALSE(dialog.IsViewEnabled());
}

TEST_F(TestCaseAdminDlgTest, TheHeadingNamesTheElement) {
    app.SetName("Demo");
    CWindowKav* login = project.AddWindow("Login");
    CTransitionKav* ok = project.AddTransition(login, "OK");
    CTaskKav* task = project.AddTask("Order");
    struct Case {
        CWindowKav* window;
        CStepKav* transition;
        CTaskKav* task;
        const char* heading;
    };
    const Case cases[] = {
        {login, ok, nullptr, "Test Cases for Transition Login_TOK"},
        {login, nullptr, nullptr, "Test Cases for Window Login"},
        {nullptr, nullptr, task, "Test Cases for Task Order"},
        {nullptr, nullptr, nullptr, "Test Cases for Project Demo"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CTestCaseAdminDlg(app, c.window, c.transition, c.task, {}).GetHeading(), c.heading);
}
