#include "model/TaskClipboard.h"

#include "platform/Clipboard.h"

CTaskKav* GetClipboardTask() { return static_cast<CTaskKav*>(GetClipboardObject(kTaskCopyFormat)); }

TaskStepClipboardList* GetClipboardTaskSteps() {
    return static_cast<TaskStepClipboardList*>(GetClipboardObject(kTaskStepsCopyFormat));
}
