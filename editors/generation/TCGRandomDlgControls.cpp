#include "editors/generation/TCGRandomDlgControls.h"


namespace {

constexpr int kResourceId = 308;

// Each check box with the choice it stands for.
struct CheckBinding {
    int control;
    const char* label;
    bool TCGRandomChoices::*choice;
};
constexpr CheckBinding kChecks[] = {
    {kRandomGoalBlocks, "Building Blocks", &TCGRandomChoices::goalBlocks},
    {kRandomGoalSteps, "Steps", &TCGRandomChoices::goalSteps},
    {kRandomGoalConnections, "Connections", &TCGRandomChoices::goalConnections},
    {kRandomGoalPairs, "Building Block Pairs", &TCGRandomChoices::goalPairs},
    {kRandomDepthFirstSearch, "Random Depth First Search", &TCGRandomChoices::depthFirstSearch},
    {kRandomExploreAdjacent, "Explore adjacent Building Blocks", &TCGRandomChoices::exploreAdjacent},
    {kRandomTargetUncovered, "Target uncovered Elements", &TCGRandomChoices::targetUncovered},
    {kRandomContinueAfterFailure, "Continue after failed Search", &TCGRandomChoices::continueAfterFailure},
};

// Each edit with the number it holds.
struct TextBinding {
    int control;
    std::string TCGRandomChoices::*choice;
};
constexpr TextBinding kTexts[] = {
    {kRandomPercentage, &TCGRandomChoices::percentage}, {kRandomIterations, &TCGRandomChoices::iterations},
    {kRandomMaxTestCases, &TCGRandomChoices::maxTestCases}, {kRandomMaxLength, &TCGRandomChoices::maxLength},
    {kRandomTimeout, &TCGRandomChoices::timeout}, {kRandomDfsDepth, &TCGRandomChoices::dfsDepth},
};

}  // namespace

TCGRandomDlgControls::TCGRandomDlgControls(EditorHost& host, CTCGRandomDlg& dialog)
    : DialogControls(host, kResourceId), dialog_(dialog) {
    for (const CheckBinding& check : kChecks) AddControl(check.control, check.label);
    for (const TextBinding& text : kTexts) AddControl(text.control);
}

void TCGRandomDlgControls::OnInitDialog() {
    SetTitle("Random Test Options", false);
    const TCGRandomChoices& choices = dialog_.Choices();
    for (const CheckBinding& check : kChecks) SetChecked(check.control, choices.*check.choice);
    for (const TextBinding& text : kTexts) SetText(text.control, choices.*text.choice);
}

bool TCGRandomDlgControls::OnOK() {
    TCGRandomChoices& choices = dialog_.Choices();
    for (const CheckBinding& check : kChecks) choices.*check.choice = IsChecked(check.control);
    for (const TextBinding& text : kTexts) choices.*text.choice = GetText(text.control);
    if (const std::optional<DialogCheckFailure> failure = dialog_.CheckOK())
        return Refuse(*failure);
    return true;
}
