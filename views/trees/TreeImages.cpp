#include "views/trees/TreeImages.h"

#include <string>

#include <wx/artprov.h>
#include <wx/dcmemory.h>
#include <wx/imaglist.h>

#include "model/DisplayTexts.h"
#include "model/WindowKav.h"

namespace {

const wxSize kImageSize(16, 16);

wxBitmap Art(const wxArtID& id) {
    wxBitmap bitmap = wxArtProvider::GetBitmap(id, wxART_OTHER, kImageSize);
    return bitmap.IsOk() && bitmap.GetSize() == kImageSize ? bitmap : wxBitmap(kImageSize);
}

// A small frame in the colour with the initial inside.
wxBitmap Badge(const wxColour& colour, const wxString& initial) {
    wxBitmap bitmap(kImageSize);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        dc.SetPen(wxPen(colour));
        dc.SetBrush(wxBrush(colour.ChangeLightness(170)));
        dc.DrawRectangle(1, 1, 14, 14);
        dc.SetFont(wxFont(wxFontInfo(7).Bold()));
        dc.SetTextForeground(colour);
        const wxSize extent = dc.GetTextExtent(initial);
        dc.DrawText(initial, (16 - extent.x) / 2, (16 - extent.y) / 2);
    }
    bitmap.SetMask(new wxMask(bitmap, *wxWHITE));
    return bitmap;
}

}  // namespace

wxImageList* ArtImages(const std::vector<wxArtID>& art, wxSize size) {
    auto* images = new wxImageList(size.x, size.y, false);
    for (const wxArtID& id : art) {
        const wxBitmap bitmap = wxArtProvider::GetBitmap(id, wxART_OTHER, kImageSize);
        images->Add(bitmap.IsOk() ? wxBitmap(bitmap.ConvertToImage().Size(size, wxPoint(0, 0))) : wxBitmap(size));
    }
    return images;
}

wxImageList* TaskTreeImages() {
    auto* images = new wxImageList(kImageSize.x, kImageSize.y);
    images->Add(Badge(wxColour(0, 90, 160), "T"));
    images->Add(Badge(wxColour(0, 120, 60), "D"));
    images->Add(Badge(wxColour(150, 80, 0), "B"));
    images->Add(Art(wxART_FOLDER));
    images->Add(Badge(wxColour(120, 0, 120), "V"));
    images->Add(wxBitmap(kImageSize));
    images->Add(Art(wxART_NORMAL_FILE));
    images->Add(Art(wxART_HELP_BOOK));
    return images;
}

wxImageList* WindowTreeImages() {
    auto* images = new wxImageList(kImageSize.x, kImageSize.y);
    images->Add(Art(wxART_NORMAL_FILE));
    images->Add(Art(wxART_FOLDER));
    for (int type = 0; type < kWindowTypeCount; ++type) {
        const std::string name = GetWindowTypeName(type);
        const bool container = type <= kWndCustom;
        images->Add(Badge(container ? wxColour(0, 70, 150) : wxColour(60, 60, 60), wxString(name.substr(0, 1))));
    }
    images->Add(Art(wxART_REPORT_VIEW));
    images->Add(Badge(wxColour(0, 120, 60), ":"));
    for (int unused = 0; unused < 3; ++unused) images->Add(wxBitmap(kImageSize));
    images->Add(Art(wxART_HELP_BOOK));
    return images;
}
