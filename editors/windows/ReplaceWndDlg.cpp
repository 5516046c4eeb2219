#include "editors/windows/ReplaceWndDlg.h"

#include "conditions/Designator.h"
#include "model/KavroObj.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kReplacedIdMissing = 44883;
constexpr int kNewIdMissing = 44884;
constexpr int kReplacedNotExisting = 44885;
constexpr int kNewNotExisting = 44886;
constexpr int kSameWindow = 44887;
constexpr int kCaptionMissingId = 47015;
constexpr int kCaptionInvalidId = 47004;
constexpr int kCaptionInvalidSelection = 47009;
// The reference browser offers windows only.
constexpr int kBrowseWindows = 1;

}  // namespace

CReplaceWndDlg::CReplaceWndDlg(EditorHost& host) : EditorDialog(host, kResourceId) {
    AddControl(kReplaceOldWindow);
    AddControl(kReplaceBrowseOld, "Browse Windows");
    AddControl(kReplaceNewWindow);
    AddControl(kReplaceBrowseNew, "Browse Windows");
}

int CReplaceWndDlg::SelectWindows(CWindowKav*& replaced, CWindowKav*& replacement) {
    presetName_ = replaced ? replaced->GetName() : std::string();
    if (Host().RunModal(*this) != kIdOk) return 0;
    replaced = replaced_;
    replacement = replacement_;
    return 1;
}

void CReplaceWndDlg::OnInitDialog() {
    SetText(kReplaceOldWindow, presetName_);
}

CWindowKav* CReplaceWndDlg::ResolveWindow(const std::string& text) {
    CKavroObj* object = ResolveDesignatorObject(text);
    return object && object->GetKind() == kKindWindow ? static_cast<CWindowKav*>(object) : nullptr;
}

bool CReplaceWndDlg::OnOK() {
    const std::string oldText = GetText(kReplaceOldWindow);
    const std::string newText = GetText(kReplaceNewWindow);
    if (oldText.empty()) return Refuse(kReplacedIdMissing, kCaptionMissingId, kReplaceOldWindow);
    if (newText.empty()) return Refuse(kNewIdMissing, kCaptionMissingId, kReplaceNewWindow);
    CWindowKav* oldWindow = ResolveWindow(oldText);
    if (!oldWindow) {
        SetMessage(kReplacedNotExisting, oldText);
        return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidId, kReplaceOldWindow);
    }
    CWindowKav* newWindow = ResolveWindow(newText);
    if (!newWindow) {
        SetMessage(kNewNotExisting, newText);
        return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidId, kReplaceNewWindow);
    }
    if (oldWindow == newWindow) return Refuse(kSameWindow, kCaptionInvalidSelection, kReplaceNewWindow);
    replaced_ = oldWindow;
    replacement_ = newWindow;
    return true;
}

void CReplaceWndDlg::OnBrowse(int field) {
    const std::string reference = Host().SelectReference(kBrowseWindows, nullptr, nullptr, nullptr);
    if (!reference.empty()) SetText(field, reference);
}
