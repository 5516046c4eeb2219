#include "model/ShellServices.h"

CApplicationKav* CurrentApplication = nullptr;
bool VornakMode = false;

namespace {
TestCaseDeletionHook& Hook() {
    static TestCaseDeletionHook hook;
    return hook;
}
}  // namespace

void SetTestCaseDeletionHook(TestCaseDeletionHook hook) { Hook() = std::move(hook); }

void NotifyTestCaseDeleting(CTestCase* testCase) {
    if (Hook()) Hook()(testCase);
}
