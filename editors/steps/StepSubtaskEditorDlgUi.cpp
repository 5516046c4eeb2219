#include "editors/steps/StepSubtaskEditorDlgUi.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

StepSubtaskEditorDlgUi::StepSubtaskEditorDlgUi(CStepSubtaskEditorDlg& dialog, wxWindow* parent)
    : EditorDialogUi(dialog, parent) {
    auto label = [this](const char* text) { return new wxStaticText(this, wxID_ANY, text); };
    auto edit = [this](int id, wxSize size = wxDefaultSize) {
        return new wxTextCtrl(this, id, wxEmptyString, wxDefaultPosition, size);
    };
    // Made in their tab order.
    auto* nameLabel = label("Name");
    auto* name = edit(kSubName);
    auto* priorityLabel = label("Priority");
    auto* priority = edit(kSubPriority, ConvertDialogToPixels(wxSize(30, -1)));
    auto* loops = new wxStaticBoxSizer(wxVERTICAL, this, "Loop Settings");
    wxRadioButton* execute = MakeRadioButton(kSubExecute, true);
    auto* count = edit(kSubLoopCount, ConvertDialogToPixels(wxSize(120, -1)));
    auto* times = label("time(s)");
    wxButton* browseLoop = MakeButton(kSubBrowseLoop);
    wxRadioButton* byDataSet = MakeRadioButton(kSubDataSetMode);
    auto* dataSet = new wxChoice(this, kSubDataSet);
    wxCheckBox* valid = MakeCheckBox(kSubValidRecords);
    wxCheckBox* invalid = MakeCheckBox(kSubInvalidRecords);
    auto* parameters = new wxStaticBoxSizer(wxVERTICAL, this, "Parameters");
    wxListView* list = MakeList(kSubParameters, ConvertDialogToPixels(wxSize(300, 80)));
    auto* valueLabel = label("Value");
    auto* value = edit(kSubValue);
    wxButton* setValue = MakeButton(kSubSetValue);
    wxButton* browseValue = MakeButton(kSubBrowseValue);

    auto* head = new wxBoxSizer(wxHORIZONTAL);
    head->Add(nameLabel, wxSizerFlags().CenterVertical().Border(wxRIGHT, 4));
    head->Add(name, wxSizerFlags(1).CenterVertical().Border(wxRIGHT, 12));
    head->Add(priorityLabel, wxSizerFlags().CenterVertical().Border(wxRIGHT, 4));
    head->Add(priority, wxSizerFlags().CenterVertical());

    auto* countRow = new wxBoxSizer(wxHORIZONTAL);
    countRow->Add(execute, wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    countRow->Add(count, wxSizerFlags().CenterVertical().Border(wxRIGHT, 4));
    countRow->Add(times, wxSizerFlags().CenterVertical().Border(wxRIGHT, 12));
    countRow->Add(browseLoop, wxSizerFlags().CenterVertical());
    auto* dataSetRow = new wxBoxSizer(wxHORIZONTAL);
    dataSetRow->Add(byDataSet, wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    dataSetRow->Add(dataSet, wxSizerFlags(1).CenterVertical());
    auto* recordRow = new wxBoxSizer(wxHORIZONTAL);
    recordRow->Add(valid, wxSizerFlags().Border(wxRIGHT, 12));
    recordRow->Add(invalid);
    loops->Add(countRow, wxSizerFlags().Expand().Border(wxALL, 4));
    loops->Add(dataSetRow, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 4));
    loops->Add(recordRow, wxSizerFlags().Border(wxALL, 4));

    auto* valueRow = new wxBoxSizer(wxHORIZONTAL);
    valueRow->Add(valueLabel, wxSizerFlags().CenterVertical().Border(wxRIGHT, 4));
    valueRow->Add(value, wxSizerFlags(1).CenterVertical().Border(wxRIGHT, 6));
    valueRow->Add(setValue, wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    valueRow->Add(browseValue, wxSizerFlags().CenterVertical());
    parameters->Add(list, wxSizerFlags(1).Expand().Border(wxALL, 4));
    parameters->Add(valueRow, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 4));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(head, wxSizerFlags().Expand().Border(wxALL, 6));
    top->Add(loops, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(parameters, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);

    BindCheck(kSubExecute, [&dialog] { dialog.OnExecute(); });
    BindCheck(kSubDataSetMode, [&dialog] { dialog.OnDataSet(); });
    BindButton(kSubSetValue, [&dialog] { dialog.OnSetValue(); });
    for (int button : {kSubBrowseLoop, kSubBrowseValue})
        BindButton(button, [&dialog, button] { dialog.OnBrowseDesignators(button); });
}
