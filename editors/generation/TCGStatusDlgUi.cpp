#include "editors/generation/TCGStatusDlgUi.h"

#include <wx/app.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

TCGStatusDlgUi::TCGStatusDlgUi(CTCGStatusDlg& dialog, wxWindow* parent)
    : EditorDialogUi(dialog, parent), dialog_(dialog), start_(this) {
    auto* counts = new wxFlexGridSizer(2, wxSize(12, 4));
    const std::pair<const char*, int> counters[] = {{"Total Number of Test Objects:", kStatusTotal},
                                                    {"Completed:", kStatusCompleted},
                                                    {"Remaining:", kStatusRemaining},
                                                    {"Failures:", kStatusFailures}};
    for (const auto& [label, id] : counters) {
        counts->Add(new wxStaticText(this, wxID_ANY, label));
        counts->Add(new wxStaticText(this, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxST_NO_AUTORESIZE),
                    wxSizerFlags().Expand());
    }
    counts->AddGrowableCol(1);
    bar_ = new wxGauge(this, kStatusProgressBar, 1, wxDefaultPosition, ConvertDialogToPixels(wxSize(300, 10)));
    log_ = new wxListBox(this, kStatusLog, wxDefaultPosition, ConvertDialogToPixels(wxSize(300, 150)), 0, nullptr,
                         wxLB_SINGLE | wxLB_HSCROLL);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(MakeButton(kStatusSaveLog));
    buttons->AddStretchSpacer();
    buttons->Add(MakeButton(kIdOk), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(MakeButton(kStatusStop));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(counts, wxSizerFlags().Expand().Border(wxALL, 6));
    top->Add(bar_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(log_, wxSizerFlags(1).Expand().Border(wxALL, 6));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 6));
    SetSizerAndFit(top);

    BindButton(kStatusStop, [&dialog] { dialog.OnStop(); });
    BindButton(kStatusSaveLog, [&dialog] { dialog.OnSaveLog(); });
    // Once, when the window is on screen.
    Bind(wxEVT_SHOW, [this](wxShowEvent& event) {
        event.Skip();
        if (event.IsShown() && !timerStarted_) timerStarted_ = start_.StartOnce(CTCGStatusDlg::kStartDelayMs);
    });
    Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        Forward([this] { dialog_.OnTimer(); });
        ShowRun();
    });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        if (!event.CanVeto()) {
            event.Skip();
            return;
        }
        event.Veto();
        OnCloseRequest();
    });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE) OnCloseRequest();
        else event.Skip();
    });
    dialog.SetEventPump([this] {
        ApplyState();
        ShowRun();
        wxSafeYield(this, true);
    });
}

TCGStatusDlgUi::~TCGStatusDlgUi() { dialog_.SetEventPump(nullptr); }

void TCGStatusDlgUi::ShowRun() {
    const int range = std::max(dialog_.GetBarRange(), 1);
    if (bar_->GetRange() != range) bar_->SetRange(range);
    bar_->SetValue(std::min(dialog_.GetBarPosition(), range));

    const std::vector<std::string>& lines = dialog_.LogLines();
    if (shownLines_ == lines.size()) return;
    wxArrayString added;
    for (; shownLines_ < lines.size(); ++shownLines_) added.Add(ToWx(lines[shownLines_]));
    log_->Append(added);
    log_->EnsureVisible(static_cast<int>(log_->GetCount()) - 1);
}

void TCGStatusDlgUi::OnCloseRequest() {
    bool close = false;
    Forward([this, &close] { close = dialog_.OnCloseRequest(); });
    if (close) EndModal(wxID_CANCEL);
}
