#include "editors/project/SearchTransDlg.h"

#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kMissingWindowId = 44582;
constexpr int kCaptionMissingWindowId = 47124;
// The reference browser's mode bits: windows only.
constexpr int kWindowReferences = 1;

}  // namespace

CSearchTransDlg::CSearchTransDlg(EditorHost& host, CApplicationKav& project)
    : EditorDialog(host, kResourceId), project_(project) {
    AddControl(kSearchTransWindow);
    AddControl(kSearchTransBrowse, "Browse Windows");
}

std::string CSearchTransDlg::AskWindowId(CWindowKav* window) {
    window_ = window;
    if (Host().RunModal(*this) != kIdOk) return {};
    return GetText(kSearchTransWindow);
}

void CSearchTransDlg::OnInitDialog() {
    // A window of a library is named with its library, so that only its own references are found.
    SetText(kSearchTransWindow, window_ ? project_.GetObjectPathText(window_) : std::string());
}

bool CSearchTransDlg::OnOK() {
    if (GetText(kSearchTransWindow).empty())
        return Refuse(kMissingWindowId, kCaptionMissingWindowId, kSearchTransWindow);
    return true;
}

void CSearchTransDlg::OnBrowseWindows() {
    const std::string window = Host().SelectReference(kWindowReferences, nullptr, nullptr, nullptr);
    if (!window.empty()) SetText(kSearchTransWindow, window);
}
