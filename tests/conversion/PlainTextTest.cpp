// Plain text and "Universal File": one commented text file per package.
#include <gtest/gtest.h>

#include "ConversionFixture.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/plaintext/PlainTextConverter.h"
#include "model/TaskKav.h"
#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/MessageBuffer.h"
#include "tests/support/FlowBuilder.h"

namespace {

const std::string kBanner = "#" + std::string(68, '*');

class PlainTextTest : public ConversionTest {
protected:
    void SetUp() override {
        ConversionTest::SetUp();
        auto clock = std::make_unique<FixedClock>();
        clock->local = {1993, 6, 30, 21, 49, 8};
        InstallClock(std::move(clock));
        login = project.AddTask("Login", root_);
    }

    CTaskKav* login = nullptr;
};

TEST_F(PlainTextTest, APackageIsOneCommentedFileWithCrLfEverywhere) {
    CTestCase* first = AddTaskTestCase(login, 1, 0);
    CTestStep* step = AddStep(first, "Enter name", nullptr, "Type the name\r\ninto the field", "Accepted");
    step->SetComment("first step");
    step->SetInput("admin");
    step->SetCommands("Type(\"admin\")\nPress(<enter>)");
    AddStep(first, "Nothing to say");
    CTestCase* second = AddTaskTestCase(login, 2, 0);
    second->SetErrorCase(1);

    ConvertInBatch(kFormatPlainText);
    const std::filesystem::path file = ProjectFolder() / "Login.txt";
    EXPECT_EQ(ReadBytes(file).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(ReadUtf16(file), kBanner + "\r\n"
                                         "# Project:\t\tDemo\r\n"
                                         "# Testpackage:\tLogin\r\n" +
                                   kBanner + "\r\n# Creation date:\tWed Jun 30 21:49:08 1993\r\n" + kBanner +
                                   "\r\n\r\n" + kBanner +
                                   "\r\n"
                                   "# Test case: Login_001\r\n"
                                   "# Type: Graph Coverage (Normal Case)\r\n"
                                   "\r\n"
                                   "# first step\r\n"
                                   "# Instruction:\r\n"
                                   "# Type the name\r\n"
                                   "# into the field\r\n"
                                   "# Input:\r\n"
                                   "# admin\r\n"
                                   "# Result:\r\n"
                                   "# Accepted\r\n"
                                   "Type(\"admin\")\r\n"
                                   "Press(<enter>)\r\n" +
                                   kBanner + "\r\n\r\n\r\n" + kBanner +
                                   "\r\n"
                                   "# Test case: Login_002\r\n"
                                   "# Type: Graph Coverage (Error Case)\r\n" +
                                   kBanner + "\r\n\r\n\r\n");
    ASSERT_EQ(app.GetTestScripts().size(), 1u);
    EXPECT_EQ(app.GetTestScripts()[0]->GetPath(), file.string());
    EXPECT_EQ(app.GetTestScripts()[0]->GetSumTC(), 2);
}

TEST_F(PlainTextTest, UniversalFilesCarryTheFolderDescriptionAndNoDate) {
    CTaskKav* folder = project.AddTask("Orders", root_, kTaskFolder);
    folder->SetDescription("Orders of\nthe shop\r\n");
    CTaskKav* order = project.AddTask("Order", folder);
    AddTaskTestCase(order, 1);

    ConvertInBatch(kFormatUniversalFile);
    const std::filesystem::path file = ProjectFolder() / "Order.txt";
    const std::string first = ReadBytes(file);
    const std::string text = ReadUtf16(file);
    EXPECT_EQ(text.substr(0, text.find("# Test case")),
              kBanner + "\r\n# Project:\t\tDemo\r\n# Testpackage:\tOrder\r\n" + kBanner +
                  "\r\n# Orders of\r\n# the shop\r\n# \r\n" + kBanner + "\r\n\r\n" + kBanner + "\r\n");

    auto later = std::make_unique<FixedClock>();
    later->local = {2030, 1, 1, 0, 0, 0};
    InstallClock(std::move(later));
    ConvertInBatch(kFormatUniversalFile);
    EXPECT_EQ(ReadBytes(file), first) << "two runs over the same model give the same bytes";
}

TEST_F(PlainTextTest, TextsWithBareLineFeedsKeepEveryCharacter) {
    CTestCase* testCase = AddTaskTestCase(login, 1, 0);
    AddStep(testCase, "S", nullptr, "abc\ndef\r\nghi", "x\ny");
    ConvertInBatch(kFormatUniversalFile);
    const std::string text = ReadUtf16(ProjectFolder() / "Login.txt");
    EXPECT_NE(text.find("# Instruction:\r\n# abc\r\n# def\r\n# ghi\r\n# Result:\r\n# x\r\n# y\r\n"), std::string::npos);
    for (size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', lf + 1))
        ASSERT_EQ(text[lf - 1], '\r') << "a bare line feed at " << lf;
}

TEST_F(PlainTextTest, StepsKeepWhatGenerationWroteIntoThemNotTheirTaskStepsTexts) {
    CTaskStep* taskStep = ::AddStep(*login, "Enter name");
    taskStep->SetDescription("Type #~Users:Name#");
    taskStep->SetCommands("Type(#~Users:Name#)");
    CTestCase* testCase = AddTaskTestCase(login, 1, 0);
    CTestStep* step = AddStep(testCase, "Task: Login / Step: Enter name", nullptr, "Type ann");
    step->SetBaseStep(taskStep);
    step->SetCommands("Type(\"ann\")");

    ConvertInBatch(kFormatUniversalFile);
    const std::string text = ReadUtf16(ProjectFolder() / "Login.txt");
    EXPECT_NE(text.find("# Type ann\r\nType(\"ann\")\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Users"), std::string::npos);
}

TEST_F(PlainTextTest, AnEmptyPackageGetsItsHeaderAndTheFileAnnouncedIsTheFileWritten) {
    CPlainTextConverter converter(kFormatPlainText);
    ASSERT_EQ(converter.Init("Demo", Scripts().string(), "", "", ""), 1);
    TestCaseList none;
    const std::vector<std::filesystem::path> planned = converter.PlannedFiles(none, "a/b");
    int count = -1;
    std::string path;
    ASSERT_EQ(converter.Convert(none, "a/b", count, path), 1);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(planned, std::vector<std::filesystem::path>{path});
    EXPECT_EQ(FilesBelow(Scripts()), std::vector<std::string>{"Demo/a_b.txt"});
    EXPECT_EQ(ReadUtf16(path).substr(ReadUtf16(path).size() - kBanner.size() - 4), kBanner + "\r\n\r\n");

    EXPECT_EQ(converter.PlannedFiles(none, "A_B"), std::vector<std::filesystem::path>{ProjectFolder() / "A_B_2.txt"})
        << "another package never takes the file of the first";
}

TEST_F(PlainTextTest, AWindowAndATaskOfOneNameWriteTwoFiles) {
    CWindowKav* window = AddCaptionedWindow("Login", nullptr, kWndMain);
    project.AddTestCase(1, kTestCaseTransition, nullptr, window, project.AddTransition(window, "Login_Close"));
    AddTaskTestCase(login, 1);
    ConvertInBatch(kFormatPlainText);
    EXPECT_EQ(FilesBelow(Scripts()), (std::vector<std::string>{"Demo/Login.txt", "Demo/Login_2.txt"}));
    EXPECT_NE(ReadUtf16(ProjectFolder() / "Login_2.txt").find("Login_001"), std::string::npos);
}

TEST_F(PlainTextTest, AFileThatCannotBeWrittenStopsWithW0772AndKeepsTheOldOne) {
    AddTaskTestCase(login, 1);
    ConvertInBatch(kFormatPlainText);
    const std::string before = ReadBytes(ProjectFolder() / "Login.txt");
    SetFileFaultInjector([](std::string_view step, const std::filesystem::path&) { return step != "rename"; });
    auto later = std::make_unique<FixedClock>();
    later->local = {2030, 1, 1, 0, 0, 0};
    InstallClock(std::move(later));
    TestInteraction().messages.clear();
    ConvertInBatch(kFormatPlainText);
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{"Could not create test file for package Login! [W0772]"});
    EXPECT_EQ(ReadBytes(ProjectFolder() / "Login.txt"), before);
}

}  // namespace
