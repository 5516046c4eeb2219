#include "views/drawing/ViewCanvas.h"

#include <wx/cshelp.h>
#include <wx/toplevel.h>

#include "shell/Help.h"

namespace {

constexpr int kScrollStep = 10;

}  // namespace

ViewCanvas::ViewCanvas(wxWindow* parent, long style)
    : wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL | style) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetScrollRate(kScrollStep, kScrollStep);
    Bind(wxEVT_KEY_DOWN, &ViewCanvas::OnHelpKey, this);
    Bind(wxEVT_HELP, &ViewCanvas::OnHelpRequest, this);
}

void ViewCanvas::OnHelpKey(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_F1 || !helpContext_) return event.Skip();
    if (event.ShiftDown()) wxContextHelp(this);
    else ShowHelp(helpContext_);
}

// The context help that Shift+F1 started lands here.
void ViewCanvas::OnHelpRequest(wxHelpEvent& event) {
    if (!helpContext_) return event.Skip();
    ShowHelp(helpContext_);
}

ViewPoint ViewCanvas::ToLogical(const wxPoint& point) const {
    const wxPoint logical = CalcUnscrolledPosition(point);
    return {logical.x, logical.y};
}

void SetViewTitle(wxView& view, const std::string& title) {
    if (auto* frame = dynamic_cast<wxTopLevelWindow*>(view.GetFrame())) frame->SetTitle(wxString::FromUTF8(title));
}

void RepaintNow(wxWindow* canvas) {
    if (!canvas) return;
    canvas->Refresh();
    canvas->Update();
}
