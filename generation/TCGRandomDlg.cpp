#include "generation/TCGRandomDlg.h"

#include <cstdint>

#include "platform/TextUtil.h"

namespace {

constexpr int kInvalidPercentage = 45063;
constexpr int kInvalidTestCaseNumber = 45064;
constexpr int kInvalidTestCaseLength = 45065;
constexpr int kInvalidIterations = 45066;
constexpr int kInvalidDfsDepth = 45067;
constexpr int kInvalidTimeout = 45068;
constexpr std::uint32_t kMaxTimeoutSeconds = 36000;

enum GoalBit : int { kGoalBlocks = 1, kGoalSteps = 2, kGoalConnections = 4, kGoalPairs = 16 };
enum SearchBit : int { kSearchDepthFirst = 1, kSearchAdjacent = 2, kSearchUncovered = 4, kSearchContinue = 8 };

}  // namespace

CTCGRandomDlg::CTCGRandomDlg(const RandomTestSettings& settings) {
    choices_.goalBlocks = settings.goal & kGoalBlocks;
    choices_.goalSteps = settings.goal & kGoalSteps;
    choices_.goalConnections = settings.goal & kGoalConnections;
    choices_.goalPairs = settings.goal & kGoalPairs;
    choices_.percentage = std::to_string(settings.percentage);
    choices_.iterations = std::to_string(settings.iterations);
    choices_.maxTestCases = std::to_string(settings.maxTestCases);
    choices_.maxLength = std::to_string(settings.maxLength);
    choices_.timeout = std::to_string(settings.timeout);
    choices_.dfsDepth = std::to_string(settings.dfsDepth);
    choices_.depthFirstSearch = settings.method & kSearchDepthFirst;
    choices_.exploreAdjacent = settings.method & kSearchAdjacent;
    choices_.targetUncovered = settings.method & kSearchUncovered;
    choices_.continueAfterFailure = settings.method & kSearchContinue;
}

int CTCGRandomDlg::Execute(RandomTestSettings& settings, const std::function<bool(CTCGRandomDlg&)>& show) {
    CTCGRandomDlg dialog(settings);
    if (!show(dialog)) return 0;
    settings = dialog.GetSettings();
    return 1;
}

std::optional<DialogCheckFailure> CTCGRandomDlg::CheckOK() const {
    const TCGRandomChoices& c = choices_;
    if (!IsDecimalInRange(c.maxTestCases, 1, 1000))
        return DialogCheckFailure{kInvalidTestCaseNumber, "Invalid Test Case Number", kRandomMaxTestCases};
    if (!IsDecimalInRange(c.maxLength, 1, 10000))
        return DialogCheckFailure{kInvalidTestCaseLength, "Invalid Test Case Length", kRandomMaxLength};
    // A negative number, taken as unsigned, is far above the limit.
    if (static_cast<std::uint32_t>(ParseLeadingInt(c.timeout)) > kMaxTimeoutSeconds)
        return DialogCheckFailure{kInvalidTimeout, "Negative Timeout", kRandomTimeout};
    if (c.goalBlocks || c.goalSteps || c.goalConnections || c.goalPairs) {
        if (!IsDecimalInRange(c.percentage, 1, 100))
            return DialogCheckFailure{kInvalidPercentage, "Invalid Percentage", kRandomPercentage};
        if (ParseLeadingInt(c.iterations) < 1)
            return DialogCheckFailure{kInvalidIterations, "Invalid Iterations", kRandomIterations};
    }
    if ((c.depthFirstSearch || c.exploreAdjacent || c.targetUncovered) && !IsDecimalInRange(c.dfsDepth, 1, 15))
        return DialogCheckFailure{kInvalidDfsDepth, "Invalid DFS Depth", kRandomDfsDepth};
    return std::nullopt;
}

RandomTestSettings CTCGRandomDlg::GetSettings() const {
    const TCGRandomChoices& c = choices_;
    RandomTestSettings settings;
    settings.goal = (c.goalBlocks ? kGoalBlocks : 0) | (c.goalConnections ? kGoalConnections : 0) |
                    (c.goalSteps ? kGoalSteps : 0) | (c.goalPairs ? kGoalPairs : 0);
    settings.method = (c.depthFirstSearch ? kSearchDepthFirst : 0) | (c.exploreAdjacent ? kSearchAdjacent : 0) |
                      (c.targetUncovered ? kSearchUncovered : 0) | (c.continueAfterFailure ? kSearchContinue : 0);
    settings.percentage = ParseLeadingInt(c.percentage);
    settings.iterations = ParseLeadingInt(c.iterations);
    settings.maxTestCases = ParseLeadingInt(c.maxTestCases);
    settings.maxLength = ParseLeadingInt(c.maxLength);
    settings.timeout = ParseLeadingInt(c.timeout);
    settings.dfsDepth = ParseLeadingInt(c.dfsDepth);
    return settings;
}
