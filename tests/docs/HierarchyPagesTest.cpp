// The window, task and test case hierarchies.
#include <gtest/gtest.h>

#include "DocsFixture.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/WindowBuilder.h"

namespace {

using HierarchyPagesTest = DocsTest;

// The table rows of a hierarchy page, one per line.
std::string Rows(const std::string& page) {
    const std::string content = PageContent(page);
    const size_t start = content.find("<TABLE WIDTH=620>\n");
    const size_t end = content.find("</TABLE>");
    return content.substr(start + 18, end - start - 18);
}

TEST_F(HierarchyPagesTest, WindowsShowTwentyLevelsWithLinksForThoseWithPagesOfTheirOwn) {
    CWindowKav* parent = project.AddWindow("Level00");
    for (int level = 1; level <= 20; ++level) {
        parent = project.AddWindow((level < 10 ? "Level0" : "Level") + std::to_string(level), parent, kWndDialogBox);
        parent->SetHasCaption(true);
    }
    ASSERT_TRUE(Generate());
    const std::vector<std::string> lines = PageLines(Page("KAVRO_Window.htm"));
    std::vector<std::string> rows;
    for (const std::string& line : lines)
        if (line.starts_with("<TR>")) rows.push_back(line);
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[0], "<TR><TD COLSPAN=\"40\"><FONT SIZE=2><A href=\"WND_Level00.htm\">Level00</A></FONT>");
    EXPECT_EQ(rows[1], "<TR><TD COLSPAN=\"2\"><TD COLSPAN=\"38\"><FONT SIZE=2><A href=\"WND_Level01.htm\">Level01</A></FONT>");
    EXPECT_EQ(rows[19],
              "<TR><TD COLSPAN=\"38\"><TD COLSPAN=\"2\"><FONT SIZE=2><A href=\"WND_Level19.htm\">Level19</A></FONT>");
}

TEST_F(HierarchyPagesTest, ControlsAreListedWithoutLinkAndChildrenSortedByName) {
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* login = project.AddWindow("Login", main, kWndDialogBox);
    login->SetHasCaption(true);
    project.AddWindow("name", login, kWndInputField);
    project.AddWindow("Cancel", login, kWndPushButton);
    project.AddWindow("About", nullptr, kWndDialogBox);
    ASSERT_TRUE(Generate());
    EXPECT_EQ(Rows(Page("KAVRO_Window.htm")),
              "<TR><TD COLSPAN=\"40\"><FONT SIZE=2><A href=\"WND_About.htm\">About</A></FONT>\n"
              "<TR><TD COLSPAN=\"40\"><FONT SIZE=2><A href=\"WND_Main.htm\">Main</A></FONT>\n"
              "<TR><TD COLSPAN=\"2\"><TD COLSPAN=\"38\"><FONT SIZE=2><A href=\"WND_Login.htm\">Login</A></FONT>\n"
              "<TR><TD COLSPAN=\"4\"><TD COLSPAN=\"36\"><FONT SIZE=2>Cancel</FONT>\n"
              "<TR><TD COLSPAN=\"4\"><TD COLSPAN=\"36\"><FONT SIZE=2>name</FONT>\n");
}

TEST_F(HierarchyPagesTest, TasksWithStepsBesidesTheStartStepAreLinked) {
    CTaskKav* root = project.AddTask("Root", nullptr, kTaskFolder);
    app.SetRootTask(root);
    CTaskKav* login = project.AddTask("Login", root);
    AddStep(*login, "Start");
    AddStepAfter(*login, "Type name", {login->GetStartStep()});
    CTaskKav* empty = project.AddTask("Empty", root);
    AddStep(*empty, "Start");
    project.AddTask("Check", login, kTaskBuildingBlock);
    ASSERT_TRUE(Generate());
    EXPECT_EQ(Rows(Page("KAVRO_Task.htm")),
              "<TR><TD COLSPAN=\"40\"><FONT SIZE=2>Root</FONT>\n"
              "<TR><TD COLSPAN=\"2\"><TD COLSPAN=\"38\"><FONT SIZE=2>Empty</FONT>\n"
              "<TR><TD COLSPAN=\"2\"><TD COLSPAN=\"38\"><FONT SIZE=2><A href=\"TASK_Login.htm\">Login</A></FONT>\n"
              "<TR><TD COLSPAN=\"4\"><TD COLSPAN=\"36\"><FONT SIZE=2>Check</FONT>\n");
}

TEST_F(HierarchyPagesTest, TestCasesAreGroupedByKindWithARowForEachTaskPrefix) {
    CTaskKav* login = project.AddTask("Login");
    CWindowKav* dialogWindow = project.AddWindow("Dlg");
    project.AddTestCase(2, kTestCaseGraphCoverage, login);
    project.AddTestCase(4, kTestCaseRandom, login);
    project.AddTestCase(1, kTestCaseGraphCoverage, login);
    project.AddTestCase(1, kTestCaseGraphCoverage, nullptr, dialogWindow, project.AddTransition(dialogWindow, "a"));
    project.AddTestCase(1, kTestCaseTransition, nullptr, dialogWindow, project.AddTransition(dialogWindow, "Dlg_T1"));
    project.AddTestCase(3, kTestCaseDataCoverage, login);
    project.AddTestCase(1, kTestCaseManual, project.AddTask("Manual"));
    ASSERT_TRUE(Generate());
    EXPECT_EQ(Rows(Page("KAVRO_TC.htm")),
              "<TR><TD COLSPAN=\"40\"><FONT SIZE=2><B>Graph Coverage</B></FONT>\n"
              "<TR><TD COLSPAN=\"4\"><TD COLSPAN=\"36\"><FONT SIZE=2><A href=\"TC_a.htm\">a</A></FONT>\n"
              "<TR><TD COLSPAN=\"2\"><TD COLSPAN=\"38\"><FONT SIZE=2>Login</FONT>\n"
              "<TR><TD COLSPAN=\"4\"><TD COLSPAN=\"36\"><FONT SIZE=2><A href=\"TC_Login_001.htm\">Login_001</A></FONT>\n"
              "<TR><TD COLSPAN=\"4\"><TD COLSPAN=\"36\"><FONT SIZE=2><A href=\"TC_Login_002.htm\">Login_002</A></FONT>\n"
              "<BR><BR>\n"
              "<TR><TD COLSPAN=\"40\"><FONT SIZE=2><B>Data Coverage</B></FONT>\n"
              "<TR><TD COLSPAN=\"2\"><TD COLSPAN=\"38\"><FONT SIZE=2>Login</FONT>\n"
              "<TR><TD COLSPAN=\"4\"><TD COLSPAN=\"36\"><FONT SIZE=2><A href=\"TC_Login_003.htm\">Login_003</A></FONT>\n"
              "<BR><BR>\n"
              "<TR><TD COLSPAN=\"40\"><FONT SIZE=2><B>Transition Test</B></FONT>\n"
              "<TR><TD COLSPAN=\"2\"><TD COLSPAN=\"38\"><FONT SIZE=2>Dlg</FONT>\n"
              "<TR><TD COLSPAN=\"4\"><TD COLSPAN=\"36\"><FONT SIZE=2><A href=\"TC_Dlg_T1.htm\">Dlg_T1</A></FONT>\n"
              "<BR><BR>\n"
              "<TR><TD COLSPAN=\"40\"><FONT SIZE=2><B>Random Test</B></FONT>\n"
              "<TR><TD COLSPAN=\"2\"><TD COLSPAN=\"38\"><FONT SIZE=2>Login</FONT>\n"
              "<TR><TD COLSPAN=\"4\"><TD COLSPAN=\"36\"><FONT SIZE=2><A href=\"TC_Login_004.htm\">Login_004</A></FONT>\n"
              "<BR><BR>\n");
}

// Files are named without regard to case, as on the systems the pages are read on: a later
// object of a name taken gets a number, so no page is written over another.
TEST_F(HierarchyPagesTest, TestCasesOfOneNameLinkPagesOfTheirOwn) {
    CWindowKav* dialogWindow = project.AddWindow("Login");
    for (const char* name : {"Login_T1", "login_t1", "Login_T1_2"})
        project.AddTestCase(1, kTestCaseTransition, nullptr, dialogWindow, project.AddTransition(dialogWindow, name));
    ASSERT_TRUE(Generate());
    const std::string rows = Rows(Page("KAVRO_TC.htm"));
    EXPECT_NE(rows.find("<A href=\"TC_Login_T1.htm\">Login_T1</A>"), std::string::npos) << rows;
    EXPECT_NE(rows.find("<A href=\"TC_login_t1_2.htm\">login_t1</A>"), std::string::npos) << rows;
    EXPECT_NE(rows.find("<A href=\"TC_Login_T1_2_2.htm\">Login_T1_2</A>"), std::string::npos) << rows;
}

TEST_F(HierarchyPagesTest, EmptyHierarchiesHaveTheirTableAndNoRow) {
    ASSERT_TRUE(Generate());
    for (const char* page : {"KAVRO_Window.htm", "KAVRO_Task.htm", "KAVRO_TC.htm"}) EXPECT_EQ(Rows(Page(page)), "") << page;
    EXPECT_EQ(PageContent(Page("KAVRO_TC.htm")), "<H1>Test Case Hierarchy</H1>\n<TABLE WIDTH=620>\n</TABLE><BR>\n");
}

TEST_F(HierarchyPagesTest, NamesThatAreNoFileNamesAreLinkedAsTheirFilesAreNamed) {
    CTaskKav* root = project.AddTask("All tasks", nullptr, kTaskFolder);
    app.SetRootTask(root);
    AddStep(*root, "Start");
    AddStep(*root, "Step");
    root->SetName("A/B & C");
    ASSERT_TRUE(Generate());
    EXPECT_EQ(Rows(Page("KAVRO_Task.htm")),
              "<TR><TD COLSPAN=\"40\"><FONT SIZE=2><A href=\"TASK_A_B%20%26%20C.htm\">A/B &amp; C</A></FONT>\n");
}

}  // namespace
