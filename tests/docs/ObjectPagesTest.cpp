// The pages of windows, tasks and test cases: their tables, rows and pictures.
#include <gtest/gtest.h>

#include "DocsFixture.h"
#include "conditions/ValueTypes.h"
#include "model/ActionKav.h"
#include "model/ConditionKav.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/WindowBuilder.h"

namespace {

using ObjectPagesTest = DocsTest;

// The rows of the page's table with that caption, from its first data row to its end.
std::string TableRows(const std::string& content, const std::string& caption) {
    const size_t table = content.find("<CAPTION ALIGN=\"LEFT\"><B>" + caption + ":</B></CAPTION>\n");
    if (table == std::string::npos) return "(no table " + caption + ")";
    const size_t start = content.find("</TR>\n", table) + 6;
    return content.substr(start, content.find("</TABLE>", start) - start);
}

// The row of a table whose first cell holds the text.
std::string Row(const std::string& rows, const std::string& firstCell) {
    const size_t cell = rows.find("<FONT SIZE=2><P>" + firstCell);
    if (cell == std::string::npos) return "(no row " + firstCell + ")";
    const size_t start = rows.rfind("<TR>", cell);
    const size_t end = rows.find("<TR>", cell);
    return rows.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// A cell of the row by its width (the nth of that width), from its opening to its "</TD>".
std::string Cell(const std::string& row, int width, int occurrence = 1) {
    const std::string opening = "<TD WIDTH=\"" + std::to_string(width) + "%\" VALIGN=\"TOP\">\n";
    size_t start = 0;
    for (int i = 0; i < occurrence; ++i) {
        start = row.find(opening, start ? start + 1 : 0);
        if (start == std::string::npos) return "(no cell)";
    }
    start += opening.size();
    return row.substr(start, row.find("</TD>", start) + 5 - start);
}

class WindowPageTest : public ObjectPagesTest {
protected:
    WindowPageTest() {
        main = project.AddWindow("Main");
        main->SetHasCaption(true);
        login = AddControl(project, "Login", kWndDialogBox, main, {10, 20, 210, 120}, "Login");
        login->SetHasCaption(true);
        ok = AddControl(project, "OK", kWndPushButton, login, {10, 70, 90, 95}, "OK");
    }

    std::string Windows() { return TableRows(PageContent(Page("WND_Login.htm")), "Windows"); }
    std::string Transitions() { return TableRows(PageContent(Page("WND_Login.htm")), "Transitions"); }

    CWindowKav* main;
    CWindowKav* login;
    CWindowKav* ok;
};

TEST_F(WindowPageTest, TheWindowsTableListsTheWindowAndItsControlsByNameButNoCaptionedChild) {
    AddControl(project, "name", kWndInputField, login, {});
    CWindowKav* group = AddControl(project, "Group", kWndGroupBox, login, {});
    AddControl(project, "Alpha", kWndRadioButton, group, {});
    CWindowKav* help = AddControl(project, "Help", kWndDialogBox, login, {}, "Help");
    help->SetHasCaption(true);
    AddControl(project, "Close", kWndPushButton, help, {});
    ASSERT_TRUE(Generate());

    const std::string content = PageContent(Page("WND_Login.htm"));
    EXPECT_NE(Page("WND_Login.htm").find("<TITLE>Dialog Box Login</TITLE>"), std::string::npos);
    EXPECT_TRUE(content.starts_with("<H2>Dialog Box Login</H2>\n<BR><BR>\n<IMG SRC=\"WND_Login.png\"><BR><BR>\n"
                                    "<TABLE BORDER CELLSPACING=1 CELLPADDING=4 WIDTH=633>\n"))
        << content;
    std::vector<std::string> names;
    const std::string rows = Windows();
    for (size_t at = rows.find("<TR><TD"); at != std::string::npos; at = rows.find("<TR><TD", at + 1)) {
        const size_t name = rows.find("<P>", at) + 3;
        names.push_back(rows.substr(name, rows.find("<BR>", name) - name));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "Group", "Login", "name", "OK"}));
    EXPECT_TRUE(Exists("WND_Help.htm"));
    EXPECT_EQ(Windows().find("Close"), std::string::npos);
}

TEST_F(WindowPageTest, WindowRowsShowTypePositionSizeAndTheTypeSpecificAndUserDefinedLines) {
    auto* box = new CCheckBoxKav(WindowFields{.id = "Remember"}, 2);
    app.GetWindowList().Add(box);
    login->AddChild(box);
    CWindowKav* field = AddControl(project, "Field", kWndInputField, login, {}, "", win32::WS_DISABLED);
    As<CInputFieldKav>(field).SetInitialValue("<none>");
    CWindowKav* link = AddControl(project, "Link", kWndLink, login, {});
    As<CLinkKav>(link).SetInitialValue("https://example.org");
    CWindowKav* cancel = AddControl(project, "Cancel", kWndPushButton, login, {}, "", win32::WS_VISIBLE);
    cancel->GetAttributes().Add(new CAttributeKav("x", kTypeNum, "1"));
    cancel->GetAttributes().Add(new CAttributeKav("y", kTypeString, "a & b"));
    ASSERT_TRUE(Generate());

    const std::string rows = Windows();
    EXPECT_EQ(Row(rows, "Login"),
              "<TR><TD WIDTH=\"30%\" VALIGN=\"TOP\">\n<FONT SIZE=2><P>Login<BR>Login</FONT></TD>\n"
              "<TD WIDTH=\"13%\" VALIGN=\"TOP\">\n<FONT SIZE=2><P>Dialog Box</FONT></TD>\n"
              "<TD WIDTH=\"6%\" VALIGN=\"TOP\">\n<FONT SIZE=2><P>N</FONT></TD>\n"
              "<TD WIDTH=\"5%\" VALIGN=\"TOP\">\n<FONT SIZE=2><P>Y</FONT></TD>\n"
              "<TD WIDTH=\"9%\" VALIGN=\"TOP\">\n<FONT SIZE=2><P>10/20</FONT></TD>\n"
              "<TD WIDTH=\"9%\" VALIGN=\"TOP\">\n<FONT SIZE=2><P>200/100</FONT></TD>\n"
              "<TD WIDTH=\"28%\" VALIGN=\"TOP\">\n<FONT SIZE=2><P><B>T: </B>SystemModal = N</FONT></TD>\n"
              "</TR>\n");
    const struct {
        const char* window;
        const char* lastCell;
    } cases[] = {
        {"OK", " </TD>"},
        {"Cancel", "<FONT SIZE=2><P><B>U: </B>x = 1\n<BR><B>U: </B>y = a &amp; b\n</FONT></TD>"},
        {"Remember", "<FONT SIZE=2><P><B>T: </B>Value = UNDETERMINED</FONT></TD>"},
        {"Field", "<FONT SIZE=2><P><B>T: </B>Value = &lt;none&gt;</FONT></TD>"},
        {"Link", "<FONT SIZE=2><P><B>T: </B>URL = https://example.org</FONT></TD>"},
    };
    for (const auto& expected : cases) EXPECT_EQ(Cell(Row(rows, expected.window), 28), expected.lastCell) << expected.window;
    EXPECT_EQ(Cell(Row(rows, "Field"), 5), "<FONT SIZE=2><P>N</FONT></TD>");
    EXPECT_EQ(Cell(Row(rows, "Cancel"), 6), "<FONT SIZE=2><P>Y</FONT></TD>");

    login->SetStyle(login->GetStyle() | win32::DS_SYSMODAL);
    ASSERT_TRUE(Generate());
    EXPECT_EQ(Cell(Row(Windows(), "Login"), 28), "<FONT SIZE=2><P><B>T: </B>SystemModal = Y</FONT></TD>");
}

TEST_F(WindowPageTest, TransitionRowsShowEachTextConditionAndActionInItsCell) {
    CTransitionKav* accept = project.AddTransition(ok, "Accept");
    accept->SetDestWindow(main);
    accept->SetEvent("Click()\nWait()");
    accept->SetCommands("a\nb");
    accept->SetExpectedResult("Main <shows>");
    accept->GetAttributes().Add(new CAttributeKav("Priority", kTypeNum, "1"));
    accept->GetConditions().Add(new CConditionKav("c1", "#Age# > 17"));
    accept->GetActions().Add(new CActionKav(9, "Close"));
    CActionKav* set = accept->GetActions().Add(new CActionKav(2, "SetInputField"));
    set->GetArguments().Add(new CArgumentKav(2, "Name"));
    set->GetArguments().Add(new CArgumentKav(7, "ann"));
    CTransitionKav* away = project.AddTransition(login, "Away");
    away->SetDelay(4);
    ASSERT_TRUE(Generate());

    const std::string rows = Transitions();
    // The windows in the order of the list, each window's transitions by name.
    EXPECT_LT(rows.find("<P>Away</FONT>"), rows.find("<P>Accept</FONT>"));
    const std::string acceptRow = Row(rows, "Accept");
    EXPECT_EQ(Cell(acceptRow, 20), "<FONT SIZE=2><P><B>S: </B>OK<BR><B>D: </B>Main</FONT></TD>");
    EXPECT_EQ(Cell(acceptRow, 10, 2), "<FONT SIZE=2><P>0</FONT></TD>");
    EXPECT_EQ(Cell(acceptRow, 30),
              "<FONT SIZE=2><B>E: </B>Click()\nWait()</FONT><BR>\n"
              "<FONT SIZE=2><B>C: </B>a<BR>b</FONT><BR>\n"
              "<FONT SIZE=2><B>R: </B>Main &lt;shows&gt;</FONT><BR>\n"
              "<FONT SIZE=2><B>U: </B>Priority(Num) = 1</FONT><BR>\n"
              "</TD>");
    EXPECT_EQ(Cell(acceptRow, 30, 2),
              "<FONT SIZE=2><P><B>C: </B>#Age# &gt; 17\n<BR><B>A: </B>Close()\n"
              "<BR><B>A: </B>SetInputField(Name, ann)\n</FONT></TD>");
    EXPECT_TRUE(acceptRow.ends_with("</FONT></TD>\n</TR>\n"));

    // Without destination the cell ends after its label; an empty cell has no font to close.
    const std::string awayRow = Row(rows, "Away");
    EXPECT_EQ(Cell(awayRow, 20), "<FONT SIZE=2><P><B>S: </B>Login<BR><B>D: </B></FONT></TD>");
    EXPECT_EQ(Cell(awayRow, 10, 2), "<FONT SIZE=2><P>4</FONT></TD>");
    EXPECT_EQ(Cell(awayRow, 30), "</TD>");
    EXPECT_EQ(Cell(awayRow, 30, 2), "</TD>");
}

class TaskPageTest : public ObjectPagesTest {
protected:
    TaskPageTest() {
        task = project.AddTask("Login");
        AddStep(*task, "Start");
    }

    std::string Content() { return PageContent(Page("TASK_Login.htm")); }
    std::string Steps() { return TableRows(Content(), "Task Steps"); }
    CTaskStep* Step(const std::string& name) { return AddStepAfter(*task, name, {task->GetStartStep()}); }

    CTaskKav* task;
};

TEST_F(TaskPageTest, ATaskPageShowsItsPropertiesAndLeavesOutTheBlocksItHasNothingFor) {
    Step("Type");
    task->SetTestGoal("Log in");
    task->SetPrecondition("Started\nnobody in");
    ASSERT_TRUE(Generate());
    EXPECT_NE(Page("TASK_Login.htm").find("<TITLE>Task Login</TITLE>"), std::string::npos);
    const std::string content = Content();
    EXPECT_EQ(content.substr(0, content.find("<TABLE")),
              "<H2>Task Login</H2>\n"
              "<IMG SRC=\"TASK_Login.png\"><BR><BR>\n"
              "<B>Test Goal: </B>Log in<BR>\n"
              "<B>Test Level: </B><BR>\n"
              "<B>Test Category: </B><BR>\n"
              "<B>Configuration: </B><BR>\n"
              "<B>Documentation File: </B><BR>\n"
              "<B>Precondition: </B><BR>\n"
              "&nbsp;&nbsp;&nbsp;Started<BR>\n&nbsp;&nbsp;&nbsp;nobody in<BR>\n"
              "<B>Description: </B><BR>\n&nbsp;&nbsp;&nbsp;<BR>\n"
              "<B>Postcondition: </B><BR>\n&nbsp;&nbsp;&nbsp;<BR>\n"
              "<BR>\n");

    task->SetDataSet(project.AddDataSet("Clients"));
    task->GetParameters().Add(new CAttributeKav("User", kTypeString, "ann"));
    CRequirement* requirement = project.AddRequirement("REQ-1");
    requirement->SetTitle("Log in");
    task->GetRequirements().push_back(requirement);
    ASSERT_TRUE(Generate());
    const std::string withAll = Content();
    EXPECT_NE(withAll.find("<B>Documentation File: </B><BR>\n<B>Assigned to Data Set: </B>Clients<BR>\n<B>Precondition"),
              std::string::npos);
    EXPECT_NE(withAll.find("&nbsp;&nbsp;&nbsp;<BR>\n"
                           "<B>Parameters: </B><BR>\n&nbsp;&nbsp;&nbsp;User(String) = ann<BR>\n"
                           "<B>Associated Requirements: </B><BR>\n&nbsp;&nbsp;&nbsp;REQ-1 = Log in<BR>\n<BR>\n<TABLE"),
              std::string::npos)
        << withAll;
}

TEST_F(TaskPageTest, TheKindWordIsBuildingBlockOnlyForTypeOne) {
    Step("Type");
    CTaskKav* folder = project.AddTask("Folder", nullptr, kTaskFolder);
    AddStep(*folder, "Start");
    AddStep(*folder, "Step");
    task->SetType(kTaskBuildingBlock);
    ASSERT_TRUE(Generate());
    EXPECT_TRUE(Content().starts_with("<H2>Building Block Login</H2>\n"));
    EXPECT_NE(Page("TASK_Login.htm").find("<TITLE>Building Block Login</TITLE>"), std::string::npos);
    EXPECT_TRUE(PageContent(Page("TASK_Folder.htm")).starts_with("<H2>Task Folder</H2>\n"));
}

TEST_F(TaskPageTest, StepRowsLeaveOutTheStartStepAndGiveWindowDelayTextsConditionsAndActions) {
    CTaskStep* wait = Step("Wait");
    wait->SetDelay(5);
    CTaskStep* type = Step("Enter");
    type->SetStartWindow(project.AddWindow("Dlg"));
    type->SetEvent("Input(\"a\")\nTab()");
    type->SetDescription("Types\nthe name");
    type->GetConditions().Add(new CConditionKav("c", "#Age# > 17"));
    type->GetActions().Add(new CActionKav(9, "Close"));
    ASSERT_TRUE(Generate());

    const std::string rows = Steps();
    EXPECT_EQ(rows.find("Start"), std::string::npos);
    EXPECT_LT(rows.find("<P>Enter</FONT>"), rows.find("<P>Wait</FONT>"));
    EXPECT_EQ(Row(rows, "Wait"),
              "<TR><TD WIDTH=\"10%\" VALIGN=\"TOP\">\n<FONT SIZE=2><P>Wait</FONT></TD>\n"
              "<TD WIDTH=\"20%\" VALIGN=\"TOP\">\n<FONT SIZE=2><P><BR><B>D: </B>5</FONT></TD>\n"
              "<TD WIDTH=\"70%\" VALIGN=\"TOP\">\n</TD></TR>\n");
    const std::string enter = Row(rows, "Enter");
    EXPECT_EQ(Cell(enter, 20), "<FONT SIZE=2><P><B>S: </B>Dlg</FONT></TD>");
    EXPECT_EQ(Cell(enter, 70),
              "<FONT SIZE=2><B>Ev: </B>Input(\"a\")\nTab()</FONT><BR>\n"
              "<FONT SIZE=2><B>Ins: </B>Types<BR>the name</FONT><BR>\n"
              "<FONT SIZE=2><B>Cnd: </B>#Age# &gt; 17</FONT><BR>\n"
              "<FONT SIZE=2><B>Act: </B>Close()</FONT><BR>\n"
              "</TD>");
}

TEST_F(TaskPageTest, ACallLinksTheCalledTaskAndShowsItsParametersAndLoop) {
    CTaskKav* sub = project.AddTask("Sub");
    CDataSet* clients = project.AddDataSet("Clients");
    CTaskStep* call = Step("Call");
    call->SetSubTask(sub);
    call->SetStartWindow(project.AddWindow("Dlg"));
    call->SetDelay(3);
    call->GetAttributes().Add(new CAttributeKav("Answer", kTypeBool, "TRUE"));
    const struct {
        int mode;
        const char* count;
        bool dataSet;
        const char* loopLine;
    } loops[] = {
        {1, "3", false, "<FONT SIZE=2><B>Loop: </B>repeat 3 time(s)</FONT><BR>\n"},
        {1, "1", false, ""},
        {1, "#n#", false, ""},
        {8, "1", false, "<FONT SIZE=2><B>Loop: </B>repeat 1 time(s)</FONT><BR>\n"},
        {6, "1", true, "<FONT SIZE=2><B>Loop: </B>for all records of data set 'Clients'</FONT><BR>\n"},
        {2, "1", true, "<FONT SIZE=2><B>Loop: </B>for valid records of data set 'Clients'</FONT><BR>\n"},
        {4, "1", true, "<FONT SIZE=2><B>Loop: </B>for invalid records of data set 'Clients'</FONT><BR>\n"},
        {4, "1", false, ""},
        {0, "5", true, ""},
    };
    for (const auto& loop : loops) {
        SCOPED_TRACE(std::to_string(loop.mode) + " " + loop.count);
        call->SetLoopMode(loop.mode);
        call->SetLoopCount(loop.count);
        call->SetLoopDataSet(loop.dataSet ? clients : nullptr);
        ASSERT_TRUE(Generate());
        EXPECT_EQ(Row(Steps(), "<A href"),
                  "<TR><TD WIDTH=\"10%\" VALIGN=\"TOP\">\n<FONT SIZE=2><P><A href=\"TASK_Sub.htm\">Call</A></FONT></TD>\n"
                  "<TD WIDTH=\"20%\" VALIGN=\"TOP\">\n<FONT SIZE=2><P></FONT></TD>\n"
                  "<TD WIDTH=\"70%\" VALIGN=\"TOP\">\n<FONT SIZE=2><B>P: </B>Answer(Bool) = TRUE</FONT><BR>\n" +
                      std::string(loop.loopLine) + "</TD></TR>\n");
    }
    // The called task has no page of its own; the link names the page it would have.
    EXPECT_FALSE(Exists("TASK_Sub.htm"));
}

class TestCasePageTest : public ObjectPagesTest {
protected:
    TestCasePageTest() { login = project.AddTask("Login"); }

    CTestStep* AddTestStep(CTestCase& testCase, const std::string& name, CWindowKav* window = nullptr, int delay = 0) {
        return testCase.GetSteps().Add(
            new CTestStep(name, "", "", "", "", "", window, nullptr, delay, 2, "", nullptr, nullptr, nullptr, ""));
    }

    CTaskKav* login;
};

TEST_F(TestCasePageTest, ATestCasePageShowsItsKindAndItsStepsInTheirOwnOrder) {
    CTestCase* testCase = project.AddTestCase(1, kTestCaseGraphCoverage, login);
    AddTestStep(*testCase, "Zero", project.AddWindow("Dlg"), 2);
    CTestStep* second = AddTestStep(*testCase, "Alpha");
    second->SetCommands("a\nb");
    second->GetConditions().Add(new CConditionKav("c", "#x# = 1"));
    second->GetActions().Add(new CActionKav(9, "Close"));
    AddTestStep(*testCase, "Middle");
    ASSERT_TRUE(Generate());

    EXPECT_NE(Page("TC_Login_001.htm").find("<TITLE>Test Case Login_001</TITLE>"), std::string::npos);
    const std::string content = PageContent(Page("TC_Login_001.htm"));
    EXPECT_TRUE(content.starts_with("<H2>Test Case Login_001</H2>\n<IMG SRC=\"TC_Login_001.png\"><BR><BR>\n"
                                    "<B>Type: </B>Graph Coverage (Normal Case)<BR><BR>\n"))
        << content;
    const std::string rows = TableRows(content, "Test Steps");
    EXPECT_LT(rows.find("<P>Zero"), rows.find("<P>Alpha"));
    EXPECT_LT(rows.find("<P>Alpha"), rows.find("<P>Middle"));
    EXPECT_EQ(Cell(Row(rows, "Zero"), 20), "<FONT SIZE=2><P><B>S: </B>Dlg<BR><B>D: </B>2</FONT></TD>");
    EXPECT_EQ(Row(rows, "Alpha"),
              "<TR><TD WIDTH=\"10%\" VALIGN=\"TOP\">\n<FONT SIZE=2><P>Alpha</FONT></TD>\n"
              "<TD WIDTH=\"20%\" VALIGN=\"TOP\">\n<FONT SIZE=2><P></FONT></TD>\n"
              "<TD WIDTH=\"70%\" VALIGN=\"TOP\">\n<FONT SIZE=2><B>Cmd: </B>a<BR>b</FONT><BR>\n</TD>\n</TR>\n");
}

TEST_F(TestCasePageTest, ErrorCasesAndManualTestsGetTheirPages) {
    project.AddTestCase(1, kTestCaseRandom, login)->SetErrorCase(1);
    project.AddTestCase(2, kTestCaseManual, login);
    ASSERT_TRUE(Generate());
    EXPECT_NE(PageContent(Page("TC_Login_001.htm")).find("<B>Type: </B>Random Test (Error Case)<BR><BR>\n"),
              std::string::npos);
    EXPECT_NE(PageContent(Page("TC_Login_002.htm")).find("<B>Type: </B>Manual Test (Normal Case)<BR><BR>\n"),
              std::string::npos);
    EXPECT_EQ(Page("KAVRO_TC.htm").find("TC_Login_002.htm"), std::string::npos);
}

// Both pages are written; the hierarchy links each once.
TEST_F(TestCasePageTest, TestCasesOfOneNameKeepAPageEach) {
    for (const char* windowName : {"First", "Second"}) {
        CWindowKav* window = project.AddWindow(windowName);
        CTestCase* testCase =
            project.AddTestCase(1, kTestCaseTransition, nullptr, window, project.AddTransition(window, "Login_T1"));
        AddTestStep(*testCase, std::string("Step in ") + windowName);
    }
    ASSERT_TRUE(Generate());
    EXPECT_NE(Page("TC_Login_T1.htm").find("Step in First"), std::string::npos);
    EXPECT_NE(Page("TC_Login_T1_2.htm").find("Step in Second"), std::string::npos);
    EXPECT_NE(Page("TC_Login_T1_2.htm").find("<IMG SRC=\"TC_Login_T1_2.png\">"), std::string::npos);
    const std::string hierarchy = Page("KAVRO_TC.htm");
    for (const char* link : {"<A href=\"TC_Login_T1.htm\">", "<A href=\"TC_Login_T1_2.htm\">"}) {
        const size_t first = hierarchy.find(link);
        EXPECT_NE(first, std::string::npos) << link;
        EXPECT_EQ(hierarchy.find(link, first + 1), std::string::npos) << link;
    }
}

// A name that cannot stand in a file name (only a folder's may hold any character) is mapped
// alike in the page, its picture and every link to it; nothing lands outside the folder.
TEST_F(ObjectPagesTest, NamesThatCannotBeFileNamesAreMappedInPagesPicturesAndLinks) {
    CTaskKav* called = project.AddTask("../Up", nullptr, kTaskFolder);
    ASSERT_EQ(called->GetName(), "../Up");
    AddStep(*called, "Start");
    AddStepAfter(*called, "Step", {called->GetStartStep()});
    CTaskKav* caller = project.AddTask("Caller");
    AddStep(*caller, "Start");
    AddStepAfter(*caller, "Call", {caller->GetStartStep()})->SetSubTask(called);
    ASSERT_TRUE(Generate());

    EXPECT_TRUE(Exists("TASK_.._Up.htm"));
    EXPECT_TRUE(Exists("TASK_.._Up.png"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path().parent_path() / "Up.htm"));
    EXPECT_NE(Page("TASK_.._Up.htm").find("<IMG SRC=\"TASK_.._Up.png\">"), std::string::npos);
    EXPECT_NE(Page("TASK_Caller.htm").find("<A href=\"TASK_.._Up.htm\">Call</A>"), std::string::npos);
}

class PicturesTest : public ObjectPagesTest {
protected:
    PicturesTest() {
        login = project.AddWindow("Login", nullptr, kWndDialogBox);
        CTaskKav* task = project.AddTask("Flow");
        AddStep(*task, "Start");
        AddStep(*task, "Step");
        project.AddTestCase(1, kTestCaseGraphCoverage, task);
    }

    CWindowKav* login;
};

TEST_F(PicturesTest, EachObjectPageAsksForItsPictureAndShowsIt) {
    ASSERT_TRUE(Generate());
    EXPECT_EQ(pictures.requests, (std::vector<std::string>{"window Login WND_Login.png", "task Flow TASK_Flow.png",
                                                           "test case Flow_001 TC_Flow_001.png"}));
    EXPECT_NE(PageContent(Page("WND_Login.htm")).find("<BR><BR>\n<IMG SRC=\"WND_Login.png\"><BR><BR>\n<TABLE"),
              std::string::npos);
    for (const char* picture : {"WND_Login.png", "TASK_Flow.png", "TC_Flow_001.png"}) EXPECT_TRUE(Exists(picture));
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(PicturesTest, APictureTooLargeIsReplacedByALine) {
    pictures.result = PictureResult::TooLarge;
    ASSERT_TRUE(Generate());
    EXPECT_NE(PageContent(Page("WND_Login.htm"))
                  .find("<BR><BR>\nScreenshot would have exceeded maximum size.<BR><BR>\n<TABLE"),
              std::string::npos);
    EXPECT_FALSE(Exists("WND_Login.png"));
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(PicturesTest, APictureThatCannotBeSavedIsReportedAndThePageGoesOn) {
    pictures.result = PictureResult::Failed;
    ASSERT_TRUE(Generate());
    ASSERT_EQ(TestInteraction().messages.size(), 3u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Could not create image 'WND_Login.png'! [W0875]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Image Conversion Error");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Warning);
    const std::string content = PageContent(Page("WND_Login.htm"));
    EXPECT_EQ(content.find("<IMG"), std::string::npos);
    EXPECT_NE(content.find("<BR><BR>\n<TABLE"), std::string::npos);
    EXPECT_NE(content.find("<CAPTION ALIGN=\"LEFT\"><B>Transitions:</B></CAPTION>"), std::string::npos);
    EXPECT_TRUE(Page("WND_Login.htm").ends_with("</BODY>\r\n</HTML>\r\n"));
}

TEST_F(PicturesTest, WithoutScreenshotsOrPicturesNoPictureIsAskedFor) {
    dialog.SetIncludeScreenshots(false);
    ASSERT_TRUE(Generate());
    EXPECT_TRUE(pictures.requests.empty());
    EXPECT_EQ(Page("WND_Login.htm").find("<IMG"), std::string::npos);

    CHTMLDlg withoutPictures(app, window, nullptr);
    withoutPictures.SetTargetFolder(folder.Path().string());
    withoutPictures.SetIncludeScreenshots(true);
    Progress progress;
    ASSERT_TRUE(withoutPictures.GenerateDocumentation(progress));
    EXPECT_EQ(Page("WND_Login.htm").find("<IMG"), std::string::npos);
    EXPECT_TRUE(Exists("Logo.png"));
}

// Pages follow their hierarchies: windows by name, tasks and test cases in list order.
TEST_F(PicturesTest, ObjectPagesAreWrittenAfterTheirHierarchyPage) {
    struct ItemRecorder : ProgressObserver {
        void OnCurrentItem(const std::string& item) override { items.push_back(item); }
        std::vector<std::string> items;
    } recorder;
    project.AddWindow("About");
    Progress progress;
    progress.AddObserver(&recorder);
    ASSERT_TRUE(dialog.GenerateDocumentation(progress));
    EXPECT_EQ(recorder.items, (std::vector<std::string>{"KAVRO_Title.htm", "KAVRO_Project.htm", "KAVRO_Window.htm",
                                               "WND_About.htm", "WND_Login.htm", "KAVRO_Task.htm", "TASK_Flow.htm",
                                               "KAVRO_TC.htm", "TC_Flow_001.htm", "KAVRO_GlobalAtt.htm",
                                               "KAVRO_Req.htm", "KAVRO_Data.htm", "KAVRO_Metacond.htm"}));
}

}  // namespace
