#include "editors/FrameEditorDialogs.h"

#include "editors/project/FoundTransDlg.h"
#include "editors/project/SearchTaskDlg.h"
#include "editors/project/SearchTransDlg.h"
#include "editors/project/SearchWndDlg.h"
#include "editors/steps/ConditionAdmin.h"
#include "editors/steps/ParameterDlg.h"
#include "editors/steps/StepApiEditorDlg.h"
#include "editors/steps/StepEditorDlg.h"
#include "editors/steps/StepSubtaskEditorDlg.h"
#include "editors/steps/TaskEditorDlg.h"
#include "editors/windows/ChangeWintypeDlg.h"
#include "editors/windows/PropertiesDlg.h"
#include "editors/windows/ReplaceWndDlg.h"
#include "editors/windows/TagGenerationDlg.h"
#include "editors/windows/TagMissingDlg.h"
#include "model/TaskStep.h"
#include "model/WindowKav.h"
#include "shell/MainFrame.h"

void GiveFrameTheEditorDialogs(CMainFrame& frame) {
    FrameEditors& editors = frame.Services().editors;
    editors.editTask = [&frame](CTaskKav& task) { return CTaskEditorDlg(frame, frame.Root()).EditTask(&task); };
    editors.editWindowProperties = [&frame](CWindowKav& window) {
        const std::unique_ptr<CPropertiesDlg> dialog = CPropertiesDlg::CreateForType(frame, frame.Root(), window.GetType());
        if (!dialog) return -1;
        // A rename is a change like any other to the frame.
        return dialog->EditWindow(window) == CPropertiesDlg::kNothingWritten ? 0 : 1;
    };
    editors.editStep = [&frame](CStepKav& step, bool isNew, CTaskKav* task) {
        return CStepEditorDlg(frame, frame.Root()).EditStep(&step, isNew, task);
    };
    editors.editSubtaskStep = [&frame](CTaskStep& step, CTaskKav* task) {
        return CStepSubtaskEditorDlg(frame, frame.Root()).EditSubtaskStep(&step, task);
    };
    editors.editApiStep = [&frame](CStepKav& step, CTaskKav* task) {
        return CStepApiEditorDlg(frame, frame.Root()).EditApiStep(&step, task);
    };
    editors.editParameters = [&frame](OwningList<CAttributeKav>& list, int kind, bool readOnly,
                                      const std::string& title) {
        return CParameterDlg(frame, frame.Root())
            .EditParameters(list, static_cast<ParameterListKind>(kind), readOnly, title);
    };
    editors.editMetaConditions = [&frame] {
        std::string chosenId;
        CConditionAdmin(frame, frame.Root()).EditMetaConditions(chosenId);
    };
    editors.chooseWindowType = [&frame](CWindowKav& window) { return CChangeWintypeDlg(frame).SelectWindowType(window); };
    editors.chooseReplacement = [&frame](CWindowKav& window) -> CWindowKav* {
        CWindowKav* replaced = &window;
        CWindowKav* replacement = nullptr;
        return CReplaceWndDlg(frame).SelectWindows(replaced, replacement) == 1 ? replacement : nullptr;
    };
    editors.generateWindowTags = [&frame](CWindowKav& window) {
        return CTagGenerationDlg(frame, frame.Root()).Execute(&window);
    };
    // The dialog lists what the project's tool lacks and lets the user type tags; the
    // conversion goes on whatever was typed.
    editors.checkMissingTags = [&frame](CWindowKav*, CTaskKav*) {
        CTagMissingDlg(frame, frame.Root()).CheckMissingTags();
        return true;
    };
    editors.searchWindows = [&frame](CWindowKav* start, CFileKav* scope) {
        return CSearchWndDlg(frame, frame.Root()).Search(start, scope);
    };
    editors.searchTasks = [&frame](CTaskKav* start, CFileKav* scope) {
        return CSearchTaskDlg(frame, frame.Root()).Search(start, scope);
    };
    editors.askReferenceDesignation = [&frame](CKavroObj& object) {
        return CSearchTransDlg(frame, frame.Root()).AskWindowId(dynamic_cast<CWindowKav*>(&object));
    };
    editors.showReferences = [&frame](const std::string& designation) {
        CFoundTransDlg(frame, frame.Root()).ShowReferences(designation);
    };
}
