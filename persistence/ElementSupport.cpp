// What the element readers and writers of the project file share: where read objects belong,
// the required attributes, and entering a new child element of the builder.
#include "model/FileKav.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"

CApplicationKav* CXMLDataManager::GetCurrentProject() const {
    return currentProject_ ? currentProject_ : CurrentApplication;
}

std::string CXMLDataManager::CurrentFileId() const { return currentFile_ ? currentFile_->GetID() : std::string(); }

std::string CXMLDataManager::RequiredAttribute(std::string_view name, int missingMessage) const {
    std::string value = FindAttribute(name);
    if (value.empty()) SetMessage(missingMessage);
    return value;
}

bool CXMLDataManager::EnterNewChild(std::string_view name) {
    return builder_.AppendChildElement(name, "") && builder_.EnterChild();
}

void CXMLDataManager::WriteOneAttributeChild(std::string_view element, std::string_view attribute,
                                             const std::string& value) {
    if (!EnterNewChild(element)) return;
    builder_.SetStringAttribute(attribute, value, "");
    builder_.LeaveElement();
}
