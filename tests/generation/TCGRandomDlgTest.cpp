#include <gtest/gtest.h>

#include <optional>

#include "generation/TCGRandomDlg.h"

namespace {
const RandomTestSettings kDefaults{6, 90, 40, 1, 500, 60, 11, 6};
}

TEST(TCGRandomDlg, ShowsTheSettingsAndRebuildsThemOnOk) {
    CTCGRandomDlg dialog(kDefaults);
    const TCGRandomChoices& c = dialog.Choices();
    EXPECT_TRUE(c.goalSteps && c.goalConnections);
    EXPECT_FALSE(c.goalBlocks || c.goalPairs);
    EXPECT_TRUE(c.depthFirstSearch && c.exploreAdjacent && c.continueAfterFailure);
    EXPECT_FALSE(c.targetUncovered);
    EXPECT_EQ(c.timeout, "60");
    EXPECT_EQ(dialog.GetSettings(), kDefaults);

    const RandomTestSettings every{1 | 2 | 4 | 16, 100, 70, 3, 100, 0, 15, 15};
    EXPECT_EQ(CTCGRandomDlg(every).GetSettings(), every);
}

TEST(TCGRandomDlg, ExecuteWritesBackOnlyOnOk) {
    RandomTestSettings settings = kDefaults;
    EXPECT_EQ(CTCGRandomDlg::Execute(settings, [](CTCGRandomDlg& d) {
                  d.Choices().maxTestCases = "9";
                  return false;
              }),
              0);
    EXPECT_EQ(settings, kDefaults);

    EXPECT_EQ(CTCGRandomDlg::Execute(settings, [](CTCGRandomDlg& d) {
                  d.Choices().maxTestCases = "9";
                  d.Choices().goalPairs = true;
                  d.Choices().depthFirstSearch = false;
                  return true;
              }),
              1);
    EXPECT_EQ(settings.maxTestCases, 9);
    EXPECT_EQ(settings.goal, 6 | 16);
    EXPECT_EQ(settings.method, 2 | 8);
}

TEST(TCGRandomDlg, OkChecksEachLimitInOrder) {
    struct Case {
        const char* what;
        void (*change)(TCGRandomChoices&);
        std::optional<DialogCheckFailure> expected;
    };
    const DialogCheckFailure tooMany{45064, "Invalid Test Case Number", kRandomMaxTestCases};
    const DialogCheckFailure badLength{45065, "Invalid Test Case Length", kRandomMaxLength};
    const DialogCheckFailure badTimeout{45068, "Negative Timeout", kRandomTimeout};
    const DialogCheckFailure badPercentage{45063, "Invalid Percentage", kRandomPercentage};
    const DialogCheckFailure badIterations{45066, "Invalid Iterations", kRandomIterations};
    const DialogCheckFailure badDepth{45067, "Invalid DFS Depth", kRandomDfsDepth};
    const Case cases[] = {
        {"defaults", [](TCGRandomChoices&) {}, std::nullopt},
        {"1000 test cases", [](TCGRandomChoices& c) { c.maxTestCases = "1000"; }, std::nullopt},
        {"1001 test cases", [](TCGRandomChoices& c) { c.maxTestCases = "1001"; }, tooMany},
        {"no test case", [](TCGRandomChoices& c) { c.maxTestCases = "0"; }, tooMany},
        {"first failure wins",
         [](TCGRandomChoices& c) {
             c.maxTestCases = "0";
             c.maxLength = "0";
         },
         tooMany},
        {"length 10000", [](TCGRandomChoices& c) { c.maxLength = "10000"; }, std::nullopt},
        {"length 10001", [](TCGRandomChoices& c) { c.maxLength = "10001"; }, badLength},
        {"timeout 0", [](TCGRandomChoices& c) { c.timeout = "0"; }, std::nullopt},
        {"timeout 36000", [](TCGRandomChoices& c) { c.timeout = "36000"; }, std::nullopt},
        {"timeout 36001", [](TCGRandomChoices& c) { c.timeout = "36001"; }, badTimeout},
        {"negative timeout", [](TCGRandomChoices& c) { c.timeout = "-1"; }, badTimeout},
        {"percentage 0", [](TCGRandomChoices& c) { c.percentage = "0"; }, badPercentage},
        {"percentage 101", [](TCGRandomChoices& c) { c.percentage = "101"; }, badPercentage},
        {"no iterations", [](TCGRandomChoices& c) { c.iterations = "0"; }, badIterations},
        {"no goal: percentage and iterations unchecked",
         [](TCGRandomChoices& c) {
             c.goalSteps = c.goalConnections = false;
             c.percentage = "0";
             c.iterations = "-3";
         },
         std::nullopt},
        {"depth 16", [](TCGRandomChoices& c) { c.dfsDepth = "16"; }, badDepth},
        {"depth 16 without a search that uses it",
         [](TCGRandomChoices& c) {
             c.dfsDepth = "16";
             c.depthFirstSearch = c.exploreAdjacent = false;
         },
         std::nullopt},
        {"depth 0 for targeting uncovered elements",
         [](TCGRandomChoices& c) {
             c.dfsDepth = "0";
             c.depthFirstSearch = c.exploreAdjacent = false;
             c.targetUncovered = true;
         },
         badDepth},
    };
    for (const Case& c : cases) {
        CTCGRandomDlg dialog(kDefaults);
        c.change(dialog.Choices());
        EXPECT_EQ(dialog.CheckOK(), c.expected) << c.what;
    }
}
