#include <gtest/gtest.h>

#include <cstdlib>

#include "model/WindowKav.h"
#include "ProjectFiles.h"

namespace {

// Loading normalises a few values (an output format of 0, empty values with defaults, captions,
// long tab titles, the root task's name, steps that perform a transition), so a project saved
// once is the fixed point: saving what it loads to gives the same bytes.
class RoundTrip : public ProjectFileTest {
protected:
    static bool IsWellFormed(const std::string& path) {
        return std::system(("xmllint --noout '" + path + "'").c_str()) == 0;
    }

    std::string LogText() const {
        std::string text;
        for (const std::string& line : log_.Lines()) text += line + "\n";
        return text;
    }
};

template <class List>
void ExpectEachEqual(const List& ours, const List& theirs, const char* what) {
    ASSERT_EQ(ours.size(), theirs.size()) << what;
    for (size_t i = 0; i < ours.size(); ++i) EXPECT_TRUE(ours[i]->IsEqual(theirs[i])) << what << " " << i;
}

}  // namespace

TEST_F(RoundTrip, ASavedProjectLoadsBackToTheSameModelAndTheSameBytes) {
    CApplicationKav first;
    ASSERT_EQ(Load(Golden("round_trip/project.xml"), first), 1) << Message() << "\n" << LogText();
    EXPECT_EQ(log_.Lines(), std::vector<std::string>{"Building object relations"});
    const std::string f1 = Save("F1.xml");
    CloseProject();

    CApplicationKav second;
    ASSERT_EQ(Load(f1, second), 1) << Message() << "\n" << LogText();
    const std::string f2 = Save("F2.xml");
    EXPECT_EQ(ReadFile(f2), ReadFile(f1));
    EXPECT_TRUE(IsWellFormed(f1));
    CloseProject();

    CApplicationKav third;
    ASSERT_EQ(Load(f2, third), 1) << Message();
    ExpectEachEqual(second.GetTasks(), third.GetTasks(), "task");
    ExpectEachEqual(second.GetRequirements(), third.GetRequirements(), "requirement");
    ExpectEachEqual(second.GetDataSets(), third.GetDataSets(), "data set");
    ExpectEachEqual(second.GetTestCases(), third.GetTestCases(), "test case");
    ExpectEachEqual(second.GetTestScripts(), third.GetTestScripts(), "test script");
    const auto windows = second.GetWindowList().Snapshot();
    ASSERT_EQ(windows.size(), third.GetWindowList().GetCount());
    for (const CWindowKav* window : windows)
        EXPECT_TRUE(window->IsEqual(third.GetWindowList().FindByID(window->GetInternalID())))
            << window->GetName();
}
