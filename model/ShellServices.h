#pragma once
// What the model reads of the running program: the current project root, the VORNAK mode
// flag, the hook through which views drop a test case before it is deleted, and the one
// through which a command that changed the project records its undo step.
#include <functional>
#include <string>

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

// Records an undo step of that name on the main window, which also marks the project modified.
// Installed by the GUI; without it (batch mode, tests) the current project is only marked
// modified.
using UndoStepHook = std::function<void(const std::string& name)>;
void SetUndoStepHook(UndoStepHook hook);
void RecordUndoStep(const std::string& name);
