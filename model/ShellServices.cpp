#include "model/ShellServices.h"

#include "model/ApplicationKav.h"

CApplicationKav* CurrentApplication = nullptr;
bool VornakMode = false;

namespace {
TestCaseDeletionHook& Hook() {
    static TestCaseDeletionHook hook;
    return hook;
}
UndoStepHook& UndoHook() {
    static UndoStepHook hook;
    return hook;
}
}  // namespace

void SetTestCaseDeletionHook(TestCaseDeletionHook hook) { Hook() = std::move(hook); }

void NotifyTestCaseDeleting(CTestCase* testCase) {
    if (Hook()) Hook()(testCase);
}

void SetUndoStepHook(UndoStepHook hook) { UndoHook() = std::move(hook); }

void RecordUndoStep(const std::string& name) {
    if (UndoHook()) UndoHook()(name);
    else if (CurrentApplication) CurrentApplication->SetModified(1);
}
