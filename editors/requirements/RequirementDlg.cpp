#include "editors/requirements/RequirementDlg.h"

#include "model/ApplicationKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kRequirementExists = 44795;
constexpr int kCaptionInvalidId = 47004;
constexpr int kTitleRequirement = 47194;
constexpr int kTitleSelectDocument = 47222;
constexpr const char* kDocumentFilter = "Document files (*.doc;*.txt;*.pdf)|*.doc; *.txt; *.pdf|All files (*.*)|*.*||";

}  // namespace

CRequirementDlg::CRequirementDlg(EditorHost& host, CApplicationKav& project)
    : EditorDialog(host, kResourceId), project_(project) {
    AddControl(kRequirementId);
    AddControl(kRequirementTitle);
    AddControl(kRequirementDescription);
    AddControl(kRequirementDocPath);
    AddControl(kRequirementBrowse, "Browse...");
}

int CRequirementDlg::EditRequirement(CRequirement& requirement) {
    requirement_ = &requirement;
    readOnly_ = !requirement.IsEditable(false);
    const int end = Host().RunModal(*this);
    return !readOnly_ && end == kIdOk ? 1 : 0;
}

void CRequirementDlg::OnInitDialog() {
    SetText(kRequirementId, requirement_->GetID());
    SetText(kRequirementTitle, requirement_->GetTitle());
    SetText(kRequirementDescription, requirement_->GetDescription());
    SetText(kRequirementDocPath, requirement_->GetDocPath());
    SetTitle(LoadMessage(kTitleRequirement) + requirement_->GetID(), readOnly_);
    for (int id : {kRequirementId, kRequirementTitle, kRequirementDescription, kRequirementDocPath})
        SetReadOnly(id, readOnly_);
    Enable(kRequirementBrowse, !readOnly_);
}

bool CRequirementDlg::OnOK() {
    if (readOnly_) return true;
    const std::string id = GetText(kRequirementId);
    if (!EqualsNoCase(id, requirement_->GetID()) && project_.FindRequirement(id, false, project_.GetMainFile()))
        return Refuse(kRequirementExists, kCaptionInvalidId, kRequirementId);
    if (!requirement_->SetID(id)) return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidId, kRequirementId);
    requirement_->SetTitle(GetText(kRequirementTitle));
    requirement_->SetDescription(GetText(kRequirementDescription));
    requirement_->SetDocPath(GetText(kRequirementDocPath));
    return true;
}

void CRequirementDlg::OnBrowse() {
    const FileDialogRequest request{FileDialogRequest::Kind::Open, LoadMessage(kTitleSelectDocument), kDocumentFilter,
                                    GetText(kRequirementDocPath)};
    if (const std::optional<std::string> path = GetInteraction().AskForPath(request))
        SetText(kRequirementDocPath, *path);
}
