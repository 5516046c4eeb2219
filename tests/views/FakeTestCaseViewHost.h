#pragma once
// The test case view's surroundings for tests: it records what the view reports.
#include <string>
#include <vector>

#include "views/testcase/TestCaseViewHost.h"

class FakeTestCaseViewHost : public TestCaseViewHost {
public:
    void OpenStepEditor(CTestStep* step) override { editedSteps.push_back(step); }
    void SendCommand(int command) override { commands.push_back(command); }
    void ShowTitle(const std::string& text) override { title = text; }
    void SetScrollSizes(ViewSize size) override { scrollSize = size; }
    void Redraw() override { ++redraws; }
    void CloseView() override { closed = true; }

    std::vector<CTestStep*> editedSteps;
    std::vector<int> commands;
    std::string title;
    ViewSize scrollSize;
    int redraws = 0;
    bool closed = false;
};
