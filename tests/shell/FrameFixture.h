#pragma once
// A main frame on doubles of its window and pages, with a scratch folder for project files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ScratchFolder.h"
#include "FrameDoubles.h"

inline const std::string kSample = std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml";

class FrameFixture : public ::testing::Test {
protected:
    FrameFixture() {
        frame_.SetTasksPage(&tasks_);
        frame_.SetRequirementsPage(&requirements_);
        frame_.SetWindowsPage(&windows_);
        frame_.SetTestDataPage(&testData_);
    }

    std::vector<std::string> Shown() const { return TestInteraction().Texts(); }

    // A copy of the sample that the test may change and save.
    std::string SampleCopy() {
        const std::string copy = (folder_.Path() / "Insurance.xml").string();
        std::filesystem::copy_file(kSample, copy, std::filesystem::copy_options::overwrite_existing);
        return copy;
    }

    // The project as its file would hold it.
    static std::string ProjectText() {
        std::string text;
        GetProjectReader().SaveProject(false, "", *CurrentApplication, text);
        return text;
    }

    ScratchFolder folder_;
    FakeWindow window_;
    CMainFrame frame_{window_};
    FakeTasksPage tasks_;
    FakeRequirementsPage requirements_;
    FakeWindowsPage windows_;
    FakeTestDataPage testData_;
};
