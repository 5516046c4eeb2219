#pragma once
// The system clipboard as the core's clipboard mirror: each payload text is offered under its
// format's name, and what the clipboard offers is what the core reads back.
#include "platform/Clipboard.h"

class SystemClipboard : public ClipboardMirror {
public:
    bool Publish(const std::map<std::string, std::string>& payloads) override;
    std::optional<std::string> Read(const std::string& format) override;
};

// Makes the system clipboard the core's mirror (start-up of the window program).
void InstallSystemClipboard();
