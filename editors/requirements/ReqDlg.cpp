#include "editors/requirements/ReqDlg.h"

#include "editors/requirements/RequirementDlg.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/CommandIds.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kRequirementExists = 44796;
constexpr int kCaptionInvalidId = 47004;
constexpr int kUndoEditRequirement = 48026;
constexpr int kUndoCreateRequirement = 48056;
constexpr int kUndoEditRequirementId = 48057;
constexpr int kUndoDragRequirement = 48058;

// Appended piecewise: GCC 12 warns falsely on a literal plus std::to_string at -O2.
std::string NewRequirementId(int number) {
    std::string id = "NewReq";
    id += std::to_string(number);
    return id;
}

void Warn(const std::string& text) {
    GetInteraction().ShowMessage({text, LoadMessage(kCaptionInvalidId), MessageButtons::Ok, MessageIcon::Warning});
}

}  // namespace

CReqDlg::CReqDlg(EditorHost& host) : host_(host) {}

CApplicationKav* CReqDlg::Project() const { return CurrentApplication; }

CRequirement* CReqDlg::GetSelectedRequirement() const { return tree_.RequirementOf(tree_.GetCaret()); }

CFileKav* CReqDlg::GetSelectedFile() const { return tree_.FileOf(tree_.GetCaret()); }

void CReqDlg::RefillTree() {
    if (CApplicationKav* project = Project()) tree_.FillTree(*project);
}

void CReqDlg::RebuildTreeKeepSelection() {
    CApplicationKav* project = Project();
    if (!project) return;
    // By the unique id: the requirement the item showed may be gone with the project.
    const std::string uniqueId = tree_.GetCaretUniqueId();
    tree_.FillTree(*project);
    if (uniqueId.empty()) return;
    if (const CRequirement* requirement = project->FindRequirement(uniqueId, true))
        if (const int item = tree_.ItemOf(*requirement)) tree_.Select(item);
}

void CReqDlg::RefreshRequirement(const CRequirement& requirement) {
    const int item = tree_.ItemOf(requirement);
    if (!item) return;
    tree_.UpdateItem(item, true);
    tree_.SortChildren(tree_.GetParent(item));
}

void CReqDlg::RemoveRequirementItem(int item) {
    const int parent = tree_.GetParent(item);
    tree_.DeleteItem(item);
    tree_.UpdateItem(parent, true);
}

bool CReqDlg::IsRequirementCommandEnabled(int command) const {
    switch (command) {
        case command::kNewRequirement: {
            if (const CRequirement* requirement = GetSelectedRequirement()) return requirement->IsEditable(false);
            const CFileKav* file = GetSelectedFile();
            return file && !file->IsReadOnly();
        }
        case command::kPropertiesEditor: return GetSelectedRequirement() != nullptr;
        default: return false;
    }
}

void CReqDlg::RunRequirementCommand(int command) {
    switch (command) {
        case command::kNewRequirement: NewRequirement(); break;
        case command::kPropertiesEditor: EditProperties(); break;
        default: break;
    }
}

void CReqDlg::NewRequirement() {
    CApplicationKav& project = *Project();
    CFileKav* mainFile = project.GetMainFile();
    int number = 1;
    while (project.FindRequirement(NewRequirementId(number), false, mainFile)) ++number;
    CRequirement* requirement = project.GetRequirements().Add(new CRequirement(NewRequirementId(number)));
    requirement->SetFile(mainFile);
    if (mainFile) requirement->SetFileId(mainFile->GetID());
    int parent = tree_.GetProjectItem();
    if (CRequirement* selected = GetSelectedRequirement()) {
        selected->AddChild(requirement);
        parent = tree_.ItemOf(*selected);
    }
    const int item = tree_.AddRequirementItem(*requirement, parent);
    tree_.Expand(parent);
    tree_.Select(item);
    host_.SetModified(LoadMessage(kUndoCreateRequirement));
    host_.SendCommand(command::kPropertiesEditor);
}

void CReqDlg::EditProperties() {
    CRequirement* requirement = GetSelectedRequirement();
    if (!requirement) return;
    CRequirementDlg dialog(host_, *Project());
    if (dialog.EditRequirement(*requirement) != 1) return;
    RefreshRequirement(*requirement);
    host_.SetModified(LoadMessage(kUndoEditRequirement));
}

std::optional<std::string> CReqDlg::BeginLabelEdit(int item) {
    const CRequirement* requirement = tree_.RequirementOf(item);
    if (!requirement || !requirement->IsEditable(false)) return std::nullopt;
    editingLabel_ = true;
    return requirement->GetID();
}

bool CReqDlg::EndLabelEdit(int item, bool cancelled, const std::string& text) {
    editingLabel_ = false;
    CRequirement* requirement = tree_.RequirementOf(item);
    if (!requirement) return false;
    tree_.UpdateItem(item, false);
    if (cancelled) return false;
    CApplicationKav& project = *Project();
    if (!EqualsNoCase(text, requirement->GetID()) && project.FindRequirement(text, false, project.GetMainFile())) {
        Warn(LoadMessage(kRequirementExists));
        return false;
    }
    if (!requirement->SetID(text)) {
        Warn(GetGlobalMessageBuffer());
        return false;
    }
    // Also for the text confirmed as it was.
    RefreshRequirement(*requirement);
    host_.SetModified(LoadMessage(kUndoEditRequirementId));
    return true;
}

bool CReqDlg::CanDrag(int item) const {
    const CRequirement* requirement = tree_.RequirementOf(item);
    return requirement && requirement->IsEditable(false);
}

bool CReqDlg::DropItem(int dragged, int target) {
    if (!tree_.DropItem(dragged, target)) return false;
    host_.SetModified(LoadMessage(kUndoDragRequirement));
    return true;
}

TreeKeyResult CReqDlg::OnKey(TreeKey key, bool /*shift*/) {
    switch (key) {
        case TreeKey::F1: host_.ShowHelp(kHelpTopic); return TreeKeyResult::Handled;
        case TreeKey::F2:
            if (editingLabel_) return TreeKeyResult::NotHandled;
            return tree_.GetCaret() ? TreeKeyResult::StartLabelEdit : TreeKeyResult::Handled;
        case TreeKey::Delete:
            if (editingLabel_) return TreeKeyResult::NotHandled;
            host_.SendCommand(command::kDelete);
            return TreeKeyResult::Handled;
        case TreeKey::Enter:
            if (editingLabel_) return TreeKeyResult::NotHandled;
            OpenProperties();
            return TreeKeyResult::Handled;
        default: return TreeKeyResult::NotHandled;
    }
}

void CReqDlg::OpenProperties() {
    if (GetSelectedRequirement()) host_.SendCommand(command::kPropertiesEditor);
}

std::vector<TreeMenuEntry> CReqDlg::ContextMenu() const {
    return {
        {48120, command::kNewRequirement}, {48121, command::kPropertiesEditor}, {48122, command::kDelete},
        {0, 0},                            {48123, command::kSearchReferences},
    };
}

void CReqDlg::OnContextCommand(int command) { host_.SendCommand(command); }
