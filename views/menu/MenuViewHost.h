#pragma once
// What the menu view needs of its surroundings: the main frame, to which it reports the items
// and transitions chosen, and the view's own window.
#include <string>

class CMenuItemKav;
class CTransitionKav;

class MenuViewHost {
public:
    virtual ~MenuViewHost() = default;

    // A plain menu item (neither popup nor separator) was clicked.
    virtual void ReportMenuItem(CMenuItemKav* item) = 0;
    // A transition was pressed while clicks are reported, double-clicked, or chosen to edit.
    virtual void ReportTransition(CTransitionKav* transition) = 0;
    // A command of the view's context menu that the main frame carries out.
    virtual void SendCommand(int command) = 0;

    virtual void ShowTitle(const std::string& title) = 0;
    // Paints the view again at once.
    virtual void Redraw() = 0;
    // Closes the view's child frame once the current event is handled.
    virtual void CloseView() = 0;
};
