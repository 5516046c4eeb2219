#pragma once
// The window view's printout: pages in points, counted by a pass that prints nothing.
#include <wx/print.h>

#include "views/window/DialogView.h"

class DialogPrintoutUi : public wxPrintout {
public:
    // The window is the one whose look the printed controls take.
    DialogPrintoutUi(CDialogView& view, wxWindow& window);

    void OnPreparePrinting() override;
    bool HasPage(int page) override { return page >= 1 && page <= pages_; }
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool OnPrintPage(int page) override;

    int GetPageCount() const { return pages_; }

private:
    // The page in points; the context scaled so that a unit is a point.
    ViewRect PreparePage();

    CDialogView& view_;
    wxWindow& window_;
    int pages_ = 1;
};
