// The payloads of the commands the tool sends, built on the user-interface thread.
#include "conversion/xml/XMLConverter.h"
#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "tminterface/VornakIF.h"

namespace {

constexpr int kNoLibraryRequested = 41059;    // [F0059]
constexpr int kNoTestStructure = 45075;       // [W1075]
constexpr std::string_view kPackageStart = "<TP ";
constexpr std::string_view kPackageEnd = "</TP>";

void ShowWarning(const std::string& text) { GetInteraction().Inform(text, MessageIcon::Warning); }

// The first VORNAK task among the children of the project's root task; null when there is none.
CTaskKav* FindVornakRoot(const CApplicationKav& project) {
    const CTaskKav* root = project.GetRootTask();
    if (!root) return nullptr;
    for (CTaskKav* child : root->GetChildren())
        if (child->IsQuVornakTask()) return child;
    return nullptr;
}

}  // namespace

std::string CVornakIF::WriteCmdChangedTaskList() {
    payloadBuilder_.SetDocument();
    payloadBuilder_.AppendElement("CMD_CHANGED_TASKLIST", "");
    for (const std::string& id : changedTaskIds_) payloadBuilder_.AppendChildElement("TASK_ID", id);
    return payloadBuilder_.GetDocumentText();
}

std::string CVornakIF::WriteCmdDataKavro() {
    if (!CurrentApplication) return {};
    std::string project;
    if (projectWriter_.SaveProject(false, "", *CurrentApplication, project) != 1) {
        ShowWarning(GetGlobalMessageBuffer());
        return {};
    }
    if (project.empty()) return {};
    std::string payload = "<CMD_DATA_KAVRO>\n<KAVRO_DATA Version=\"";
    payload += kProjectFileVersion;
    payload += "\">\n";
    payload += project;
    payload += "</KAVRO_DATA>\n</CMD_DATA_KAVRO>\n";
    return payload;
}

std::string CVornakIF::WriteCmdDataTS() {
    // The message goes back as VORNAK wrote it, its block of test packages written anew.
    const std::string received = testStructure_.GetDocumentText();
    const std::size_t blockStart = received.find(kPackageStart);
    const std::size_t lastEnd = received.rfind(kPackageEnd);
    const bool hasBlock = blockStart != std::string::npos && lastEnd != std::string::npos && lastEnd > blockStart;
    // The packages of the VORNAK folder, or none when the project has no VORNAK task.
    CTaskKav* vornakRoot = CurrentApplication ? FindVornakRoot(*CurrentApplication) : nullptr;
    std::string packages;
    const bool written = hasBlock && CurrentApplication && (!vornakRoot || vornakRoot->IsFolder()) &&
                         CXMLConverter(XmlConverterMode::VornakExchange)
                                 .WriteVornakTestItems(nullptr, vornakRoot, true, false, &testStructure_, packages) == 1;
    if (!written) {
        ShowWarning(FormatMessageId(kNoTestStructure));
        return {};
    }
    std::string payload = received.substr(0, blockStart);
    payload += packages;
    payload += received.substr(lastEnd + kPackageEnd.size());
    return payload;
}

std::string CVornakIF::WriteCmdFail() {
    payloadBuilder_.SetDocument();
    payloadBuilder_.AppendElement("CMD_FAIL", "");
    payloadBuilder_.SetIntAttribute("ErrorCode", errorCode_, 0);
    payloadBuilder_.SetStringAttribute("ErrorMessage", GetGlobalMessageBuffer(), "");
    return payloadBuilder_.GetDocumentText();
}

std::string CVornakIF::WriteCmdRequestLib() {
    if (!currentLibrary_) {
        SetMessage(kNoLibraryRequested);
        return {};
    }
    payloadBuilder_.SetDocument();
    payloadBuilder_.AppendElement("CMD_REQUEST_LIB", "");
    payloadBuilder_.SetAttribute("FileID", currentLibrary_->GetID());
    return payloadBuilder_.GetDocumentText();
}
