#pragma once
// A view's printout on an A4 page of paper in memory at 72 dots per inch, so that GUI tests print
// without a printer: the printout counts its pages on it, ready for OnPrintPage.
#include <wx/dc.h>
#include <wx/print.h>

inline void PrepareOnPaper(wxPrintout& printout, wxDC& paper) {
    printout.SetDC(&paper);
    printout.SetPPIPrinter(72, 72);
    printout.SetPPIScreen(72, 72);
    printout.SetPageSizePixels(595, 842);
    printout.SetPaperRectPixels(wxRect(0, 0, 595, 842));
    printout.OnPreparePrinting();
}
