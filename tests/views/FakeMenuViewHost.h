#pragma once
// The menu view's surroundings for tests: it records what the view reports.
#include <string>
#include <vector>

#include "views/menu/MenuViewHost.h"

class FakeMenuViewHost : public MenuViewHost {
public:
    void ReportMenuItem(CMenuItemKav* item) override { items.push_back(item); }
    void ReportTransition(CTransitionKav* transition) override { transitions.push_back(transition); }
    void SendCommand(int command) override { commands.push_back(command); }
    void ShowTitle(const std::string& text) override { title = text; }
    void Redraw() override { ++redraws; }
    void CloseView() override { closed = true; }

    std::vector<CMenuItemKav*> items;
    std::vector<CTransitionKav*> transitions;
    std::vector<int> commands;
    std::string title;
    int redraws = 0;
    bool closed = false;
};
