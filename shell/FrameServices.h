#pragma once
// What the main frame's commands reach of later folders: the editor dialogs, the run dialogs,
// the importers and the GUI capture. Start-up installs what the program has; a command whose
// part is missing is disabled, never faked. The editors run through the frame, which is their
// EditorHost.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ObjectList.h"

class CAttributeKav;
class CDataEffect;
class CDataSet;
class CFileKav;
class CKavroObj;
class CStepKav;
class CTaskKav;
class CTaskStep;
class CTestCase;
class CTransitionKav;
class CWindowKav;
class MessageLog;

// The editor dialogs. Each returns 1 when the user confirmed and the model took the change.
struct FrameEditors {
    std::function<int(CTaskKav& task)> editTask;
    // The property dialog of the window's type; -1 when the type has none.
    std::function<int(CWindowKav& window)> editWindowProperties;
    // The step editor of transitions, task steps and test steps (it records "Edit Step"); isNew:
    // a transition not yet added to its window; task: the flow that holds a task step.
    std::function<int(CStepKav& step, bool isNew, CTaskKav* task)> editStep;
    // The editor of a task step that calls a sub-task.
    std::function<int(CTaskStep& step, CTaskKav* task)> editSubtaskStep;
    // The editor of an API step, for the steps of a project in an ESA format.
    std::function<int(CStepKav& step, CTaskKav* task)> editApiStep;
    // The parameter dialog on a list of attributes (kind 1 global attributes, 2 a window's, 3
    // the step field definitions), titled; 1 when the list was replaced by the edited one.
    std::function<int(OwningList<CAttributeKav>& list, int kind, bool readOnly, const std::string& title)>
        editParameters;
    // The meta-condition administration; it records its own undo step.
    std::function<void()> editMetaConditions;
    // The reference browser of the editors (as EditorHost::SelectReference); "" on Cancel.
    std::function<std::string(int kinds, CTaskKav* task, CDataSet* dataSet, const OwningList<CDataEffect>* effects)>
        selectReference;

    // The change-type dialog: the chosen type, 99 when cancelled.
    std::function<int(CWindowKav& window)> chooseWindowType;
    // The replace dialog: the window chosen to take the window's place, null when cancelled.
    std::function<CWindowKav*(CWindowKav& window)> chooseReplacement;
    // Generates the recognition tags of the window; 1, else the message in the global buffer.
    std::function<int(CWindowKav& window)> generateWindowTags;
    // Lists the windows whose test cases a conversion of the window or task (both null: the
    // project) needs and that lack tags; false when the user chose not to go on.
    std::function<bool(CWindowKav* window, CTaskKav* task)> checkMissingTags;
    // The search dialogs from the start object within the scope: the windows or tasks found,
    // nothing when cancelled.
    std::function<std::optional<std::vector<CWindowKav*>>(CWindowKav* start, CFileKav* scope)> searchWindows;
    std::function<std::optional<std::vector<CTaskKav*>>(CTaskKav* start, CFileKav* scope)> searchTasks;
    // The designation of the object whose references are searched, "" when cancelled; then the
    // list of the transitions and task steps that refer to a designation.
    std::function<std::string(CKavroObj& object)> askReferenceDesignation;
    std::function<void(const std::string& designation)> showReferences;
};

// The dialogs of the long runs.
struct FrameRunDialogs {
    // "Test Case Generation" and its status window for the window (with the transition) or the
    // task; all null: the whole project.
    std::function<void(CWindowKav* window, CTransitionKav* transition, CTaskKav* task)> generateTestCases;
    // "Test Case Conversion" and the run for the window or the task (both null: the project).
    std::function<int(CWindowKav* window, CTaskKav* task)> convertTestCases;
    // "Test Case Selection" over the test cases; the one chosen opens in its view.
    std::function<void(CWindowKav* window, CStepKav* transition, CTaskKav* task,
                       const std::vector<CTestCase*>& testCases)>
        selectTestCase;
    // The UFT settings of object coordinates: 0 recorded, 1 not; reports into the log.
    std::function<int(int action, MessageLog& log)> setRepositoryOptions;
};

// The importers. Each reads the file into the open project, reporting into the log; 1 on
// success, else the message is in the log or the global message buffer. The project data
// import runs on the program's project reader and also gives 2 for data of an older version
// (which that reader's CheckVersion converts afterwards) and 3 when the user cancelled.
struct FrameImporters {
    std::function<int(const std::string& path, MessageLog& log)> importProjectData;
    std::function<int(const std::string& path, MessageLog& log)> importUftRepository;
    // The "Java-GUI Info" and "XMI Model Data" commands, whole: each asks for its file, imports
    // it, records its undo step and reports.
    std::function<void()> javaGuiInfo;
    std::function<void()> xmiModelData;
};

// The GUI capture.
struct FrameCapture {
    // Records windows of a running application: the new top-level windows, already in the
    // window list.
    std::function<std::vector<CWindowKav*>()> runGuiSpy;
    // A new window added to the model, or null.
    std::function<CWindowKav*()> runWindowWizard;
    std::function<void()> editGuiBuilders;
};

struct FrameServices {
    FrameEditors editors;
    FrameRunDialogs run;
    FrameImporters importers;
    FrameCapture capture;
};
