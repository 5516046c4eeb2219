#include "shell/wx/ProductArt.h"

#include <wx/artprov.h>
#include <wx/dcmemory.h>

namespace {

constexpr int kButtonSize = 16;

wxArtID StockArt(int command) {
    switch (command) {
        case 32810: return wxART_FILE_OPEN;
        case 32812: return wxART_FILE_SAVE;
        case 57607: return wxART_PRINT;
        case 57635: return wxART_CUT;
        case 57634: return wxART_COPY;
        case 57637: return wxART_PASTE;
        case 57643: return wxART_UNDO;
        case 57644: return wxART_REDO;
        case 32930: return wxART_FIND;
        case 40003: return wxART_DELETE;
        default: return wxArtID();
    }
}

std::string Initials(const std::string& name) {
    std::string initials;
    bool wordStart = true;
    for (char c : name) {
        if (c == ' ') wordStart = true;
        else if (wordStart && initials.size() < 2) initials += c, wordStart = false;
        else wordStart = false;
    }
    return initials;
}

wxBitmap Glyph(const std::string& text, int size, const wxColour& back) {
    wxBitmap bitmap(size, size);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(back));
    dc.Clear();
    dc.SetPen(wxPen(back.ChangeLightness(60)));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(0, 0, size, size);
    dc.SetFont(wxFontInfo(wxSize(0, size * 9 / 16)).Family(wxFONTFAMILY_SWISS).Bold());
    dc.SetTextForeground(*wxWHITE);
    dc.DrawLabel(wxString::FromUTF8(text), wxRect(0, 0, size, size), wxALIGN_CENTER);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

}  // namespace

wxBitmap ProductLogo() { return Glyph("K", 64, wxColour(5, 130, 10)); }

wxBitmap CommandBitmap(int command, const std::string& name) {
    const wxArtID art = StockArt(command);
    if (!art.empty()) {
        wxBitmap stock = wxArtProvider::GetBitmap(art, wxART_TOOLBAR, wxSize(kButtonSize, kButtonSize));
        if (stock.IsOk()) return stock;
    }
    return Glyph(Initials(name), kButtonSize, wxColour(60, 90, 150));
}

wxBitmap PageIcon(WorkspacePageIndex page) {
    switch (page) {
        case WorkspacePageIndex::Tasks: return Glyph("T", kButtonSize, wxColour(5, 130, 10));
        case WorkspacePageIndex::Requirements: return Glyph("R", kButtonSize, wxColour(150, 90, 20));
        case WorkspacePageIndex::Windows: return Glyph("W", kButtonSize, wxColour(60, 90, 150));
        case WorkspacePageIndex::TestData: return Glyph("D", kButtonSize, wxColour(120, 60, 140));
    }
    return wxBitmap();
}
