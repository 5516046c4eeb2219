#include "platform/Interaction.h"

#include <iostream>

namespace {

std::unique_ptr<Interaction>& Installed() {
    static std::unique_ptr<Interaction> interaction = std::make_unique<ConsoleInteraction>();
    return interaction;
}

}  // namespace

void Interaction::Inform(const std::string& text, MessageIcon icon) {
    MessageRequest request;
    request.text = text;
    request.icon = icon;
    ShowMessage(request);
}

MessageAnswer Interaction::Ask(const std::string& text, MessageButtons buttons, MessageAnswer defaultAnswer) {
    MessageRequest request;
    request.text = text;
    request.buttons = buttons;
    request.icon = MessageIcon::Question;
    request.defaultAnswer = defaultAnswer;
    return ShowMessage(request);
}

MessageAnswer ConsoleInteraction::ShowMessage(const MessageRequest& request) {
    std::cerr << request.text << std::endl;
    return request.defaultAnswer;
}

std::optional<std::string> ConsoleInteraction::AskForPath(const FileDialogRequest&) { return std::nullopt; }

MessageAnswer ScriptedInteraction::ShowMessage(const MessageRequest& request) {
    messages.push_back(request);
    if (answers.empty()) return request.defaultAnswer;
    MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedInteraction::AskForPath(const FileDialogRequest& request) {
    pathRequests.push_back(request);
    if (paths.empty()) return std::nullopt;
    auto path = paths.front();
    paths.pop_front();
    return path;
}

std::vector<std::string> ScriptedInteraction::Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
}

Interaction& GetInteraction() { return *Installed(); }

void InstallInteraction(std::unique_ptr<Interaction> interaction) {
    if (interaction) Installed() = std::move(interaction);
}
