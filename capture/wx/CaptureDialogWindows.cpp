#include "capture/wx/CaptureDialogWindows.h"

#include "capture/wx/GUIBuilderEditorDlgUi.h"
#include "capture/wx/WinClassEditorDlgUi.h"
#include "capture/wx/WindowWizardUi.h"

std::unique_ptr<EditorDialogUi> MakeCaptureDialogWindow(EditorDialog& dialog, wxWindow* parent) {
    if (auto* wizard = dynamic_cast<CWindowWizard*>(&dialog)) return std::make_unique<WindowWizardUi>(*wizard, parent);
    if (auto* builders = dynamic_cast<CGUIBuilderEditorDlg*>(&dialog))
        return std::make_unique<GUIBuilderEditorDlgUi>(*builders, parent);
    if (auto* classes = dynamic_cast<CWinClassEditorDlg*>(&dialog))
        return std::make_unique<WinClassEditorDlgUi>(*classes, parent);
    return nullptr;
}

int CaptureDialogHost::RunModal(EditorDialog& dialog) {
    std::unique_ptr<EditorDialogUi> window = MakeCaptureDialogWindow(dialog, parent_);
    if (!window) return frame_.RunModal(dialog);
    return window->ShowModal() == wxID_OK ? kIdOk : kIdCancel;
}
