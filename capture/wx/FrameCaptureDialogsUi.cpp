#include "capture/wx/FrameCaptureDialogsUi.h"

#include "capture/GUIBuilderEditorDlg.h"
#include "capture/WindowWizard.h"
#include "capture/wx/CaptureDialogWindows.h"
#include "model/ApplicationKav.h"
#include "shell/MainFrame.h"
#include "shell/wx/MainFrameUi.h"

namespace {

void GiveFrameTheCaptureDialogs(CMainFrame& frame, wxWindow* window) {
    FrameCapture& capture = frame.Services().capture;
    capture.runWindowWizard = [&frame, window] {
        CaptureDialogHost host(frame, window);
        CWindowWizard wizard(host, frame.Root().GetWindowList());
        return wizard.Run();
    };
    capture.editGuiBuilders = [&frame, window] {
        CaptureDialogHost host(frame, window);
        CGUIBuilderEditorDlg editor(host, GetGuiBuilderDatabase(), frame.Root());
        editor.EditBuilderList();
    };
}

}  // namespace

void InstallFrameCaptureDialogs() { InstallFrameParts("capture dialogs", GiveFrameTheCaptureDialogs); }
