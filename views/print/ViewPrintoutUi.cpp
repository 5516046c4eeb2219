#include "views/print/ViewPrintoutUi.h"

#include "views/drawing/WxSurface.h"
#include "views/print/PrintPage.h"

ViewPrintoutUi::ViewPrintoutUi(const std::string& title, wxWindow& window, PagePrinter printPage)
    : wxPrintout(wxString::FromUTF8(title)), window_(window), printPage_(std::move(printPage)) {}

ViewRect ViewPrintoutUi::PreparePage() {
    int pixelsX = 0, pixelsY = 0, ppiX = 0, ppiY = 0;
    GetPageSizePixels(&pixelsX, &pixelsY);
    GetPPIPrinter(&ppiX, &ppiY);
    const ViewRect page = PageRectInPoints(pixelsX, pixelsY, ppiX, ppiY);
    FitThisSizeToPage(wxSize(page.Width(), page.Height()));
    return page;
}

void ViewPrintoutUi::OnPreparePrinting() {
    wxDC* dc = GetDC();
    if (!dc) return;
    const ViewRect page = PreparePage();
    WxSurface surface(*dc, window_, WxSurface::Controls::ThroughBitmaps);
    pages_ = printPage_(surface, page, 0);
}

void ViewPrintoutUi::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = *pageFrom = 1;
    *maxPage = *pageTo = pages_;
}

bool ViewPrintoutUi::OnPrintPage(int page) {
    wxDC* dc = GetDC();
    if (!dc) return false;
    const ViewRect rect = PreparePage();
    WxSurface surface(*dc, window_, WxSurface::Controls::ThroughBitmaps);
    printPage_(surface, rect, page);
    return true;
}

void PrintPages(wxWindow* parent, const std::string& title, wxWindow& window, const ViewPrintoutUi::PagePrinter& printPage,
                bool prompt) {
    wxPrinter printer;
    ViewPrintoutUi printout(title, window, printPage);
    printer.Print(parent, &printout, prompt);
}

void ShowPrintPreview(wxWindow* parent, const std::string& title, wxWindow& window,
                      const ViewPrintoutUi::PagePrinter& printPage) {
    auto* preview =
        new wxPrintPreview(new ViewPrintoutUi(title, window, printPage), new ViewPrintoutUi(title, window, printPage));
    if (!preview->IsOk()) {
        delete preview;
        return;
    }
    auto* frame = new wxPreviewFrame(preview, wxGetTopLevelParent(parent), wxString::FromUTF8(title));
    frame->Initialize();
    frame->Show();
}
