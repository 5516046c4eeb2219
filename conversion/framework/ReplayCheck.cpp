// The replay check before a package is converted: test cases that test one transition or were
// written by hand are played against the GUI model from the start window, so that a test case
// that no longer fits the model is noticed; a transition test gets a check that the focus is
// where the transition left it.
#include <algorithm>

#include "conversion/framework/ConversionCopies.h"
#include "conversion/framework/TestcaseConverter.h"
#include "generation/GuiSimulation.h"
#include "generation/SimulationSupport.h"
#include "model/ApplicationKav.h"
#include "model/Combination.h"
#include "model/ShellServices.h"
#include "model/TestCase.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kJavaGui = 996;

// Kinds made by playing the model, which fit it by construction.
bool NeedsReplay(int kind) {
    return kind != kTestCaseGraphCoverage && kind != kTestCaseDataCoverage && kind != kTestCaseRandom;
}

// Plays the steps on the state; Verify steps that actions ask for go to a scratch copy, so the
// test case stays as it is. 1, 0 (a step is not possible) or -1 (an error of the model).
int Replay(const CTestCase& testCase, CCombination& combination) {
    OwningList<CTestStep> scratch;
    for (const CTestStep* step : testCase.GetSteps()) scratch.Add(CopyTestStepForConversion(*step));
    bool applicationClosed = false;
    return SimulatePath(scratch, combination, applicationClosed, true, false);
}

bool MadeFrom(const CTestStep& step, const CStepKav* transition) {
    return step.GetTransition() == transition || static_cast<const CStepKav*>(step.GetBaseStep()) == transition;
}

// Windows whose focus a tool can check: controls inside a window, not of the kinds that never
// take the focus.
bool TakesFocus(const CWindowKav& window) {
    if (!window.GetParent() || window.GetGuiID() == kJavaGui || window.HasCaption()) return false;
    const int type = window.GetType();
    return type != kWndToolBar && type != kWndGroupBox && type != kWndStaticText;
}

// After the step that performs the transition under test, "Verify(Focus)" on its window. 1, or
// 0 with W0515 when that step has no window.
int InsertFocusVerification(CTestCase& testCase) {
    const CStepKav* transition = testCase.GetTransitionStep();
    if (!transition) return 1;
    OwningList<CTestStep>& steps = testCase.GetSteps();
    const auto found = std::find_if(steps.begin(), steps.end(),
                                    [transition](const CTestStep* step) { return MadeFrom(*step, transition); });
    if (found == steps.end() || found + 1 == steps.end()) return 1;
    CWindowKav* window = (*found)->GetStartWindow();
    if (!window) {
        SetMessage(44515);
        return 0;
    }
    if (!TakesFocus(*window)) return 1;
    const size_t after = static_cast<size_t>(found - steps.begin()) + 1;
    steps.InsertAt(after, new CTestStep("Verify_Focus", "Verify(Focus)", "", "", "", "", window, window, 0, 2, "0",
                                        nullptr, nullptr, nullptr, ""));
    return 1;
}

}  // namespace

int CTestcaseConverter::CheckTestCases(TestCaseList& list) {
    const CApplicationKav& app = *CurrentApplication;
    for (size_t i = 0; i < list.size();) {
        CTestCase& testCase = *list[i];
        if (!NeedsReplay(testCase.GetType())) {
            ++i;
            continue;
        }
        const CWindowKav* start = app.GetStartWindow();
        if (!start) {
            SetMessage(44493);
            return 0;
        }
        // The application has just started: only its start window exists, and it is active.
        CCombination combination;
        const std::string startPath = app.GetObjectPathText(start);
        if (!AssignDesignator(startPath + ":$Exist", "TRUE", combination) ||
            !AssignDesignator("ActiveWnd", startPath, combination))
            return 0;
        const int replayed = Replay(testCase, combination);
        if (replayed == -1) {
            SetMessage(44696);
            return 0;
        }
        if (replayed == 0 &&
            GetInteraction().ShowMessage({FormatMessageId(43024), "", MessageButtons::YesNo, MessageIcon::Warning,
                                          MessageAnswer::Yes}) == MessageAnswer::No) {
            // The driver frees its copies; this one is simply not converted.
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        if (!InsertFocusVerification(testCase)) return 0;
        ++i;
    }
    return 1;
}
