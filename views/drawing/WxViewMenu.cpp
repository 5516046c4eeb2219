#include "views/drawing/WxViewMenu.h"

#include <wx/menu.h>

#include "resources/MessageCatalogue.h"
#include "shell/CommandIds.h"

int ChooseFromViewMenu(wxWindow& window, const std::vector<ViewMenuEntry>& entries, const wxPoint& at) {
    wxMenu menu;
    for (const ViewMenuEntry& entry : entries) {
        if (!entry.command) menu.AppendSeparator();
        else menu.Append(CommandToWindowId(entry.command), wxString::FromUTF8(LoadMessage(entry.textId)));
    }
    return WindowIdToCommand(window.GetPopupMenuSelectionFromUser(menu, at));
}
