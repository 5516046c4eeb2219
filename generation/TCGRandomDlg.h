#pragma once
// What the dialog "Random Test Options" decides, without a window: its check boxes and texts
// from the random-test settings, the checks of OK, and the settings rebuilt from them.
#include <functional>
#include <optional>
#include <string>

#include "generation/DialogCheck.h"
#include "generation/RandomTestSettings.h"

// Control identifiers of the dialog.
enum TCGRandomDlgControl : int {
    kRandomGoalBlocks = 1461,
    kRandomGoalSteps = 1462,
    kRandomGoalConnections = 1463,
    kRandomPercentage = 1465,
    kRandomMaxTestCases = 1466,
    kRandomMaxLength = 1467,
    kRandomIterations = 1468,
    kRandomDfsDepth = 1469,
    kRandomDepthFirstSearch = 1470,
    kRandomTimeout = 1472,
    kRandomGoalPairs = 1473,
    kRandomExploreAdjacent = 1474,
    kRandomTargetUncovered = 1475,
    kRandomContinueAfterFailure = 1476,
};

struct TCGRandomChoices {
    bool goalBlocks = false;
    bool goalSteps = false;
    bool goalConnections = false;
    bool goalPairs = false;
    std::string percentage;
    std::string iterations;
    std::string maxTestCases;
    std::string maxLength;
    std::string timeout;
    std::string dfsDepth;
    bool depthFirstSearch = false;
    bool exploreAdjacent = false;
    bool targetUncovered = false;
    bool continueAfterFailure = false;
};

class CTCGRandomDlg {
public:
    explicit CTCGRandomDlg(const RandomTestSettings& settings);

    // Shows the dialog with the settings (true on OK; the window accepts OK only when CheckOK
    // finds nothing) and on OK writes the new values back: 1, or 0 on Cancel.
    static int Execute(RandomTestSettings& settings, const std::function<bool(CTCGRandomDlg&)>& show);

    TCGRandomChoices& Choices() { return choices_; }
    const TCGRandomChoices& Choices() const { return choices_; }
    std::optional<DialogCheckFailure> CheckOK() const;
    // The settings the choices give: goal and method bits from the boxes, numbers from the texts.
    RandomTestSettings GetSettings() const;

private:
    TCGRandomChoices choices_;
};
