#pragma once
// All that an editor dialog reaches of the main frame. The frame implements it; the editors
// (a later library) only see this interface, and tests give them a fake.
#include <string>

#include "platform/ObjectList.h"

class CDataEffect;
class CDataSet;
class CStepKav;
class CTaskKav;
class CTestCase;
class CTransitionKav;
class CWindowKav;
class EditorDialog;

class EditorHost {
public:
    virtual ~EditorHost() = default;

    // Shows the dialog's window modally over the window that is active and returns how it
    // ended: 1 OK, 2 Cancel. The window calls the dialog's OnInitDialog when it opens.
    virtual int RunModal(EditorDialog& dialog) = 0;

    // Marks the project modified and records an undo step of that name.
    virtual void SetModified(const std::string& undoName) = 0;
    // Refreshes every open view.
    virtual void RefreshAllViews() = 0;
    // Runs the reference browser: kinds are its mode bits (1 windows, 2 attributes, 4 the
    // task's parameters, 8 the data set's test data with the effects, 16 all test data). The
    // chosen reference without the enclosing "#", "" on Cancel.
    virtual std::string SelectReference(int kinds, CTaskKav* task, CDataSet* dataSet,
                                        const OwningList<CDataEffect>* effects) = 0;
    // Opens the help at the topic of the context id.
    virtual void ShowHelp(int contextId) = 0;

    // Moves the transition to another start window and sets its destination; 1, or 0 with
    // nothing changed.
    virtual int RedirectTransition(CTransitionKav* transition, CWindowKav* start, CWindowKav* destination) = 0;
    // Closes the task-flow views of the task and of its sub-tasks.
    virtual void CloseTaskFlowViews(CTaskKav* task) = 0;
    // The task's name or structure changed: the frame updates what shows it.
    virtual void TaskChanged(CTaskKav* task) = 0;
    // Opens or activates the task-flow editor of the task.
    virtual void OpenTaskFlow(CTaskKav* task) = 0;
    // Runs the editor that suits the step (the task names the step's task, or null) and
    // returns its result.
    virtual int EditStep(CStepKav* step, bool isNew, CTaskKav* task) = 0;
    // Opens or activates the view of the test case.
    virtual void OpenTestCase(CTestCase* testCase) = 0;
    // Gives the frame the command (its number) as its menu would: the frame carries it out only
    // when its enabling rule allows it.
    virtual void SendCommand(int command) = 0;
};
