// The close request of the main frame: whether the project must be saved or sent first, and
// what the frame leaves behind when the program ends.
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "resources/MessageCatalogue.h"
#include "shell/ClipboardObjects.h"
#include "shell/MainFrame.h"
#include "shell/ProjectSession.h"

namespace {

constexpr int kSendOrSaveQuestion = 43045;  // [Q0045]
constexpr int kSaveSendCaption = 47101;

}  // namespace

void CMainFrame::SendVornakExit() {
    if (vornak_ && !vornak_->IsConnectionLost()) vornak_->SendCommand(kVornakExitCommand);
}

bool CMainFrame::OnClose() {
    if (!IsProjectOpen()) {
        if (VornakMode) SendVornakExit();
    } else if (!VornakMode) {
        if (!CloseProject(true)) return false;
    } else if (!Root().IsModified()) {
        SendVornakExit();
        CloseProject(false);
    } else {
        const MessageAnswer answer = GetInteraction().ShowMessage(
            {FormatMessageId(kSendOrSaveQuestion, Root().GetName()), LoadMessage(kSaveSendCaption),
             MessageButtons::YesNoCancel, MessageIcon::Question, MessageAnswer::Yes});
        if (answer == MessageAnswer::Cancel) return false;
        if (answer == MessageAnswer::Yes && SaveOrSendProject(0) != 1) return false;
        SendVornakExit();
        if (answer == MessageAnswer::No) CloseProject(false);
    }
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "ViewMode", std::to_string(viewMode_),
                        kRegistryText);
    ClearClipboardObjects();
    // The views show objects of the project: they go before it.
    CloseAllViews();
    undo_.Clear();
    session_.reset();
    if (vornak_ && !vornak_->IsConnectionLost()) vornak_->CloseSocket();
    vornak_.reset();
    return true;
}
