#include "views/picker/WindowSelectDlgUi.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include "shell/MainFrame.h"
#include "shell/wx/MainFrameUi.h"
#include "views/trees/ItemTreeUi.h"
#include "views/trees/TreeImages.h"

CWindowSelectDlgUi::CWindowSelectDlgUi(wxWindow* parent, CWindowSelectDlg& logic)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(logic.GetTitle()), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      logic_(logic) {
    tree_ = new ItemTreeUi(this, CWindowSelectDlg::kTreeId, logic.Tree(), *this, WindowTreeImages(), false);
    tree_->SetMinSize(FromDIP(wxSize(320, 420)));
    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(tree_, wxSizerFlags(1).Expand().Border());
    layout->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM));
    SetSizerAndFit(layout);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndWithChoice(); }, wxID_OK);
    logic.Fill();
    tree_->Enable(true);
}

void CWindowSelectDlgUi::EndWithChoice() {
    if (logic_.Choose()) EndModal(wxID_OK);
}

std::string CWindowSelectDlgUi::SelectReference(wxWindow* parent, int flags, CTaskKav* task, CDataSet* dataSet,
                                                const OwningList<CDataEffect>* list) {
    CWindowSelectDlg logic;
    logic.SetContext(flags, task, dataSet, list);
    CWindowSelectDlgUi dialog(parent, logic);
    return dialog.ShowModal() == wxID_OK ? logic.GetResult() : std::string();
}

void InstallReferencePickerDialog() {
    InstallFrameParts("picker", [](CMainFrame& frame, wxWindow* window) {
        frame.Services().editors.selectReference = [window](int kinds, CTaskKav* task, CDataSet* dataSet,
                                                            const OwningList<CDataEffect>* effects) {
            // Over the editor that asked, else over the main window.
            wxWindow* parent = wxGetActiveWindow();
            return CWindowSelectDlgUi::SelectReference(parent ? parent : window, kinds, task, dataSet, effects);
        };
    });
}
