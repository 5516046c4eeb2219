#include "shell/wx/HTMLDlgUi.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/progdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include "platform/Progress.h"

namespace {

wxString ToWx(const std::string& text) { return wxString::FromUTF8(text); }

// Shows each page the run begins in the progress window; the window's Cancel asks the run to
// stop.
class ProgressWindowObserver : public ProgressObserver {
public:
    ProgressWindowObserver(Progress& progress, wxProgressDialog& window) : progress_(progress), window_(window) {}

    void OnCountsChanged(const ProgressCounts& counts) override {
        window_.SetRange(std::max(counts.total, 1));
        position_ = std::min(counts.position, std::max(counts.total, 1) - 1);
    }
    void OnCurrentItem(const std::string& item) override {
        if (!window_.Update(position_, ToWx(item))) progress_.RequestStop();
    }

private:
    Progress& progress_;
    wxProgressDialog& window_;
    int position_ = 0;
};

}  // namespace

CHTMLDlgUi::CHTMLDlgUi(HtmlGeneratorDialog& dialog, wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "HTML Generator"), dialog_(dialog) {
    auto* folderRow = new wxBoxSizer(wxHORIZONTAL);
    folder_ = new wxTextCtrl(this, HtmlGeneratorDialog::kFolderEdit, ToWx(dialog_.GetTargetFolder()), wxDefaultPosition,
                             wxSize(360, -1));
    folderRow->Add(folder_, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    folderRow->Add(new wxButton(this, HtmlGeneratorDialog::kBrowseButton, "Browse..."), 0, wxALIGN_CENTER_VERTICAL);

    screenshots_ = new wxCheckBox(this, HtmlGeneratorDialog::kScreenshotsCheck, "Include Screenshots");
    screenshots_->SetValue(dialog_.IncludesScreenshots());

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    buttons->Add(ok, 0, wxRIGHT, 6);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"));

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(new wxStaticText(this, wxID_ANY, "Target Directory"), 0, wxLEFT | wxRIGHT | wxTOP, 10);
    content->Add(folderRow, 0, wxEXPAND | wxALL, 10);
    content->Add(screenshots_, 0, wxLEFT | wxRIGHT, 16);
    content->Add(buttons, 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(content);
    CentreOnScreen();

    Bind(wxEVT_BUTTON, &CHTMLDlgUi::OnOK, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CHTMLDlgUi::OnBrowse, this, HtmlGeneratorDialog::kBrowseButton);
    // The toolkit has no help event of its own for F1: the key is caught before any control.
    Bind(wxEVT_CHAR_HOOK, &CHTMLDlgUi::OnCharHook, this);
    folder_->SetFocus();
}

void CHTMLDlgUi::TakeControls() {
    dialog_.SetTargetFolder(std::string(folder_->GetValue().utf8_str()));
    dialog_.SetIncludeScreenshots(screenshots_->GetValue());
}

void CHTMLDlgUi::OnOK(wxCommandEvent&) {
    TakeControls();
    if (dialog_.OnOK()) {
        EndModal(wxID_OK);
        return;
    }
    folder_->SetFocus();
    folder_->SelectAll();
}

void CHTMLDlgUi::OnBrowse(wxCommandEvent&) {
    TakeControls();
    dialog_.OnBrowse();
    folder_->ChangeValue(ToWx(dialog_.GetTargetFolder()));
}

void CHTMLDlgUi::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_F1) {
        event.Skip();
        return;
    }
    dialog_.OnHelpKey(event.ShiftDown());
    // No control of the dialog has a help context of its own.
    dialog_.OnHelpRequest(0);
}

bool HtmlGeneratorWindowUi::ShowModal(HtmlGeneratorDialog& dialog) {
    CHTMLDlgUi window(dialog, nullptr);
    return window.ShowModal() == wxID_OK;
}

void HtmlGeneratorWindowUi::RunWithProgress(Progress& progress, const std::function<void()>& work) {
    wxBusyCursor busy;
    wxProgressDialog window("HTML Generator", wxString(' ', 60), 1, nullptr,
                            wxPD_APP_MODAL | wxPD_CAN_ABORT | wxPD_AUTO_HIDE);
    ProgressWindowObserver observer(progress, window);
    progress.AddObserver(&observer);
    work();
    progress.RemoveObserver(&observer);
}

std::unique_ptr<HtmlGeneratorWindow> MakeHtmlGeneratorWindow() { return std::make_unique<HtmlGeneratorWindowUi>(); }
