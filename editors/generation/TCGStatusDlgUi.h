#pragma once
// The window of the generation status: the four counts, the progress bar, the log and the
// buttons "Save Log File", OK and Stop. A one-shot timer starts the run once the window is on
// screen; while it runs, every poll of the run shows the state and handles the waiting events,
// so Stop can be clicked. Escape and the close box ask the dialog first.
#include <wx/gauge.h>
#include <wx/listbox.h>
#include <wx/timer.h>

#include "editors/framework/EditorDialogUi.h"
#include "editors/generation/TCGStatusDlg.h"

class TCGStatusDlgUi : public EditorDialogUi {
public:
    TCGStatusDlgUi(CTCGStatusDlg& dialog, wxWindow* parent);
    ~TCGStatusDlgUi() override;

private:
    // The progress bar and the lines not shown yet.
    void ShowRun();
    void OnCloseRequest();

    CTCGStatusDlg& dialog_;
    wxGauge* bar_;
    wxListBox* log_;
    wxTimer start_;
    bool timerStarted_ = false;
    size_t shownLines_ = 0;
};
