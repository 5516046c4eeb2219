#pragma once
// Every message box, question and file dialog that a core flow raises goes through here.
// The GUI answers with dialogs; batch mode prints the text and takes the default answer;
// tests script the answers and record the texts.
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MessageIcon { None, Information, Warning, Error, Question };
// The values of the Win32 answer codes, which some callers pass on as results.
enum class MessageAnswer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageRequest {
    std::string text;
    std::string caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    // The answer of the default button; batch mode takes it unless a flow names another.
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

struct FileDialogRequest {
    enum class Kind { Open, Save, Folder } kind = Kind::Open;
    std::string title;
    std::string filter;       // e.g. "KAVRO Projects (*.xml)|*.xml|"
    std::string initialPath;  // folder or file proposed to the user
    int filterIndex = 0;      // the filter shown first, counted from 0
};

class Interaction {
public:
    virtual ~Interaction() = default;
    virtual MessageAnswer ShowMessage(const MessageRequest& request) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> AskForPath(const FileDialogRequest& request) = 0;

    // Shorthands for the common shapes.
    void Inform(const std::string& text, MessageIcon icon = MessageIcon::Information);
    MessageAnswer Ask(const std::string& text, MessageButtons buttons, MessageAnswer defaultAnswer);
};

// Batch mode: messages to standard error, the default answer, no path.
class ConsoleInteraction : public Interaction {
public:
    MessageAnswer ShowMessage(const MessageRequest& request) override;
    std::optional<std::string> AskForPath(const FileDialogRequest& request) override;
};

// Tests: answers are taken from the queues in order (the default answer when a queue is
// empty); every request is recorded.
class ScriptedInteraction : public Interaction {
public:
    MessageAnswer ShowMessage(const MessageRequest& request) override;
    std::optional<std::string> AskForPath(const FileDialogRequest& request) override;

    std::deque<MessageAnswer> answers;
    std::deque<std::optional<std::string>> paths;
    std::vector<MessageRequest> messages;
    std::vector<FileDialogRequest> pathRequests;

    // The texts of the recorded messages, in order.
    std::vector<std::string> Texts() const;
};

// The interaction the program uses; a ConsoleInteraction until start-up installs another.
Interaction& GetInteraction();
void InstallInteraction(std::unique_ptr<Interaction> interaction);
