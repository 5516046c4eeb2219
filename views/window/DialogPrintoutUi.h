#pragma once
// The window view's printout.
#include "views/print/ViewPrintoutUi.h"
#include "views/window/DialogView.h"
#include "views/window/DialogViewPrint.h"

class DialogPrintoutUi : public ViewPrintoutUi {
public:
    // The window is the one whose look the printed controls take.
    DialogPrintoutUi(CDialogView& view, wxWindow& window)
        : ViewPrintoutUi(view.GetTitle(), window, [&view](TextSurface& surface, const ViewRect& page, int number) {
              return PrintDialogPage(view, surface, page, number);
          }) {}
};
