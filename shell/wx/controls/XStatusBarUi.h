#pragma once
// The main frame's status bar on the toolkit: a sunken strip that paints the status text in its
// own colour and font, with the rule after it when there is room.
#include <string>

#include <wx/font.h>
#include <wx/statusbr.h>

#include "shell/controls/XStatusBar.h"

class CXStatusBarUi : public wxStatusBar {
public:
    explicit CXStatusBarUi(wxWindow* parent);

    // Stores the text and paints the bar at once.
    void ShowStatusText(const std::string& text);
    const CXStatusBar& GetLogic() const { return bar_; }
    void SetTextColor(const wxColour& colour);
    void SetTextFont(const wxFont& font) { font_ = font; }

private:
    void OnPaint(wxPaintEvent& event);

    CXStatusBar bar_;
    wxColour colour_;
    wxFont font_;
};
