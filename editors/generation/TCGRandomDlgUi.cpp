#include "editors/generation/TCGRandomDlgUi.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

TCGRandomDlgUi::TCGRandomDlgUi(TCGRandomDlgControls& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    auto* goals = new wxStaticBoxSizer(wxVERTICAL, this, "Coverage Goals");
    for (int goal : {kRandomGoalBlocks, kRandomGoalSteps, kRandomGoalConnections, kRandomGoalPairs})
        goals->Add(MakeCheckBox(goal));

    auto* limits = new wxStaticBoxSizer(wxVERTICAL, this, "Exit Criteria");
    auto* fields = new wxFlexGridSizer(2, wxSize(8, 4));
    const std::pair<const char*, int> texts[] = {{"Percentage to cover", kRandomPercentage},
                                                 {"Iterations without Coverage Increase", kRandomIterations},
                                                 {"Max. Test Cases", kRandomMaxTestCases},
                                                 {"Max. Test Case Length", kRandomMaxLength},
                                                 {"Timeout (Seconds)", kRandomTimeout}};
    for (const auto& [label, id] : texts) {
        fields->Add(new wxStaticText(this, wxID_ANY, label), wxSizerFlags().CenterVertical());
        fields->Add(new wxTextCtrl(this, id));
    }
    limits->Add(fields);

    auto* search = new wxStaticBoxSizer(wxVERTICAL, this, "Search Strategy");
    for (int method : {kRandomDepthFirstSearch, kRandomExploreAdjacent, kRandomTargetUncovered,
                       kRandomContinueAfterFailure})
        search->Add(MakeCheckBox(method));
    auto* depth = new wxBoxSizer(wxHORIZONTAL);
    depth->Add(new wxStaticText(this, wxID_ANY, "Max. Depth"), wxSizerFlags().CenterVertical().Border(wxRIGHT, 8));
    depth->Add(new wxTextCtrl(this, kRandomDfsDepth));
    search->Add(depth);

    auto* top = new wxBoxSizer(wxVERTICAL);
    for (wxSizer* group : std::initializer_list<wxSizer*>{goals, limits, search})
        top->Add(group, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);
}
