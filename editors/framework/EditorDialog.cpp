#include "editors/framework/EditorDialog.h"

#include <algorithm>
#include <utility>

#include "platform/Interaction.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kCaptionFatalError = 47001;
constexpr int kReadOnlySuffix = 47177;
// Windows, attributes, the task's parameters and all test data.
constexpr int kAllReferenceKinds = 23;

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

void EditorDialog::SetSortedItems(int id, std::vector<std::string> items) {
    std::sort(items.begin(), items.end(), [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    SetItems(id, std::move(items));
}

void EditorDialog::CheckRadio(const std::vector<int>& group, int index) {
    for (size_t i = 0; i < group.size(); ++i) SetChecked(group[i], static_cast<int>(i) == index);
}

int EditorDialog::CheckedRadio(const std::vector<int>& group) const {
    for (size_t i = 0; i < group.size(); ++i)
        if (IsChecked(group[i])) return static_cast<int>(i);
    return -1;
}

void EditorDialog::SetTitle(const std::string& title, bool readOnly) {
    title_ = readOnly ? title + LoadMessage(kReadOnlySuffix) : title;
}

void EditorDialog::SetText(int id, std::string text) {
    EditorControl& control = controls_.at(id);
    control.text = std::move(text);
    control.selectionFrom = control.selectionTo = control.text.size();
}

void EditorDialog::SetSelection(int id, size_t from, size_t to) {
    EditorControl& control = controls_.at(id);
    control.selectionFrom = std::min(std::min(from, to), control.text.size());
    control.selectionTo = std::min(std::max(from, to), control.text.size());
}

void EditorDialog::ReplaceSelection(int id, const std::string& text) {
    EditorControl& control = controls_.at(id);
    control.text.replace(control.selectionFrom, control.selectionTo - control.selectionFrom, text);
    control.selectionFrom = control.selectionTo = control.selectionFrom + text.size();
}

void EditorDialog::BrowseDesignatorsInto(int id, CTaskKav* task) {
    const std::string reference = host_.SelectReference(kAllReferenceKinds, task, nullptr, nullptr);
    if (reference.empty()) return;
    ReplaceSelection(id, "#" + reference + "#");
    SetFocus(id);
}

void EditorDialog::ChooseRow(int list, int row) {
    lists_.at(list).Highlight(row);
    OnListRowChosen(list, row);
}

void EditorDialog::DoubleClickRow(int list, int row) {
    lists_.at(list).Highlight(row);
    OnListRowDoubleClicked(list, row);
}

int EditorDialog::TakeEndRequest() {
    return std::exchange(endRequest_, 0);
}

void EditorDialog::OnHelp(bool shiftDown, int focusedControl) {
    const int controlContext = shiftDown ? ControlHelpContext(focusedControl) : 0;
    host_.ShowHelp(controlContext ? controlContext : HelpTopic());
}

bool EditorDialog::Refuse(int messageId, int captionId, int control) {
    return RefuseWithText(LoadMessage(messageId), captionId, control);
}

bool EditorDialog::RefuseWithText(const std::string& text, int captionId, int control) {
    return RefuseWithCaption(text, LoadMessage(captionId), control);
}

bool EditorDialog::RefuseWithCaption(const std::string& text, const std::string& caption, int control) {
    GetInteraction().ShowMessage({text, caption, MessageButtons::Ok, MessageIcon::Warning});
    focus_ = {control, true};
    return false;
}

void EditorDialog::ShowFatalError(int messageId) {
    GetInteraction().ShowMessage(
        {LoadMessage(messageId), LoadMessage(kCaptionFatalError), MessageButtons::Ok, MessageIcon::Error});
}

bool EditorDialog::AskYesNo(int questionId, int captionId, MessageIcon icon) {
    const MessageRequest question{LoadMessage(questionId), LoadMessage(captionId), MessageButtons::YesNo, icon,
                                  MessageAnswer::Yes};
    return GetInteraction().ShowMessage(question) == MessageAnswer::Yes;
}
