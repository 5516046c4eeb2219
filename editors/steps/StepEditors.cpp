#include "editors/steps/StepEditors.h"

#include "editors/steps/StepApiEditorDlg.h"
#include "editors/steps/StepEditorDlg.h"
#include "editors/steps/StepSubtaskEditorDlg.h"
#include "model/ApplicationKav.h"
#include "model/TaskStep.h"

int RunStepEditor(EditorHost& host, CApplicationKav& project, CStepKav* step, bool isNew, CTaskKav* task) {
    if (!step) return 0;
    const int type = step->GetStepType();
    if (type == kStepTask && static_cast<CTaskStep*>(step)->GetSubTask())
        return CStepSubtaskEditorDlg(host, project).EditSubtaskStep(static_cast<CTaskStep*>(step), task);
    if ((type == kStepTask || type == kStepTest) && project.IsEsaOutputFormat())
        return CStepApiEditorDlg(host, project).EditApiStep(step, task);
    if (type == kStepTransition || type == kStepTask || type == kStepTest)
        return CStepEditorDlg(host, project).EditStep(step, isNew, task);
    return 0;
}
