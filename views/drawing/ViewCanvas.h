#pragma once
// What every view's window shares: a scrolled canvas painted by the view, with the pointer in
// the view's logical coordinates, and the view's frame title and immediate repaint.
#include <string>

#include <wx/docview.h>
#include <wx/event.h>
#include <wx/scrolwin.h>

#include "views/drawing/ViewGeometry.h"

class ViewCanvas : public wxScrolledWindow {
public:
    // style: more window styles than the scroll bars.
    explicit ViewCanvas(wxWindow* parent, long style = 0);

    // A point of the window in the view's logical coordinates.
    ViewPoint ToLogical(const wxPoint& point) const;
    // F1 opens the view's help topic; with Shift held the pointer asks for help on what it
    // clicks next. Without a topic F1 goes on to the frame.
    void SetHelpContext(int context) { helpContext_ = context; }

private:
    void OnHelpKey(wxKeyEvent& event);
    void OnHelpRequest(wxHelpEvent& event);

    int helpContext_ = 0;
};

// The title of the view's child frame.
void SetViewTitle(wxView& view, const std::string& title);
// Paints the canvas again at once (nothing without one).
void RepaintNow(wxWindow* canvas);
