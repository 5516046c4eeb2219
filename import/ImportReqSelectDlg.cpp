// The requirements page: duplicates by XML ID or by user ID, as the dialog's rule says.
#include "import/ImportPageSupport.h"
#include "model/ApplicationKav.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kImageRoot = 0;
constexpr int kImageRequirement = 1;

const CRequirement& AsRequirement(const CKavroObj& object) { return static_cast<const CRequirement&>(object); }

}  // namespace

void CImportReqSelectDlg::RebuildTree(int byXmlId) {
    byXmlId_ = byXmlId;
    // The items of the previous build go; no object may keep pointing at them.
    for (CRequirement* requirement : OpenProject().GetRequirements()) requirement->SetImportItem(nullptr);
    for (CRequirement* requirement : OtherProject().GetRequirements()) requirement->SetImportItem(nullptr);
    root_.reset();
    CImportSelectPage::OnInitDialog();
}

std::vector<CKavroObj*> CImportReqSelectDlg::OtherObjects() const {
    const auto& requirements = OtherProject().GetRequirements();
    return {requirements.begin(), requirements.end()};
}

// Children name their parent by its unique identifier whichever rule is in force.
std::string CImportReqSelectDlg::IdOf(const CKavroObj& object) const { return AsRequirement(object).GetUniqueId(); }

std::string CImportReqSelectDlg::ParentIdOf(const CKavroObj& object) const {
    return AsRequirement(object).GetParentId();
}

CKavroObj* CImportReqSelectDlg::FindDuplicate(const CKavroObj& imported) const {
    const CRequirement& requirement = AsRequirement(imported);
    return FindInIndex(openByKey_, byXmlId_ ? requirement.GetUniqueId() : ToLowerText(requirement.GetID()));
}

std::string CImportReqSelectDlg::NameOf(const CKavroObj& object) const { return AsRequirement(object).GetID(); }

bool CImportReqSelectDlg::IsSamePlace(const CKavroObj& duplicate, const CKavroObj& imported) const {
    const CRequirement* parent = AsRequirement(duplicate).GetParent();
    const std::string parentId = AsRequirement(imported).GetParentId();
    return parent ? parent->GetUniqueId() == parentId : parentId.empty();
}

std::unique_ptr<CImportTreeItem> CImportReqSelectDlg::BuildOpenItems() {
    openByKey_ = IndexByKey(OpenProject().GetRequirements(), [this](const CRequirement& requirement) {
        return byXmlId_ ? requirement.GetUniqueId() : ToLowerText(requirement.GetID());
    });
    otherById_ = IndexByKey(OtherProject().GetRequirements(),
                            [](const CRequirement& requirement) { return requirement.GetUniqueId(); });
    auto root = std::make_unique<CImportTreeItem>(RootText());
    for (CRequirement* requirement : OpenProject().GetRequirements())
        if (!requirement->GetParent()) AddOpenRequirement(*requirement, *root);
    return root;
}

void CImportReqSelectDlg::AddOpenRequirement(CRequirement& requirement, CImportTreeItem& parent) {
    if (!requirement.IsEditable(false)) return;
    CImportTreeItem* item = parent.AddChild(new CImportTreeItem(&requirement, false));
    for (CRequirement* child : requirement.GetChildren()) AddOpenRequirement(*child, *item);
}

int CImportReqSelectDlg::ImageOf(const CImportTreeItem& item) const {
    return item.object ? kImageRequirement : kImageRoot;
}

void CImportReqSelectDlg::MarkUsedBy(CTaskKav& task) {
    for (const std::string& id : task.GetRequirementIds()) Mark(FindInIndex(otherById_, id));
}

void CImportReqSelectDlg::DeleteOtherObject(CKavroObj* object) {
    auto* requirement = static_cast<CRequirement*>(object);
    DetachFromTree(*requirement);
    OtherProject().GetRequirements().Delete(requirement);
}
