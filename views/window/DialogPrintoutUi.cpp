#include "views/window/DialogPrintoutUi.h"

#include "views/drawing/WxSurface.h"
#include "views/print/PrintPage.h"
#include "views/window/DialogViewPrint.h"

DialogPrintoutUi::DialogPrintoutUi(CDialogView& view, wxWindow& window)
    : wxPrintout(wxString::FromUTF8(view.GetTitle())), view_(view), window_(window) {}

ViewRect DialogPrintoutUi::PreparePage() {
    int pixelsX = 0, pixelsY = 0, ppiX = 0, ppiY = 0;
    GetPageSizePixels(&pixelsX, &pixelsY);
    GetPPIPrinter(&ppiX, &ppiY);
    const ViewRect page = PageRectInPoints(pixelsX, pixelsY, ppiX, ppiY);
    FitThisSizeToPage(wxSize(page.Width(), page.Height()));
    return page;
}

void DialogPrintoutUi::OnPreparePrinting() {
    wxDC* dc = GetDC();
    if (!dc) return;
    const ViewRect page = PreparePage();
    WxSurface surface(*dc, window_, WxSurface::Controls::ThroughBitmaps);
    pages_ = PrintDialogPage(view_, surface, page, 0);
}

void DialogPrintoutUi::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = *pageFrom = 1;
    *maxPage = *pageTo = pages_;
}

bool DialogPrintoutUi::OnPrintPage(int page) {
    wxDC* dc = GetDC();
    if (!dc) return false;
    const ViewRect rect = PreparePage();
    WxSurface surface(*dc, window_, WxSurface::Controls::ThroughBitmaps);
    PrintDialogPage(view_, surface, rect, page);
    return true;
}
