// Undo and Redo of the main frame, with the tool tips that name their steps.
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"
#include "shell/ClipboardObjects.h"
#include "shell/MainFrame.h"

namespace {

constexpr int kUndoFailedCaption = 47109;
constexpr int kRedoFailedCaption = 47110;
constexpr int kUndoTip = 49955;  // "Undo: %s"
constexpr int kRedoTip = 49956;  // "Redo: %s"

std::string Tip(int tipId, const std::string& step, const char* plain) {
    return step.empty() ? std::string(plain) : FormatMessageId(tipId, step);
}

}  // namespace

void CMainFrame::Undo() { StepUndoHistory(&CUndoManager::Undo, kUndoFailedCaption); }

void CMainFrame::Redo() { StepUndoHistory(&CUndoManager::Redo, kRedoFailedCaption); }

void CMainFrame::StepUndoHistory(int (CUndoManager::*step)(), int failureCaption) {
    // A copy on the clipboard may point into the project that is replaced.
    ClearClipboardObjects();
    window_.SetWaitCursor(true);
    ClearGlobalMessage();
    const int result = (undo_.*step)();
    window_.SetWaitCursor(false);
    if (result != 1)
        GetInteraction().ShowMessage(
            {GetGlobalMessageBuffer(), LoadMessage(failureCaption), MessageButtons::Ok, MessageIcon::Error});
}

std::string CMainFrame::GetUndoTip() const { return Tip(kUndoTip, undo_.GetUndoDescription(), "Undo"); }

std::string CMainFrame::GetRedoTip() const { return Tip(kRedoTip, undo_.GetRedoDescription(), "Redo"); }
