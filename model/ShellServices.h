#pragma once
// What the model reads of the running program: the current project root, the VORNAK mode
// flag, and the hook through which views drop a test case before it is deleted.
#include <functional>

class CApplicationKav;
class CTestCase;

// The one root of the modelled application for the life of the process.
extern CApplicationKav* CurrentApplication;

// Set at start-up when VORNAK started the program.
extern bool VornakMode;

// Called synchronously just before a test case is deleted, so that every view drops its
// references to it. Installed by the GUI; null means nobody listens.
using TestCaseDeletionHook = std::function<void(CTestCase*)>;
void SetTestCaseDeletionHook(TestCaseDeletionHook hook);
void NotifyTestCaseDeleting(CTestCase* testCase);
