// Dispatch of the messages of VORNAK and of its exchange data, whose texts arrive at the end of
// their elements.
#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "persistence/ElementDispatch.h"
#include "persistence/VornakInterface.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kNoInterfaceMessage = 45098;  // [W1098]
constexpr int kOtherProcess = 45099;        // [W1099]
constexpr int kErrorFromVornak = 45127;     // [W1127]
constexpr int kNoProcessId = 0;

struct CommandNumber {
    std::string_view name;
    int number;
};
constexpr CommandNumber kCommands[] = {
    {"CMD_DATA_KAVRO", 2}, {"CMD_DATA_LIB", 3}, {"CMD_DATA_LIBLIST", 4}, {"CMD_DATA_TS", 5},
    {"CMD_EXIT", 6},       {"CMD_FAIL", 7},     {"CMD_OK", 10},          {"CMD_PING", 11},
    {"CMD_PING_OK", 12},   {"CMD_SHOW_TASK", 16},
};

VornakInterface* g_vornakInterface = nullptr;

}  // namespace

VornakInterface* GetVornakInterface() { return g_vornakInterface; }

void InstallVornakInterface(VornakInterface* vornakInterface) { g_vornakInterface = vornakInterface; }

// The first message of a session tells the process it comes from; later ones must agree.
bool ElementDispatch::InterfaceRoot() {
    VornakInterface* vornak = RequireInterface();
    if (!vornak) return false;
    if (!Under("")) return FailAsStructureError(kNoInterfaceMessage);
    const int received = reader_.GetAttributeInt("ProcessID", -1);
    if (vornak->GetProcessId() == kNoProcessId) {
        vornak->SetProcessId(received);
    } else if (vornak->GetProcessId() != received) {
        SetMessage(kOtherProcess, received, vornak->GetProcessId());
        return false;
    }
    return true;
}

bool ElementDispatch::Command() {
    VornakInterface* vornak = RequireInterface();
    if (!vornak) return false;
    return Under("VORNAK_KAVRO_INTERFACE") || FailInMessage();
}

bool ElementDispatch::CommandKind() {
    VornakInterface* vornak = RequireInterface();
    if (!vornak) return false;
    if (!Under("COMMAND")) return FailInMessage();
    const CommandNumber* command = nullptr;
    for (const CommandNumber& c : kCommands)
        if (c.name == name_) command = &c;
    if (!command) return true;  // a command of a later protocol
    vornak->SetReceivedCommand(command->number);
    if (name_ == "CMD_DATA_LIB") {
        const std::string fileId = reader_.GetAttribute("FileID", "");
        vornak->SetReceivedLibrary(fileId, reader_.GetAttribute("Name", ""));
        // The library's objects belong to the file VORNAK names.
        if (CFileKav* file = reader_.CurrentFile(); file && !fileId.empty()) file->SetID(fileId);
    } else if (name_ == "CMD_DATA_TS") {
        vornak->SetRestoreFromFile(reader_.GetAttributeBool("RestoreFromFile", 0) == 1);
    } else if (name_ == "CMD_SHOW_TASK") {
        vornak->SetTaskToShow(reader_.GetAttribute("TaskID", ""));
    } else if (name_ == "CMD_FAIL") {
        // The only message that does not end the read: the rest of the message still counts.
        const int errorCode = reader_.GetAttributeInt("ErrorCode", 0);
        vornak->SetReadError(errorCode);
        SetMessage(kErrorFromVornak, errorCode, reader_.GetAttribute("ErrorMessage", ""));
    }
    return true;
}

bool ElementDispatch::LibraryEntry() {
    VornakInterface* vornak = RequireInterface();
    if (!vornak) return false;
    if (!Under("CMD_DATA_LIBLIST")) return FailInMessage();
    vornak->AddLibrary(reader_.GetAttribute("Name", ""), reader_.GetAttribute("FileID", ""));
    return true;
}

// Exchange data comes only with its command; elsewhere it is refused as other misplaced parts of
// a message are.
bool ElementDispatch::ExchangeRoot() { return Under("CMD_DATA_TS") || FailInMessage(); }

// Their texts are taken at their end.
bool ElementDispatch::ExchangeText() { return true; }

// Descriptions and conditions of exchange packages arrive as HTML; they go to the task made for
// the innermost open package.
void CXMLDataManager::OnEndElement(const std::string& name, const std::string& text) {
    VornakInterface* vornak = GetVornakInterface();
    if (!vornak || !vornak->GetProject() || exchangeTaskIds_.empty()) return;
    const std::string element = ToUpperText(name);
    const std::string parent = ToUpperText(ParentElementName());
    const bool inPackage = parent == "TP";
    if (!(element == "DESCRIPTION" && (inPackage || parent == "TS")) &&
        !((element == "PRECONDITION" || element == "POSTCONDITION") && inPackage))
        return;
    CTaskKav* task = vornak->GetProject()->FindTask(exchangeTaskIds_.back(), true);
    if (!task) return;
    const std::string plain = ExtractHtmlBody(text);
    if (element == "DESCRIPTION")
        task->SetDescription(plain);
    else if (element == "PRECONDITION")
        task->SetPrecondition(plain);
    else
        task->SetPostcondition(plain);
}
