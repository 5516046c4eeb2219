#pragma once
// A project "Demo" with a root task, the user's script folder in a private scratch folder, and
// helpers that build test cases and read what a conversion wrote.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "conversion/framework/TestcaseConverterDlg.h"
#include "model/TestCase.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"

class ConversionTest : public ProjectTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A step of the test case in the window (may be null), with the texts given.
    CTestStep* AddStep(CTestCase* testCase, const std::string& name, CWindowKav* window = nullptr,
                       const std::string& description = {}, const std::string& expected = {});
    // A step of the test case with the event, in the window (may be null).
    CTestStep* AddEventStep(CTestCase* testCase, const std::string& name, CWindowKav* window, const std::string& event,
                            const std::string& description = {});
    // A task test case of the kind with steps named "<task> step <n>".
    CTestCase* AddTaskTestCase(CTaskKav* task, int number, int steps = 1, int kind = kTestCaseGraphCoverage);
    // A dialog with caption bar below the parent (or a top-level one).
    CWindowKav* AddCaptionedWindow(const std::string& name, CWindowKav* parent = nullptr, int type = kWndDialogBox);

    // The clock of dated outputs: local time 17 May 2024, 09:30:00.
    static void InstallFixedClock();
    // The tags of every top-level window and the windows below it, as the tag generation of the
    // output format leaves them.
    void GenerateTags(int format);
    // Converts the whole project as batch mode does, in the output format.
    void ConvertInBatch(int format);

    std::filesystem::path Scripts() const { return folder_ / "scripts"; }
    std::filesystem::path ProjectFolder() const { return Scripts() / "Demo"; }

    // The outside reader (a script in tests/support/readers/) accepts every file below the folder.
    static void ExpectOutsideReaderAccepts(const std::string& reader, const std::filesystem::path& folder);

    static std::string ReadBytes(const std::filesystem::path& path);
    // The text of a UTF-16 file with byte-order mark, as UTF-8 (the mark dropped).
    static std::string ReadUtf16(const std::filesystem::path& path);
    // The files below the folder, relative to it, sorted.
    static std::vector<std::string> FilesBelow(const std::filesystem::path& folder);

    std::filesystem::path folder_;
    CTaskKav* root_ = nullptr;
};
