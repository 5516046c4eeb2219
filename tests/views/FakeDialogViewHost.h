#pragma once
// The window view's surroundings for tests: it records what the view reports and asks.
#include <string>
#include <vector>

#include "views/window/DialogViewHost.h"

class FakeDialogViewHost : public DialogViewHost {
public:
    void ReportPicked(CWindowKav* window) override { picked.push_back(window); }
    void ReportTransition(CTransitionKav* transition) override { transitions.push_back(transition); }
    void ReportNewWindow(CWindowKav* window) override { newWindows.push_back(window); }
    void ReportOpenWindow(CWindowKav* window) override { opened.push_back(window); }
    void SendCommand(int command) override { commands.push_back(command); }
    void RefreshAllViews() override { ++refreshes; }
    void ResetWindowPalette() override {
        ++paletteResets;
        tool = 99;
    }
    int GetDrawingTool() const override { return tool; }
    void ShowTitle(const std::string& text) override { title = text; }
    void SetScrollSizes(ViewSize size) override { scrollSize = size; }
    void Redraw() override { ++redraws; }
    void CloseView() override { closed = true; }
    WindowSizeLimits GetWindowSizeLimits() const override { return limits; }

    std::vector<CWindowKav*> picked;
    std::vector<CTransitionKav*> transitions;
    std::vector<CWindowKav*> newWindows;
    std::vector<CWindowKav*> opened;
    std::vector<int> commands;
    int refreshes = 0;
    int paletteResets = 0;
    int tool = 99;
    std::string title;
    ViewSize scrollSize;
    int redraws = 0;
    bool closed = false;
    WindowSizeLimits limits;
};
