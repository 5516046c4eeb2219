// The commands VORNAK sends: the queue of received messages, the check of each command against
// the state of the exchange, the answer and the next state, and what the command's data does.
#include "model/ApplicationKav.h"
#include "model/CloneFlags.h"
#include "model/FileKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "shell/VornakHost.h"
#include "tminterface/VornakCommands.h"
#include "tminterface/VornakIF.h"

namespace {

constexpr int kUnexpectedCommand = 45074;   // [W1074]
constexpr int kClosedByVornak = 45111;      // [W1111]
constexpr int kReallyClose = 43042;         // [Q0042]
constexpr int kSaveAfterLoss = 43043;       // [Q0043]
constexpr int kRetryTaskList = 43047;       // [Q0047]
constexpr int kRetryProjectData = 43048;    // [Q0048}
constexpr int kLibraryDeleted = 45155;      // [W1155]


enum AdvanceResult : int { kDrop = 0, kGoOn = 1, kStopPass = 3 };

// The commands each state accepts; CMD_FAIL while an acknowledgement is awaited is VORNAK
// refusing what was sent.
bool Accepts(int state, int command, int errorCode) {
    switch (state) {
        case kVornakAwaitingExit: return command == kCmdExit;
        case kVornakHasStructure: return command == kCmdDataKavro || command == kCmdShowTask;
        case kVornakAwaitingTaskListOk:
        case kVornakAwaitingDataOk:
        case kVornakAwaitingStructureOk: return command == kCmdOk || command == kCmdFail;
        case kVornakConnected: return command == kCmdDataTs;
        case kVornakAwaitingLibrary:
            return command == kCmdDataLib || (command == kCmdFail && errorCode == kVornakLibraryDeleted);
        case kVornakAwaitingLibraryList:
        case kVornakCheckingLibraries: return command == kCmdDataLibList;
        // VORNAK's exit in state 1 ends the exchange as lost.
        case kVornakIdle: return command == kCmdExit;
        default: return false;
    }
}

}  // namespace

void CVornakIF::OnCommandFromManager(const std::string& text) {
    if (state_ == kVornakConnected) SetTestStructureMessage(text);
    queue_.push_back(text);
    ProcessReceivedCommands();
}

void CVornakIF::ProcessReceivedCommands() {
    if (processing_) return;
    processing_ = true;
    while (!queue_.empty()) {
        const std::string text = std::move(queue_.front());
        queue_.pop_front();
        if (text.size() < 2) continue;
        // Nothing of a message before counts, also after a pass that stopped.
        receivedCommand_ = kCmdNone;
        errorCode_ = kVornakNoError;
        std::unique_ptr<CApplicationKav> parsed;
        const bool read = reader_.ParseVornakFile(text, parsed);
        if ((!read && errorCode_ == kVornakNoError) || !parsed) errorCode_ = kVornakUnreadableMessage;
        CheckReceivedCommand();
        const int result = AdvanceState();
        if (result == kGoOn) ActOnData(std::move(parsed));
        if (result == kStopPass) {
            processing_ = false;
            return;
        }
        receivedCommand_ = kCmdNone;
        errorCode_ = kVornakNoError;
    }
    processing_ = false;
}

void CVornakIF::CheckReceivedCommand() {
    log_.WriteCommand("NEW COMMAND from VORNAK", receivedCommand_);
    if (Accepts(state_, receivedCommand_, errorCode_)) return;
    SetMessage(kUnexpectedCommand, GetCommandName(receivedCommand_));
    errorCode_ = kVornakUnexpectedCommand;
}

bool CVornakIF::Acknowledge() {
    log_.WriteCommand("NEW COMMAND from KAVRO", kCmdOk);
    return SendCommand(kCmdOk) == 1;
}

int CVornakIF::AdvanceState() {
    const int command = receivedCommand_;
    if (state_ == kVornakIdle && command == kCmdExit) {
        Acknowledge();
        PostToThread(VornakRequestKind::KillPingTimer);
        PostToThread(VornakRequestKind::KillAnswerTimer);
        state_ = kVornakLost;
        ShowText(FormatMessageId(kClosedByVornak), false);
        return kStopPass;
    }
    if (errorCode_ == kVornakUnexpectedCommand && command == kCmdExit) {
        const MessageAnswer answer = GetInteraction().ShowMessage(
            {FormatMessageId(kReallyClose), {}, MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::No});
        if (answer == MessageAnswer::Yes) {
            host_->CloseProject();
            state_ = kVornakEnded;
            PostToThread(VornakRequestKind::StopReceive);
        }
    } else if (errorCode_ == kVornakLibraryDeleted) {
        if (!Acknowledge()) return kDrop;
        const CFileKav* library = RequestedLibrary();
        const std::string path = library ? library->GetFullPath() : std::string();
        ShowText(FormatMessageId(kLibraryDeleted, path), false);
        return AskForLibraryList() == 1 ? kGoOn : kDrop;
    } else if (command == kCmdFail &&
               (state_ == kVornakAwaitingTaskListOk || state_ == kVornakAwaitingDataOk ||
                state_ == kVornakAwaitingStructureOk) &&
               errorCode_ != kVornakUnexpectedCommand) {
        return HandleRefusedSending();
    }
    if (errorCode_ != kVornakNoError) {
        // The message is refused: nothing of its data is taken.
        if (!noAnswer_ && SendCommand(kCmdFail) != 1) return kDrop;
        ShowBuffer(true);
        ClearGlobalMessage();
        return kDrop;
    }
    switch (state_) {
        case kVornakAwaitingExit:
            if (!Acknowledge()) return kDrop;
            host_->CloseProject();
            PostToThread(VornakRequestKind::KillPingTimer);
            PostToThread(VornakRequestKind::KillAnswerTimer);
            state_ = kVornakEnded;
            PostToThread(VornakRequestKind::StopReceive);
            return kStopPass;
        case kVornakAwaitingTaskListOk:
            changedTaskIds_.clear();
            state_ = kVornakAwaitingStructureOk;
            if (SendCommand(kCmdDataTs) == 1) return kGoOn;
            state_ = kVornakIdle;
            return kDrop;
        case kVornakAwaitingDataOk:
            state_ = kVornakAwaitingTaskListOk;
            if (SendCommand(kCmdChangedTaskList) == 1) return kGoOn;
            state_ = kVornakIdle;
            return kDrop;
        case kVornakAwaitingStructureOk: state_ = kVornakAwaitingExit; return kGoOn;
        case kVornakConnected: state_ = kVornakHasStructure; break;
        default: break;
    }
    return Acknowledge() ? kGoOn : kDrop;
}

// VORNAK could not take the changed tasks or the project: the user may send them again; giving
// up leaves both sides waiting for nothing, so the user works on.
int CVornakIF::HandleRefusedSending() {
    if (state_ == kVornakAwaitingStructureOk) {
        ShowBuffer(true);
        ClearGlobalMessage();
        state_ = kVornakIdle;
        return kDrop;
    }
    const bool taskList = state_ == kVornakAwaitingTaskListOk;
    ShowBuffer(false);
    ClearGlobalMessage();
    const MessageAnswer answer =
        GetInteraction().ShowMessage({FormatMessageId(taskList ? kRetryTaskList : kRetryProjectData), {},
                                      MessageButtons::RetryCancel, MessageIcon::Question, MessageAnswer::Retry});
    const bool resent = answer == MessageAnswer::Retry &&
                        (taskList ? SendCommand(kCmdChangedTaskList) == 1 : SendProjectData() == 1);
    if (!resent) state_ = kVornakIdle;
    return kDrop;
}

void CVornakIF::ActOnData(std::unique_ptr<CApplicationKav> parsed) {
    switch (receivedCommand_) {
        case kCmdDataKavro: TakeProjectData(std::move(parsed)); break;
        case kCmdDataLib: TakeLibrary(std::move(parsed)); break;
        case kCmdDataLibList: TakeLibraryList(); break;
        case kCmdShowTask: StartUserWork(); break;
        default: break;
    }
}

void CVornakIF::TakeProjectData(std::unique_ptr<CApplicationKav> parsed) {
    if (!parsed) return;
    if (CFileKav* mainFile = parsed->GetMainFile()) {
        mainFile->SetName(parsed->GetName());
        mainFile->SetPath(parsed->GetName());
        mainFile->SetFullPath(parsed->GetName());
    }
    std::unique_ptr<CApplicationKav> working(parsed->Clone(kVornakWorkingCopyFlags));
    OwningList<CApplicationKav>& references = reader_.LoadedProjects();
    references.DeleteAll();
    references.Add(parsed.release());
    host_->ReplaceProject(std::move(working));
}

// VORNAK shows a task: the user's work begins, once the libraries are there.
void CVornakIF::StartUserWork() {
    if (restoreFromFile_) {
        if (RestoreFromFile() != 1) {
            ShowBuffer(false);
            state_ = kVornakIdle;
            return;
        }
    } else if (reader_.LoadedProjects().empty()) {
        reader_.LoadedProjects().Add(host_->Project().Clone(kVornakWorkingCopyFlags));
    }
    if (host_->Project().GetFiles().size() <= 1)
        EnterVornakMode();
    else
        RequestLibrariesFrom(1);
}

int CVornakIF::SendProjectData() {
    if (SendCommand(kCmdDataKavro) != 1) return 0;
    state_ = kVornakAwaitingDataOk;
    return 1;
}

void CVornakIF::OnConnectionLost() {
    const bool wasIdle = state_ == kVornakIdle;
    state_ = kVornakLost;
    if (!wasIdle) return;
    if (GetInteraction().ShowMessage({FormatMessageId(kSaveAfterLoss), {}, MessageButtons::YesNo,
                                      MessageIcon::Question, MessageAnswer::Yes}) == MessageAnswer::Yes)
        host_->SaveProjectAsXml();
}

void CVornakIF::ShowBuffer(bool error) { ShowText(GetGlobalMessageBuffer(), error); }

void CVornakIF::ShowText(const std::string& text, bool error) {
    GetInteraction().Inform(text, error ? MessageIcon::Error : MessageIcon::Warning);
}
