#include "editors/generation/TCGDlgControls.h"

#include "editors/generation/TCGRandomDlgControls.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kResourceId = 154;

}  // namespace

const std::vector<int> TCGDlgControls::kKinds{kTcgKindGraph, kTcgKindData, kTcgKindRandom, kTcgKindTransition};
const std::vector<int> TCGDlgControls::kCoverages{kTcgCoverSingle, kTcgCoverSteps, kTcgCoverConnections};
const std::vector<int> TCGDlgControls::kScopes{kTcgScopeElement, kTcgScopeProject};

TCGDlgControls::TCGDlgControls(EditorHost& host, CTCGDlg& dialog) : DialogControls(host, kResourceId), dialog_(dialog) {
    AddControl(kTcgKindGraph, "Graph-oriented Test");
    AddControl(kTcgKindData, "Data-oriented Test");
    AddControl(kTcgKindRandom, "Random Test");
    AddControl(kTcgKindTransition, "Transition Test");
    AddControl(kTcgCoverSingle, "Create 1 Test Case");
    AddControl(kTcgCoverSteps, "Cover all Steps (C0)");
    AddControl(kTcgCoverConnections, "Cover all Connections (C1)");
    AddControl(kTcgValidRecords, "Valid Data Records");
    AddControl(kTcgInvalidRecords, "Invalid Data Records");
    AddControl(kTcgRandomOptionsButton, "Random Test Options...");
    AddControl(kTcgDepth);
    AddControl(kTcgTraversals);
    AddControl(kTcgScopeElement, "Only for the selected Element");
    AddControl(kTcgScopeProject, "For the whole Project");
    AddControl(kTcgDetailedLog, "Detailed Log");
    AddControl(kTcgBuildingBlockInfo, "Save Building Block Information for Test Steps");
}

void TCGDlgControls::OnInitDialog() {
    SetTitle(dialog_.GetTitle(), false);
    ShowChoices(dialog_.UpdateEnabling());
}

void TCGDlgControls::OnKindOrScope() {
    ReadChoices();
    ShowChoices(dialog_.UpdateEnabling());
}

void TCGDlgControls::OnRandomOptions() {
    ReadChoices();
    CTCGRandomDlg::Execute(dialog_.Choices().random, [this](CTCGRandomDlg& options) {
        TCGRandomDlgControls controls(Host(), options);
        return Host().RunModal(controls) == kIdOk;
    });
}

bool TCGDlgControls::OnOK() {
    ReadChoices();
    if (const std::optional<DialogCheckFailure> failure = dialog_.CheckOK())
        return Refuse(*failure);
    return true;
}

void TCGDlgControls::ReadChoices() {
    TCGChoices& choices = dialog_.Choices();
    choices.kind = CheckedRadio(kKinds);
    choices.coverage = CheckedRadio(kCoverages);
    choices.scope = CheckedRadio(kScopes);
    choices.validRecords = IsChecked(kTcgValidRecords);
    choices.invalidRecords = IsChecked(kTcgInvalidRecords);
    choices.depth = GetText(kTcgDepth);
    choices.traversals = GetText(kTcgTraversals);
    choices.detailedLog = IsChecked(kTcgDetailedLog);
    choices.buildingBlockInfo = IsChecked(kTcgBuildingBlockInfo);
}

void TCGDlgControls::ShowChoices(const TCGEnabling& enabling) {
    const TCGChoices& choices = dialog_.Choices();
    CheckRadio(kKinds, choices.kind);
    CheckRadio(kCoverages, choices.coverage);
    CheckRadio(kScopes, choices.scope);
    SetChecked(kTcgValidRecords, choices.validRecords);
    SetChecked(kTcgInvalidRecords, choices.invalidRecords);
    SetText(kTcgDepth, choices.depth);
    SetText(kTcgTraversals, choices.traversals);
    SetChecked(kTcgDetailedLog, choices.detailedLog);
    SetChecked(kTcgBuildingBlockInfo, choices.buildingBlockInfo);

    for (size_t kind = 0; kind < kKinds.size(); ++kind) Enable(kKinds[kind], enabling.kinds[kind]);
    for (int coverage : kCoverages) Enable(coverage, enabling.coverage);
    Enable(kTcgValidRecords, enabling.dataRecords);
    Enable(kTcgInvalidRecords, enabling.dataRecords);
    Enable(kTcgRandomOptionsButton, enabling.randomOptions);
    Enable(kTcgDepth, enabling.depthAndTraversals);
    Enable(kTcgTraversals, enabling.depthAndTraversals);
    Enable(kTcgScopeElement, enabling.elementScope);
}
