// The tab-separated sheets: the ALM import sheet and the block-information sheets.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "ConversionFixture.h"
#include "conversion/framework/OutputFormats.h"
#include "model/AttributeKav.h"
#include "model/Requirement.h"
#include "model/TaskKav.h"
#include "model/TestStepBBInfo.h"
#include "platform/MessageBuffer.h"

namespace {

// The field count of every row as Python's csv reader sees the file (UTF-16, tab-separated).
std::string ColumnsByPython(const std::filesystem::path& file) {
    const std::string command =
        "python3 -c \"import csv,sys; f=open(sys.argv[1],encoding='utf-16',newline=''); "
        "print(' '.join(str(len(r)) for r in csv.reader(f, delimiter='\\t')))\" '" +
        file.string() + "' 2>&1";
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
        ::pclose(pipe);
    }
    if (!output.empty() && output.back() == '\n') output.pop_back();
    return output;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the last row ends in CR LF";
    return lines;
}

class SheetsTest : public ConversionTest {
protected:
    void SetUp() override {
        ConversionTest::SetUp();
        folder = project.AddTask("Folder", root_, kTaskFolder);
        sub = project.AddTask("Sub", folder, kTaskFolder);
        task = project.AddTask("Task", sub);
    }

    // A step with the building blocks it lies in: a block record (reference "@Block") and the
    // step's own record (reference "@Task:<step name>").
    CTestStep* AddBlockStep(CTestCase* testCase, const std::string& name, const std::string& library = {}) {
        CTestStep* step = AddStep(testCase, name, nullptr, "desc of " + name, "result of " + name);
        step->SetInput("input of " + name);
        step->SetDelay(250);
        step->SetId("sid_" + name);
        const std::string prefix = library.empty() ? "" : "^" + library + ":";
        auto* block = step->GetBBInfos().Add(new CTestStepBBInfo("1", "t_block", "goal", "config", "pre\r\nblock",
                                                                 "instruction", "post", 1, prefix + "@Block"));
        block->GetAttributes().Add(new CAttributeKav("User", 4, "ann"));
        block->GetAttributes().Add(new CAttributeKav("Mode", 4, "fast"));
        step->GetBBInfos().Add(new CTestStepBBInfo("1.1", "", "", "", "", "", "", 2, "@Task:" + name));
        return step;
    }

    std::string Sheet(const std::string& package) const { return ReadUtf16(ProjectFolder() / (package + ".csv")); }

    CTaskKav* folder = nullptr;
    CTaskKav* sub = nullptr;
    CTaskKav* task = nullptr;
};

TEST_F(SheetsTest, TheAlmSheetHasOneRowPerStepInEightColumns) {
    task->SetDescription("a \"b\"\r\nc");
    CTestCase* testCase = AddTaskTestCase(task, 1, 0);
    AddStep(testCase, "First", nullptr, "do\tthis", "ok");
    AddStep(testCase, "Sec\tond", nullptr, "", "line 1\nline 2");
    AddTaskTestCase(task, 2, 0);
    app.SetOutputFormat(kFormatUft);

    ConvertInBatch(kFormatAlmSheet);
    const std::filesystem::path file = ProjectFolder() / "Task.csv";
    EXPECT_EQ(ReadBytes(file).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(Lines(ReadUtf16(file)),
              (std::vector<std::string>{
                  "Subject\tTest Name\tDescription\tType\tStatus\tStep Name\tStep Description\tExpected Results",
                  "Folder\\Sub\\Task\tTask_001\t\"a \"\"b\"\"\nc\"\tQUICKTEST_TEST\tImported\tFirst\t\"do\tthis\"\t\"ok\"",
                  "Folder\\Sub\\Task\tTask_001\t\"a \"\"b\"\"\nc\"\tQUICKTEST_TEST\tImported\t\"Sec\tond\"\t\"\"\t"
                  "\"line 1\nline 2\"",
              }));
    EXPECT_EQ(ColumnsByPython(file), "8 8 8");
    EXPECT_EQ(app.GetTestScripts()[0]->GetSumTC(), 2) << "a test case without steps counts but has no row";
}

TEST_F(SheetsTest, TheAlmTypeFollowsTheProjectsOwnFormat) {
    AddTaskTestCase(project.AddTask("Top", root_), 1);
    const std::pair<int, const char*> cases[] = {{7, "QUICKTEST_TEST"}, {8, "WR-AUTOMATED"}, {2, "MANUAL"},
                                                 {9, "MANUAL"},         {12, "MANUAL"},      {13, "MANUAL"},
                                                 {1, "SYSTEM-TEST"},    {0, "SYSTEM-TEST"}};
    for (const auto& [format, type] : cases) {
        app.SetOutputFormat(format);
        ConvertInBatch(kFormatAlmSheet);
        EXPECT_EQ(Lines(Sheet("Top"))[1], std::string("Top\tTop_001\t\"\"\t") + type + "\tImported\tTop step 1\t\"\"\t\"\"")
            << format;
    }
}

TEST_F(SheetsTest, TheBlockInformationSheetShowsTestCasesWithTheirBuildingBlocks) {
    app.SetDescription("The demo\r\nproject");
    task->SetTestGoal("Goal");
    task->SetTestLevel("System");
    task->SetTestType("Functional");
    task->SetConfiguration("Linux");
    task->SetPrecondition("Logged out");
    task->SetDescription("Logs in");
    task->SetPostcondition("Logged in");
    task->GetRequirements().push_back(project.AddRequirement("R1"));
    task->GetRequirements().push_back(project.AddRequirement("R2"));
    CTestCase* testCase = AddTaskTestCase(task, 1, 0);
    AddBlockStep(testCase, "Enter");
    AddBlockStep(testCase, "Leave", "Lib");

    ConvertInBatch(kFormatBlockInfoSheet);
    const std::filesystem::path file = ProjectFolder() / "Demo.csv";
    const std::vector<std::string> lines = Lines(ReadUtf16(file));
    const std::vector<std::string> expected = {
        "Step ID\tDepth\tLibrary\tStep Name\tDescription / Instruction\tInput / Precondition\t"
        "Expected Result / Postcondition\tParameters\tParameter Values\tDelay\tInternal ID",
        "Project Demo\t\t\t\t\"The demo\nproject\"",
        "Test Case Task_001",
        "\t\t\tRequirements:\tR1, R2",
        "\t\t\tNumber of Atomic Steps:\t2",
        "\t\t\tTest Goal:\tGoal",
        "\t\t\tTest Level:\tSystem",
        "\t\t\tTest Category:\tFunctional",
        "\t\t\tConfiguration:\tLinux",
        "\t\t\tPrecondition:\t\"Logged out\"",
        "\t\t\tDescription:\t\"Logs in\"",
        "\t\t\tPostcondition:\t\"Logged in\"",
        "1\t1\tDemo\tBlock\t\"instruction\"\t\"pre\nblock\"\t\"post\"\t\"User\nMode\"\t\"ann\nfast\"\t\tt_block",
        "1.1\t2\tDemo\tEnter\t\"desc of Enter\"\t\"input of Enter\"\t\"result of Enter\"\t\t\t250\tsid_Enter",
        "1\t1\tLib\tBlock\t\"instruction\"\t\"pre\nblock\"\t\"post\"\t\"User\nMode\"\t\"ann\nfast\"\t\tt_block",
        "1.1\t2\tDemo\tLeave\t\"desc of Leave\"\t\"input of Leave\"\t\"result of Leave\"\t\t\t250\tsid_Leave",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(ColumnsByPython(file), "11 5 1 5 5 5 5 5 5 5 5 5 11 11 11 11");
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(SheetsTest, TestCasesWithoutBlockRecordsAreLeftOutWithOneWarning) {
    AddTaskTestCase(task, 1);
    AddTaskTestCase(task, 2, 0);
    AddBlockStep(AddTaskTestCase(task, 3, 0), "Enter");
    ConvertInBatch(kFormatBlockInfoSheet);
    const std::string warning =
        "One or more test cases include no building block information and will not be exported. Please "
        "re-generate them using the option 'Save Building Block Information for Test Steps'! [W0753]";
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{warning});
    EXPECT_EQ(Lines(Sheet("Demo"))[2], "Test Case Task_003");

    TestInteraction().messages.clear();
    app.GetTestCases().Delete(app.GetTestCases().back());
    ConvertInBatch(kFormatBlockInfoSheet);
    EXPECT_EQ(Lines(Sheet("Demo")).size(), 2u) << "header and project rows only";
    EXPECT_EQ(TestInteraction().Texts(),
              (std::vector<std::string>{warning, FormatMessageId(44516)}))
        << "nothing was converted";
}

TEST_F(SheetsTest, AReferenceThatDoesNotSplitStopsTheSheetAndKeepsTheOldFile) {
    CTestCase* testCase = AddTaskTestCase(task, 1, 0);
    AddBlockStep(testCase, "Enter");
    ConvertInBatch(kFormatBlockInfoSheet);
    const std::string before = ReadBytes(ProjectFolder() / "Demo.csv");

    testCase->GetSteps()[0]->GetBBInfos()[0]->GetAttributes().DeleteAll();
    auto* broken = new CTestStepBBInfo("2", "t_x", "", "", "", "", "", 1, "^NoColon");
    testCase->GetSteps()[0]->GetBBInfos().Add(broken);
    TestInteraction().messages.clear();
    ConvertInBatch(kFormatBlockInfoSheet);
    EXPECT_EQ(TestInteraction().Texts(),
              std::vector<std::string>{"Invalid Designator: ':' missing after library name '^NoColon' [W1207]"});
    EXPECT_EQ(ReadBytes(ProjectFolder() / "Demo.csv"), before);
}

TEST_F(SheetsTest, TheEsaSheetGroupsTestCasesByTestDesign) {
    app.SetOutputFormat(kFormatEsaDovaXml);
    sub->SetDescription("Design text");
    sub->GetRequirements().push_back(project.AddRequirement("REQ-1"));
    task->SetTestType("Functional");
    task->SetTestGoal("Login works");
    task->SetDescription("Logs in");
    task->SetConfiguration("Rack 2");
    task->SetPrecondition("Tool \"X\"");
    CTestCase* first = AddTaskTestCase(task, 1, 0);
    CTestStep* step = AddBlockStep(first, "Enter");
    step->SetCommands("Press\nButton\nname=OK\nnot a pair\nwait=2");
    step->SetResultValue("1");
    step->SetCriticality(3);
    CTestCase* second = AddTaskTestCase(task, 2, 0);
    AddBlockStep(second, "Leave")->SetCommands("Cmd\n_Underscored");

    ConvertInBatch(kFormatBlockInfoSheet);
    const std::filesystem::path file = ProjectFolder() / "Demo.csv";
    const std::vector<std::string> lines = Lines(ReadUtf16(file));
    // Both test cases lie in the same test design, which is named once.
    const auto testCaseRows = [](const std::string& name) {
        return std::vector<std::string>{
            "Test Case " + name,
            "\t\t\tTest Case Source / Requirements:\t",
            "\t\t\tNumber of Atomic Steps:\t1",
            "\t\t\tTest Category:\tFunctional",
            "\t\t\tTest Case Title:\tLogin works",
            "\t\t\tDescription:\t\"Logs in\"",
            "\t\t\tAssembly / Configuration:\tRack 2",
            "\t\t\tRequired Tool / Input:\t\"Tool \"\"X\"\"\"",
            "1\t1\tDemo\tBlock\t\"pre\nblock\"\t\"post\"\t\"User = ann\nMode = fast\"\t\t\t\t\tt_block",
        };
    };
    std::vector<std::string> expected = {
        "Step ID\tDepth\tLibrary\tStep Name\tInput\tOutput\tDetailed Information\tInstruction\t"
        "Expected Result Value\tCriticality\tTimeout\tInternal ID",
        "Test Item Demo",
        "Test Design Sub\t\t\t\t\"Design text\nRequirements: REQ-1\"",
    };
    for (const std::string& row : testCaseRows("Task_001")) expected.push_back(row);
    expected.push_back(
        "1.1\t2\tDemo\tEnter\t\"desc of Enter\"\t\"result of Enter\"\t\"name = OK\nwait = 2\"\t\"Button\n(Press)\"\t1\t"
        "CRITICAL\t250\tsid_Enter");
    for (const std::string& row : testCaseRows("Task_002")) expected.push_back(row);
    expected.push_back(
        "1.1\t2\tDemo\tLeave\t\"desc of Leave\"\t\"result of Leave\"\t\"\"\t\"_Underscored\"\t\tMAJOR\t250\tsid_Leave");
    EXPECT_EQ(lines, expected);
    const std::string columns = ColumnsByPython(file);
    EXPECT_EQ(columns.substr(0, 2), "12");
    EXPECT_EQ(columns.substr(columns.size() - 5), "12 12");
}

}  // namespace
