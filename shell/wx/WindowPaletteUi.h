#pragma once
// The window palette: a button per drawing tool in three columns, each giving its command; the
// button of the current drawing tool stays pressed.
#include <wx/panel.h>

class WindowPaletteUi : public wxPanel {
public:
    explicit WindowPaletteUi(wxWindow* parent);
};
