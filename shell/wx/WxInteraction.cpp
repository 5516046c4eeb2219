#include "shell/wx/WxInteraction.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

namespace {

long ButtonStyle(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok: return wxOK;
        case MessageButtons::OkCancel: return wxOK | wxCANCEL;
        case MessageButtons::YesNo: return wxYES_NO;
        case MessageButtons::YesNoCancel: return wxYES_NO | wxCANCEL;
        // The toolkit has no Retry, Abort and Ignore buttons: the Yes, No and Cancel buttons
        // stand for them with their labels changed (Yes Retry, No Abort or Cancel, Cancel
        // Ignore).
        case MessageButtons::AbortRetryIgnore: return wxYES_NO | wxCANCEL;
        case MessageButtons::RetryCancel: return wxYES_NO;
    }
    return wxOK;
}

long IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None: return wxICON_NONE;
        case MessageIcon::Information: return wxICON_INFORMATION;
        case MessageIcon::Warning: return wxICON_WARNING;
        case MessageIcon::Error: return wxICON_ERROR;
        case MessageIcon::Question: return wxICON_QUESTION;
    }
    return wxICON_NONE;
}

long DefaultStyle(MessageButtons buttons, MessageAnswer answer) {
    if (buttons == MessageButtons::Ok) return 0;
    switch (answer) {
        case MessageAnswer::No:
        case MessageAnswer::Abort: return wxNO_DEFAULT;
        case MessageAnswer::Cancel: return wxCANCEL_DEFAULT;
        default: return 0;
    }
}

MessageAnswer Answer(MessageButtons buttons, int result) {
    switch (result) {
        case wxID_OK: return MessageAnswer::Ok;
        case wxID_YES:
            return buttons == MessageButtons::RetryCancel || buttons == MessageButtons::AbortRetryIgnore
                       ? MessageAnswer::Retry
                       : MessageAnswer::Yes;
        case wxID_NO:
            if (buttons == MessageButtons::RetryCancel) return MessageAnswer::Cancel;
            return buttons == MessageButtons::AbortRetryIgnore ? MessageAnswer::Abort : MessageAnswer::No;
        case wxID_CANCEL: return buttons == MessageButtons::AbortRetryIgnore ? MessageAnswer::Ignore : MessageAnswer::Cancel;
        default: return MessageAnswer::Cancel;
    }
}

// A dialog ended without a path counts as cancelled.
std::optional<std::string> ChosenPath(int result, const wxString& path) {
    if (result != wxID_OK || path.empty()) return std::nullopt;
    return std::string(path.utf8_str());
}

}  // namespace

MessageAnswer WxInteraction::ShowMessage(const MessageRequest& request) {
    const wxString caption = request.caption.empty() ? wxString("KAVRO") : wxString::FromUTF8(request.caption);
    wxMessageDialog dialog(nullptr, wxString::FromUTF8(request.text), caption,
                           ButtonStyle(request.buttons) | IconStyle(request.icon) |
                               DefaultStyle(request.buttons, request.defaultAnswer));
    if (request.buttons == MessageButtons::RetryCancel) dialog.SetYesNoLabels("&Retry", "Cancel");
    if (request.buttons == MessageButtons::AbortRetryIgnore) dialog.SetYesNoCancelLabels("&Retry", "&Abort", "&Ignore");
    return Answer(request.buttons, dialog.ShowModal());
}

std::optional<std::string> WxInteraction::AskForPath(const FileDialogRequest& request) {
    const wxString title = wxString::FromUTF8(request.title);
    const wxString initial = wxString::FromUTF8(request.initialPath);
    if (request.kind == FileDialogRequest::Kind::Folder) {
        wxDirDialog dialog(nullptr, title, initial);
        const int result = dialog.ShowModal();
        return ChosenPath(result, dialog.GetPath());
    }
    // The filters are written as "Name (*.x)|*.x|...||"; the toolkit takes no empty last pair.
    wxString filter = wxString::FromUTF8(request.filter);
    while (filter.EndsWith("|")) filter.RemoveLast();
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    // A proposed file opens the dialog in its folder with its name filled in.
    wxString folder = initial;
    wxString name;
    if (!initial.empty() && !wxDirExists(initial)) {
        const wxFileName file(initial);
        folder = file.GetPath();
        name = file.GetFullName();
    }
    wxFileDialog dialog(nullptr, title, folder, name, filter,
                        save ? wxFD_SAVE | wxFD_OVERWRITE_PROMPT : wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    dialog.SetFilterIndex(request.filterIndex);
    const int result = dialog.ShowModal();
    return ChosenPath(result, dialog.GetPath());
}
