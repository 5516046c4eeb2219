#pragma once
// The window program's Interaction: message boxes and file dialogs of the toolkit, modal on the
// active window.
#include "platform/Interaction.h"

class WxInteraction : public Interaction {
public:
    MessageAnswer ShowMessage(const MessageRequest& request) override;
    std::optional<std::string> AskForPath(const FileDialogRequest& request) override;
};
