#include "editors/generation/DataRecordGenDlgUi.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace {

// The group of radio buttons in a frame of that title.
wxSizer* RadioGroup(wxWindow* window, const char* title, const std::vector<wxRadioButton*>& buttons) {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, window, title);
    for (wxRadioButton* button : buttons) group->Add(button, wxSizerFlags().Border(wxBOTTOM, 2));
    return group;
}

}  // namespace

DataRecordGenDlgUi::DataRecordGenDlgUi(DataRecordGenDlgControls& dialog, wxWindow* parent)
    : EditorDialogUi(dialog, parent) {
    std::vector<wxRadioButton*> groups[3];
    const std::vector<int>* ids[3] = {&DataRecordGenDlgControls::kTestTypes, &DataRecordGenDlgControls::kValues,
                                      &DataRecordGenDlgControls::kStrategies};
    for (size_t group = 0; group < 3; ++group)
        for (int id : *ids[group]) groups[group].push_back(MakeRadioButton(id, groups[group].empty()));
    wxSizer* testType = RadioGroup(this, "Test Type", groups[0]);
    testType->Add(new wxStaticText(this, wxID_ANY, "Cause-effect combinations with boundary values"),
                  wxSizerFlags().Border(wxLEFT, 20));
    wxSizer* values = RadioGroup(this, "Values per Equivalence Class", groups[1]);
    wxSizer* strategy = RadioGroup(this, "Combination Strategy", groups[2]);

    auto* top = new wxBoxSizer(wxVERTICAL);
    for (wxSizer* group : {testType, values, strategy})
        top->Add(group, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    for (int records : {kGenValidRecords, kGenInvalidRecords})
        top->Add(MakeCheckBox(records), wxSizerFlags().Border(wxLEFT | wxTOP, 6));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);

    BindCheck(kGenEqClassMethod, [&dialog] { dialog.OnEqClassMethod(); });
    BindCheck(kGenDeltraMethod, [&dialog] { dialog.OnDeltraMethod(); });
}
