// What the VORNAK interface thread posts to the frame: the connection lost, a message received,
// a new state, an error. All the work happens here on the user-interface thread; the interface
// object takes the rest.
#include "platform/CommandLineSettings.h"
#include "platform/MessageBuffer.h"
#include "shell/MainFrame.h"
#include "shell/ProjectSession.h"

namespace {

constexpr int kLogNormal = 1;
constexpr int kLogFine = 2;

// The errors of a connection that failed or went: the interface counts it as lost.
constexpr int kConnectionErrors[] = {41038, 41039, 41101, 41105, 41106, 41107, 41108, 41109, 41110};

int LogLevel() { return GetCommandLineSettings().interfaceLogLevel; }

std::string ReceivedLine(const char* message) {
    return std::string("********************* Message ") + message +
           " has been received by MainFrame ********************\n";
}

}  // namespace

void CMainFrame::OnVornakConnectionLost() {
    if (!vornak_) return;
    if (LogLevel() >= kLogNormal) vornak_->WriteLog(ReceivedLine("TM_SIF_LOST_CON"));
    vornak_->OnConnectionLost();
}

void CMainFrame::OnVornakMessage(const std::string& text) {
    if (!vornak_) return;
    if (LogLevel() == kLogFine) vornak_->WriteLog(ReceivedLine("TM_SIF_MSG_FROM_SOCKET"));
    vornak_->OnCommandFromManager(text);
    // An inactive interface (after VORNAK's exit command) ends the program.
    if (vornak_->GetState() == 0) window_.RequestFrameClose();
}

void CMainFrame::OnVornakState(int state) {
    if (!vornak_) return;
    if (LogLevel() == kLogFine) {
        vornak_->WriteLog(ReceivedLine("TM_SIF_SET_STATE"));
        vornak_->WriteLog("State: " + std::to_string(state) + "\n");
    }
    vornak_->SetState(state);
}

void CMainFrame::OnVornakError(int messageId, int errorCode) {
    SetGlobalMessage(FormatMessageId(messageId, errorCode));
    ShowGlobalMessage(0, MessageIcon::Error);
    ClearGlobalMessage();
    if (!vornak_) return;
    for (int connectionError : kConnectionErrors)
        if (messageId == connectionError) vornak_->OnConnectionLost();
}

void CMainFrame::SetProjectOpen(int open) { session_->SetProjectOpen(open != 0); }

void CMainFrame::SetLoadErrors(int errors) { session_->SetLoadErrors(errors != 0); }
