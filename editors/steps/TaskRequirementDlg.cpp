#include "editors/steps/TaskRequirementDlg.h"

#include <algorithm>

#include "model/ApplicationKav.h"
#include "model/Requirement.h"
#include "model/TaskKav.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kRequirementStructureCorrupted = 41160;
constexpr int kTitle = 47197;
constexpr int kColumnId = 47224;
constexpr int kColumnTitle = 47225;

}  // namespace

CTaskRequirementDlg::CTaskRequirementDlg(EditorHost& host, CApplicationKav& project)
    : EditorDialog(host, kResourceId), project_(project) {
    AddList(kReqAvailable);
    AddList(kReqSelected);
    AddControl(kReqSet, "Set >>");
    AddControl(kReqDelete, "<< Delete");
    AddControl(kReqTitle);
    AddControl(kReqDescription);
    AddControl(kReqDocPath);
}

int CTaskRequirementDlg::EditRequirements(std::vector<CRequirement*>& requirements, CTaskKav* task) {
    task_ = task;
    readOnly_ = !task->IsEditable(false);
    changed_ = false;
    working_ = requirements;

    const int end = Host().RunModal(*this);
    if (readOnly_ || end != kIdOk || !changed_) {
        working_.clear();
        return 0;
    }
    requirements = std::move(working_);
    working_.clear();
    return 1;
}

void CTaskRequirementDlg::InsertRow(EditorList& list, CRequirement* requirement) {
    list.InsertRow(0, {requirement->GetID(), requirement->GetTitle()}, requirement);
}

void CTaskRequirementDlg::OnInitDialog() {
    SetTitle(LoadMessage(kTitle) + task_->GetName(), readOnly_);
    for (int id : {kReqAvailable, kReqSelected}) {
        EditorList& list = EditList(id);
        list.SetColumns({{LoadMessage(kColumnId), 100}, {LoadMessage(kColumnTitle), 220}});
        list.Clear();
    }
    for (CRequirement* requirement : project_.GetRequirements())
        if (std::find(working_.begin(), working_.end(), requirement) == working_.end())
            InsertRow(EditList(kReqAvailable), requirement);
    for (CRequirement* requirement : working_) InsertRow(EditList(kReqSelected), requirement);
    ShowRequirement(nullptr);
    for (int button : {kReqSet, kReqDelete}) {
        Show(button, !readOnly_);
        Enable(button, false);
    }
}

void CTaskRequirementDlg::ShowRequirement(const CRequirement* requirement) {
    SetText(kReqTitle, requirement ? requirement->GetTitle() : std::string());
    SetText(kReqDescription, requirement ? requirement->GetDescription() : std::string());
    SetText(kReqDocPath, requirement ? requirement->GetDocPath() : std::string());
}

void CTaskRequirementDlg::OnListRowChosen(int list, int row) {
    const CRequirement* requirement = List(list).ItemAt<CRequirement>(row);
    ShowRequirement(requirement);
    if (!requirement) {
        Enable(kReqSet, false);
        Enable(kReqDelete, false);
        EditList(kReqAvailable).Highlight(-1);
        EditList(kReqSelected).Highlight(-1);
        return;
    }
    const bool fromSelected = list == kReqSelected;
    Enable(kReqSet, !fromSelected);
    Enable(kReqDelete, fromSelected);
    EditList(fromSelected ? kReqAvailable : kReqSelected).Highlight(-1);
}

void CTaskRequirementDlg::OnSet() {
    EditorList& available = EditList(kReqAvailable);
    const int row = available.GetHighlighted();
    if (row < 0) return;
    changed_ = true;
    CRequirement* requirement = available.ItemAt<CRequirement>(row);
    available.RemoveRow(row);
    EditorList& selected = EditList(kReqSelected);
    InsertRow(selected, requirement);
    selected.Highlight(0);
    working_.push_back(requirement);
    Enable(kReqSet, false);
    Enable(kReqDelete, true);
}

void CTaskRequirementDlg::OnDelete() {
    EditorList& selected = EditList(kReqSelected);
    const int row = selected.GetHighlighted();
    if (row < 0) return;
    changed_ = true;
    CRequirement* requirement = selected.ItemAt<CRequirement>(row);
    selected.RemoveRow(row);
    EditorList& available = EditList(kReqAvailable);
    InsertRow(available, requirement);
    available.Highlight(0);
    Enable(kReqSet, false);
    Enable(kReqDelete, false);
    const auto linked = std::find(working_.begin(), working_.end(), requirement);
    if (linked == working_.end()) {
        ShowFatalError(kRequirementStructureCorrupted);
        return;
    }
    working_.erase(linked);
}
