#pragma once
// The record grid's canvas on a wx device context, and the wx font of a grid font.
#include <wx/dc.h>
#include <wx/font.h>
#include <wx/window.h>

#include "editors/grid/GridCanvas.h"

wxFont ToWxFont(const GridFont& font);
wxColour ToWxColour(GridColour colour);

class WxGridCanvas : public GridCanvas {
public:
    // The window is the one whose look the native renderer follows.
    WxGridCanvas(wxDC& dc, wxWindow& window) : dc_(dc), window_(window) {}

    void Fill(const GridRect& rect, GridColour colour) override;
    void EtchedEdge(const GridRect& rect) override;
    void Cell(const GridRect& rect, GridColour fill, GridColour line) override;
    void Text(const GridRect& rect, const std::string& text, const GridFont& font, GridColour colour,
              unsigned format) override;
    void CheckBox(const GridRect& rect, bool checked) override;
    void Frame(const GridRect& rect, GridColour colour, int width) override;
    void EditBox(const GridRect& rect) override;

private:
    wxDC& dc_;
    wxWindow& window_;
};
