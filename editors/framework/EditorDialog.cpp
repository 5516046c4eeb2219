#include "editors/framework/EditorDialog.h"

#include "platform/Interaction.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kReadOnlySuffix = 47177;

}  // namespace

EditorDialog::EditorDialog(EditorHost& host, int resourceId) : host_(host), resourceId_(resourceId) {
    AddControl(kIdOk, "OK");
    AddControl(kIdCancel, "Cancel");
}

void EditorDialog::AddControl(int id, std::string text) {
    controls_[id].text = std::move(text);
}

void EditorDialog::AddList(int id) {
    lists_[id];
}

void EditorDialog::SetTitle(const std::string& title, bool readOnly) {
    title_ = readOnly ? title + LoadMessage(kReadOnlySuffix) : title;
}

void EditorDialog::ChooseRow(int list, int row) {
    lists_.at(list).Highlight(row);
    OnListRowChosen(list, row);
}

void EditorDialog::OnHelp(bool shiftDown, int focusedControl) {
    const int controlContext = shiftDown ? ControlHelpContext(focusedControl) : 0;
    host_.ShowHelp(controlContext ? controlContext : HelpTopic());
}

bool EditorDialog::Refuse(int messageId, int captionId, int control) {
    return RefuseWithText(LoadMessage(messageId), captionId, control);
}

bool EditorDialog::RefuseWithText(const std::string& text, int captionId, int control) {
    GetInteraction().ShowMessage({text, LoadMessage(captionId), MessageButtons::Ok, MessageIcon::Warning});
    focus_ = {control, true};
    return false;
}

bool EditorDialog::AskYesNo(int questionId, int captionId) {
    const MessageRequest question{LoadMessage(questionId), LoadMessage(captionId), MessageButtons::YesNo,
                                  MessageIcon::Warning, MessageAnswer::Yes};
    return GetInteraction().ShowMessage(question) == MessageAnswer::Yes;
}
