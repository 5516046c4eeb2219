#include "capture/wx/HighlightFrame.h"

#include <algorithm>

#include <wx/popupwin.h>

HighlightFrame::HighlightFrame(wxWindow* owner) {
    for (wxPopupWindow*& bar : bars_) {
        bar = new wxPopupWindow(owner, wxBORDER_NONE);
        bar->SetBackgroundColour(*wxRED);
    }
}

HighlightFrame::~HighlightFrame() {
    for (wxPopupWindow* bar : bars_) delete bar;
}

void HighlightFrame::Show(const wxRect& rect) {
    const int width = std::max(rect.width, kWidth), height = std::max(rect.height, kWidth);
    const wxRect sides[] = {{rect.x, rect.y, width, kWidth},
                            {rect.x, rect.y + height - kWidth, width, kWidth},
                            {rect.x, rect.y, kWidth, height},
                            {rect.x + width - kWidth, rect.y, kWidth, height}};
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        bars_[i]->SetSize(sides[i]);
        bars_[i]->Show();
        bars_[i]->Raise();
    }
}

void HighlightFrame::Hide() {
    for (wxPopupWindow* bar : bars_) bar->Hide();
}

bool HighlightFrame::IsShown() const { return bars_[0]->IsShown(); }
