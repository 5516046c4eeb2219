// Requirements: one top element each; the tree is kept as the parent's identifier.
#include <memory>

#include "model/Requirement.h"
#include "persistence/KeptMessage.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kMissingRequirementId = 44836;  // [W0836]

}  // namespace

std::unique_ptr<CRequirement> CXMLDataManager::ReadRequirement() {
    const std::string id = RequiredAttribute("ID", kMissingRequirementId);
    if (id.empty()) return nullptr;
    const std::string name = GetAttribute("Name", "");
    // The constructor checks the name as the editor does; a file's name loads as it stands.
    std::unique_ptr<CRequirement> requirement;
    {
        KeptMessage kept;
        requirement = MakeWithFileId<CRequirement>(name, GetAttribute("Title", ""), GetAttribute("Descr", ""),
                                                     GetAttribute("DocPath", ""));
    }
    requirement->SetLoadedID(name);
    requirement->SetUniqueId(id);
    requirement->SetParentId(GetAttribute("ParentID", ""));
    requirement->SetFileId(CurrentFileId());
    return requirement;
}

int CXMLDataManager::WriteRequirement(const CRequirement& requirement) {
    CXMLInterface& xml = builder_;
    if (!xml.AppendElement("REQ", "")) return 0;
    xml.SetStringAttribute("ID", requirement.GetUniqueId(), "");
    if (const CRequirement* parent = requirement.GetParent()) xml.SetStringAttribute("ParentID", parent->GetUniqueId(), "");
    xml.SetStringAttribute("Name", requirement.GetID(), "");
    xml.SetStringAttribute("Title", requirement.GetTitle(), "");
    xml.SetStringAttribute("Descr", requirement.GetDescription(), "");
    xml.SetStringAttribute("DocPath", requirement.GetDocPath(), "");
    return 1;
}
