#include "editors/conversion/TestcaseConverterDlgUi.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

// A label above an edit with its Browse button (or none) beside it.
void AddPathRow(wxWindow* window, wxSizer* sizer, const char* label, wxTextCtrl* edit, wxButton* browse) {
    sizer->Add(new wxStaticText(window, wxID_ANY, label), wxSizerFlags().Border(wxTOP, 4));
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(edit, wxSizerFlags(1).CenterVertical());
    if (browse) row->Add(browse, wxSizerFlags().Border(wxLEFT, 6));
    sizer->Add(row, wxSizerFlags().Expand());
}

}  // namespace

TestcaseConverterDlgUi::TestcaseConverterDlgUi(TestcaseConverterDlgControls& dialog, wxWindow* parent)
    : EditorDialogUi(dialog, parent) {
    const wxSize pathSize = ConvertDialogToPixels(wxSize(220, -1));
    auto* scope = new wxStaticBoxSizer(wxVERTICAL, this, "Convert Test Cases");
    scope->Add(MakeRadioButton(kTccScopeElement, true));
    scope->Add(MakeRadioButton(kTccScopeProject));

    auto* format = new wxStaticBoxSizer(wxVERTICAL, this, "Output Format");
    format->Add(new wxChoice(this, kTccFormat), wxSizerFlags().Expand());

    auto* options = new wxStaticBoxSizer(new wxStaticBox(this, kTccOptionsGroup, wxEmptyString), wxVERTICAL);
    auto* optionFields = new wxFlexGridSizer(2, wxSize(8, 4));
    optionFields->Add(new wxStaticText(this, kTccTimeoutLabel, wxEmptyString), wxSizerFlags().CenterVertical());
    optionFields->Add(new wxTextCtrl(this, kTccTimeout));
    optionFields->AddSpacer(0);
    optionFields->Add(MakeCheckBox(kTccOptimizeWait));
    optionFields->Add(new wxStaticText(this, kTccKeyboardLabel, wxEmptyString), wxSizerFlags().CenterVertical());
    optionFields->Add(new wxChoice(this, kTccKeyboard));
    optionFields->Add(new wxStaticText(this, kTccExtraVariablesLabel, wxEmptyString), wxSizerFlags().CenterVertical());
    optionFields->Add(new wxTextCtrl(this, kTccExtraVariables, wxEmptyString, wxDefaultPosition, pathSize));
    options->Add(optionFields);
    options->Add(MakeCheckBox(kTccShowUft));
    options->Add(MakeCheckBox(kTccLeaveUftOpen));

    auto* output = new wxBoxSizer(wxVERTICAL);
    AddPathRow(this, output, "Test Script Directory",
               new wxTextCtrl(this, kTccOutputPath, wxEmptyString, wxDefaultPosition, pathSize),
               MakeButton(kTccBrowseOutput));

    auto* start = new wxStaticBoxSizer(wxVERTICAL, this, "Start Options");
    AddPathRow(this, start, "URL of Start Page", new wxTextCtrl(this, kTccStartPage), nullptr);
    start->Add(MakeCheckBox(kTccWebTest), wxSizerFlags().Border(wxTOP, 4));
    AddPathRow(this, start, "Root Directory (Optional Prefix for other Paths)", new wxTextCtrl(this, kTccRootFolder),
               MakeButton(kTccBrowseRoot));
    AddPathRow(this, start, "Path to Application's Executable", new wxTextCtrl(this, kTccExePath),
               MakeButton(kTccBrowseExe));
    AddPathRow(this, start, "Working Directory of Executable", new wxTextCtrl(this, kTccWorkingFolder),
               MakeButton(kTccBrowseWorking));
    AddPathRow(this, start, "Command Line Parameters", new wxTextCtrl(this, kTccParameters), nullptr);

    auto* top = new wxBoxSizer(wxVERTICAL);
    for (wxSizer* part : std::initializer_list<wxSizer*>{scope, format, options, output, start})
        top->Add(part, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);

    BindChoice(kTccFormat, [&dialog] { dialog.OnSelchangeOutputFormat(); });
    BindCheck(kTccWebTest, [&dialog] { dialog.OnWebTest(); });
    BindCheck(kTccShowUft, [&dialog] { dialog.OnShowUftWindow(); });
    BindButton(kTccBrowseOutput, [&dialog] { dialog.OnBrowseScriptDir(); });
    BindButton(kTccBrowseRoot, [&dialog] { dialog.OnBrowseRootDir(); });
    BindButton(kTccBrowseExe, [&dialog] { dialog.OnBrowseExecutable(); });
    BindButton(kTccBrowseWorking, [&dialog] { dialog.OnBrowseWorkingDir(); });
}
