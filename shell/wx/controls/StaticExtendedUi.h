#pragma once
// The information label on the toolkit: its text line by line in its own colours and font.
#include <string>

#include <wx/window.h>

#include "shell/controls/StaticExtended.h"

class CStaticExtendedUi : public wxWindow {
public:
    CStaticExtendedUi(wxWindow* parent, int id);

    void SetText(const std::string& text);
    void SetTextColor(std::uint32_t colour);
    void SetBkColor(std::uint32_t colour);
    // Not owned; an invalid font: the window's own.
    void SetTextFont(const wxFont& font) { font_ = font; }

private:
    void OnPaint(wxPaintEvent& event);

    CStaticExtended label_;
    std::string text_;
    wxFont font_;
};
