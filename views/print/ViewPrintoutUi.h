#pragma once
// A view's printout: pages in points, counted by a pass that prints nothing.
#include <functional>
#include <string>

#include <wx/print.h>

#include "views/drawing/TextSurface.h"

class ViewPrintoutUi : public wxPrintout {
public:
    // Prints the page (1 onward, 0 prints nothing) on a page of that rectangle and gives the
    // number of pages.
    using PagePrinter = std::function<int(TextSurface& surface, const ViewRect& page, int pageNumber)>;

    // The window is the one whose look printed controls take.
    ViewPrintoutUi(const std::string& title, wxWindow& window, PagePrinter printPage);

    void OnPreparePrinting() override;
    bool HasPage(int page) override { return page >= 1 && page <= pages_; }
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool OnPrintPage(int page) override;

    int GetPageCount() const { return pages_; }

private:
    // The page in points; the context scaled so that a unit is a point.
    ViewRect PreparePage();

    wxWindow& window_;
    PagePrinter printPage_;
    int pages_ = 1;
};

// The print dialog (when prompted) and the printout of the pages.
void PrintPages(wxWindow* parent, const std::string& title, wxWindow& window, const ViewPrintoutUi::PagePrinter& printPage,
                bool prompt);
// The preview of the pages in a frame of its own over the parent's top-level window.
void ShowPrintPreview(wxWindow* parent, const std::string& title, wxWindow& window,
                      const ViewPrintoutUi::PagePrinter& printPage);
