#pragma once
// What the test case view needs of its surroundings: the main frame, which opens the step
// editor and carries out commands, and the view's own window.
#include <string>

#include "views/drawing/ViewGeometry.h"

class CTestStep;

class TestCaseViewHost {
public:
    virtual ~TestCaseViewHost() = default;

    // The step editor should open for the step.
    virtual void OpenStepEditor(CTestStep* step) = 0;
    // A command of the view's context menu that the main frame carries out.
    virtual void SendCommand(int command) = 0;

    virtual void ShowTitle(const std::string& title) = 0;
    virtual void SetScrollSizes(ViewSize size) = 0;
    // Paints the view again at once.
    virtual void Redraw() = 0;
    // Closes the view's child frame once the current event is handled.
    virtual void CloseView() = 0;
};
