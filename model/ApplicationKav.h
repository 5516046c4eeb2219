#pragma once
// The root of the model of one project: the modelled application with its windows, tasks,
// requirements, test data, meta-conditions, attributes, generated test cases and scripts, the
// project files and the project settings. Every list owns its objects.
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "model/AttributeKav.h"
#include "model/ConditionList.h"
#include "model/DataSet.h"
#include "model/FileKav.h"
#include "model/ProjectSettings.h"
#include "model/Requirement.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/TestScript.h"
#include "model/WindowList.h"
#include "platform/ObjectList.h"

class CKavroObj;
class CStepKav;
class CTransitionKav;
class CWindowKav;

class CApplicationKav {
public:
    explicit CApplicationKav(ProjectSettings settings = DefaultProjectSettings());
    CApplicationKav(const CApplicationKav&) = delete;
    CApplicationKav& operator=(const CApplicationKav&) = delete;
    virtual ~CApplicationKav();

    // ---- Contents

    CWindowList& GetWindowList() { return windows_; }
    OwningList<CTaskKav>& GetTasks() { return tasks_; }
    OwningList<CRequirement>& GetRequirements() { return requirements_; }
    OwningList<CTestCase>& GetTestCases() { return testCases_; }
    OwningList<CTestScript>& GetTestScripts() { return testScripts_; }
    OwningList<CAttributeKav>& GetAttributes() { return attributes_; }
    // The user-defined step fields: definitions of which every step carries a copy.
    OwningList<CAttributeKav>& GetStepFields() { return stepFields_; }
    OwningList<CDataSet>& GetDataSets() { return dataSets_; }
    CConditionList& GetMetaConditions() { return metaConditions_; }
    // The first entry is the main file.
    OwningList<CFileKav>& GetFiles() { return files_; }

    // ---- Lookups. By name: without case; by id: exact. With a file, only objects of that
    // file are searched; without, all. The first match in list order wins.

    CAttributeKav* FindAttribute(const std::string& text, bool byId, const CFileKav* file = nullptr) const;
    CAttributeKav* FindStepField(const std::string& text, bool byId, const CFileKav* file = nullptr) const;
    CDataSet* FindDataSet(const std::string& text, bool byId, const CFileKav* file = nullptr) const;
    // By name: the ID shown to the user; by id: the unique id.
    CRequirement* FindRequirement(const std::string& text, bool byId, const CFileKav* file = nullptr) const;
    // By name folders never match; by id they do.
    CTaskKav* FindTask(const std::string& text, bool byId, const CFileKav* file = nullptr) const;
    CFileKav* FindFile(const std::string& text, bool byId) const;
    // By display name or unique id, both exact.
    CTestCase* FindTestCase(const std::string& text, bool byId) const;
    CTaskStep* FindTaskStepById(const std::string& id) const;
    // The first script of the window (when given) or of the task (when given).
    CTestScript* FindTestScript(const CWindowKav* window, const CTaskKav* task) const;
    // Fills the list with every task that covers the requirement; TRUE when there is one.
    bool FindTasksOfRequirement(const CRequirement* requirement, std::vector<CTaskKav*>& tasks) const;
    // Appends the test cases of the transition, window or task (all when none is given) to the
    // list, with child windows (without caption unless allLevels) or, with allLevels, child
    // tasks; sorted by display name on request. Returns the size of the list.
    int CollectTestCases(const CWindowKav* window, const CStepKav* transition, const CTaskKav* task, bool allLevels,
                         bool sort, std::vector<CTestCase*>& list) const;

    CFileKav* GetMainFile() const { return files_.empty() ? nullptr : files_.front(); }
    // The main file's name, or "".
    std::string GetMainFileName() const;
    // The main file's full path on disk, or "".
    std::string GetMainFilePath() const;
    bool IsInMainFile(const CKavroObj* object) const;
    // Whether the file is the other file or is used by it, directly or through the files that
    // the other file uses. Cycles of used files end the search.
    bool IsFileIncluded(const CFileKav* file, const CFileKav* other) const;

    // ---- Insertion

    // Adds a task with all its child tasks, each under a name unique among the main file's tasks;
    // steps of callerTree that call a renamed task and the task's own "#@name:" references
    // follow the new name.
    void InsertTaskTree(CTaskKav* callerTree, CTaskKav* task);
    // Adds a window with all its child windows, each under a name unused in the window table.
    void InsertWindowTree(CWindowKav* window);
    // Deletes the test cases of one origin, then takes over the new ones into the main file,
    // raising each one's number while another test case has its display name. The new list is
    // emptied.
    bool ReplaceTestCases(OwningList<CTestCase>& newTestCases, int kind, const CWindowKav* window,
                          const CStepKav* transition, const CTaskKav* task);
    // Adds a script to the main file, deleting earlier scripts of its window (or else its task).
    bool AddTestScript(CTestScript* script);
    // Re-homes every object of one project file, the data sets' contents included.
    bool MoveObjectsToFile(const CFileKav* from, CFileKav* to);

    // ---- Deletion

    // The test cases of the task and its children (any kind), else of the transition (any
    // kind), else of the window and its children, else of the whole project; outside the task
    // and transition cases only those of the kind (99: every kind). Views are told before each
    // test case is freed.
    void DeleteTestCases(const CWindowKav* window, const CStepKav* transition, const CTaskKav* task, int kind);
    // Deletes the children first, detaches from the parent, then deletes the object; FALSE with
    // F0036 (F0162) when it is not in the project's list.
    bool DeleteTask(CTaskKav* task);
    bool DeleteRequirement(CRequirement* requirement);
    void DeleteTestScripts(const CWindowKav* window, const CTaskKav* task);

    // ---- Names and reference texts

    // A legal name from any text: identifier characters only, "ID" in front of a leading digit
    // or for nothing left, cut to 100 characters for tasks (kind 6) and 30 for other kinds. A
    // window name (kind 7) then ends in "_TXT" for a static text or "_GRP" for a group box and
    // is numbered until no window of the main file has it.
    std::string MakeValidObjectName(const std::string& text, int kind, int windowType) const;
    // A legal task name that no other task of the main file has.
    std::string MakeValidTaskName(const std::string& text, const CTaskKav* ignore) const;
    // The base name, or the base name with the first free number, among the main file's tasks.
    std::string MakeUniqueName(const std::string& base) const;
    // How designators and messages name the object: "^" file ":" for another file than the
    // main file, then ":" attribute, "%" condition ID, "~" data object, "@" task, a requirement
    // ID or a window name; "" for other kinds.
    std::string GetObjectPathText(const CKavroObj* object) const;

    // Replaces, without case, in the step's texts, condition texts, action argument values
    // and, for a sub-task call, loop count and parameter values; FALSE only for a null step.
    bool ReplaceTextInStep(CStepKav* step, const std::string& oldText, const std::string& newText);
    // ReplaceTextInStep on every step of the task and its child tasks.
    bool ReplaceTextInTaskTree(CTaskKav* task, const std::string& oldText, const std::string& newText);

    // ---- Reference rewriting: every pass also visits the task and the task steps that this
    // process holds on the clipboard, which are always rewritten.

    // Which objects ReplaceReferenceText rewrites, by the project their import item comes from.
    enum ReferenceScope : int { kScopeAll = 0, kScopeNotImported = 1, kScopeImported = 2 };
    // Replaces the text, without case, in the transitions of every window and the steps of
    // every task that pass the scope, in the clipboard task and steps, and in the meta-conditions
    // that pass the scope. Test cases and test scripts keep their texts.
    void ReplaceReferenceText(const std::string& oldText, const std::string& newText, int scope);
    // The replacements, in order, in one walk.
    void ReplaceReferenceTexts(const std::vector<std::pair<std::string, std::string>>& replacements, int scope);
    // "#old#" becomes "#new#", then "#old:" becomes "#new:", everywhere.
    void RenameObjectReferences(const std::string& oldName, const std::string& newName);
    // "#P:old#" becomes "#P:new#", P being the object's path text; nothing for a null object.
    void RenameAttributeReferences(const CKavroObj* object, const std::string& oldName, const std::string& newName);
    // "#old:" becomes "#new:" everywhere (the texts are the task's path texts), then the steps
    // that call the task take its name; in VORNAK mode the tasks changed are reported.
    void RenameTaskReferences(const CTaskKav* task, const std::string& oldText, const std::string& newText);
    // Every step takes the project's step fields again: transitions, task steps that call
    // neither a sub-task nor a transition, the clipboard's steps and the test steps.
    void UpdateStepAttributes();
    // Steps that call the task rebuild their parameters from the task's.
    void UpdateSubtaskCalls(const CTaskKav* task);
    // Steps that call the old task call the new one, take its name and its parameters.
    void ReplaceSubtaskReferences(CTaskKav* newTask, const CTaskKav* oldTask);
    // Whether the task hierarchy and the sub-task calls are free of cycles; else FALSE with
    // W0580 (a task calls one of its ancestors) or W0579 (two tasks call each other). Leaves
    // every task's called-task list holding all tasks it calls, directly or not.
    bool CheckSubtaskRecursion();

    // ---- Copies

    // A deep copy of the whole model by the clone flags, owned by the caller: settings, files,
    // windows (children only with flag 4), tasks, requirements, test cases, test scripts,
    // attributes, step fields, data sets and meta-conditions; with flag 64 only the objects of
    // the main file (files always). Start window, root task and master file are null: flag 16
    // names them by identifier texts taken from the objects, flag 32 copies those texts.
    CApplicationKav* Clone(int flags) const;

    // ---- Windows

    // A name for a new or captured window: its caption, else "Menu" for a menu bar, else the
    // caption of the nearest label beside or above it, else its class; legal and unused.
    std::string MakeWindowIdFromCaption(const CWindowKav* window) const;

    // The passes through which references follow a window that is renamed, replaced or
    // deleted. Reference texts: "#old#" and "#old:" in window transitions, task steps and
    // meta-conditions, and the tab page that shows the window.
    void RenameWindowReferences(const std::string& oldName, const std::string& newName);
    // Task steps, test cases (with their steps) and test scripts that refer to the old window
    // refer to the new one.
    void ReplaceWindowInTasks(CWindowKav* newWindow, const CWindowKav* oldWindow);
    void ReplaceWindowInTestCases(CWindowKav* newWindow, const CWindowKav* oldWindow);
    void ReplaceWindowInTestScripts(CWindowKav* newWindow, const CWindowKav* oldWindow);
    // Steps that perform a transition of the window take its current start and destination
    // window.
    void UpdateWindowReferencesInTasks(const CWindowKav* window);
    // Tasks and their steps drop their references to the objects being deleted: a window, task
    // or requirement with everything below it, a transition, a data set. In VORNAK mode the
    // project tasks changed are reported.
    void RemoveReferencesFromTasks(const CWindowKav* window, const CTransitionKav* transition, const CTaskKav* task,
                                   const CRequirement* requirement, const CDataSet* dataSet);
    // Deletes the test cases of the window (with its children), transition or task (with its
    // children) and clears the references to them in the other test cases.
    void RemoveReferencesFromTestCases(const CWindowKav* window, const CStepKav* transition, const CTaskKav* task,
                                       int flag);
    // Steps that call a GUI building block on the window refresh what they take from it.
    void UpdateGuiBuildingBlockCalls(const CWindowKav* window);
    // The same for all the windows, in one pass.
    void UpdateGuiBuildingBlockCalls(const WindowsByInternalId& windows);

    // ---- Settings

    const ProjectSettings& GetProjectSettings() const { return settings_; }
    // Copies every setting text and number, the identifiers and the modified flag of the other
    // root; start window, root task and master file become null.
    void CopySettings(const CApplicationKav& other);
    // The output format is one of the two ESA formats (3, 14).
    bool IsEsaOutputFormat() const { return settings_.outputFormat == 3 || settings_.outputFormat == 14; }
    static void FillTestTypeList(std::vector<std::string>& list);
    static void FillTestLevelList(std::vector<std::string>& list);

    std::string GetId() const { return id_; }
    void SetId(const std::string& id) { id_ = id; }
    std::string GetMainWndId() const { return mainWndId_; }
    void SetMainWndId(const std::string& id) { mainWndId_ = id; }
    std::string GetMasterProjectId() const { return masterProjectId_; }
    void SetMasterProjectId(const std::string& id) { masterProjectId_ = id; }
    int IsModified() const { return modified_; }
    void SetModified(int modified) { modified_ = modified; }
    CWindowKav* GetStartWindow() const { return startWindow_; }
    bool SetStartWindow(CWindowKav* window) { return StoreField(startWindow_, window); }
    CTaskKav* GetRootTask() const { return rootTask_; }
    bool SetRootTask(CTaskKav* task) { return StoreField(rootTask_, task); }
    CFileKav* GetMasterFile() const { return masterFile_; }
    bool SetMasterFile(CFileKav* file) { return StoreField(masterFile_, file); }

    std::string GetName() const { return settings_.name; }
    bool SetName(const std::string& v) { return StoreField(settings_.name, v); }
    std::string GetDescription() const { return settings_.descr; }
    bool SetDescription(const std::string& v) { return StoreField(settings_.descr, v); }
    int GetGuiId() const { return settings_.guiId; }
    bool SetGuiId(int v) { return StoreField(settings_.guiId, v); }
    int GetOutputFormat() const { return settings_.outputFormat; }
    bool SetOutputFormat(int v) { return StoreField(settings_.outputFormat, v); }
    int GetKeyboard() const { return settings_.keyboard; }
    bool SetKeyboard(int v) { return StoreField(settings_.keyboard, v); }
    std::string GetRootPath() const { return settings_.rootPath; }
    bool SetRootPath(const std::string& v) { return StoreField(settings_.rootPath, v); }
    std::string GetScriptPath() const { return settings_.scriptPath; }
    bool SetScriptPath(const std::string& v) { return StoreField(settings_.scriptPath, v); }
    std::string GetExePath() const { return settings_.exePath; }
    bool SetExePath(const std::string& v) { return StoreField(settings_.exePath, v); }
    std::string GetExeParams() const { return settings_.exeParams; }
    bool SetExeParams(const std::string& v) { return StoreField(settings_.exeParams, v); }
    std::string GetExeDir() const { return settings_.exeDir; }
    bool SetExeDir(const std::string& v) { return StoreField(settings_.exeDir, v); }
    std::string GetHtmlPath() const { return settings_.htmlPath; }
    bool SetHtmlPath(const std::string& v) { return StoreField(settings_.htmlPath, v); }
    std::string GetVornakPath() const { return settings_.vornakPath; }
    bool SetVornakPath(const std::string& v) { return StoreField(settings_.vornakPath, v); }
    int GetTimeout() const { return settings_.timeout; }
    bool SetTimeout(int v) { return StoreField(settings_.timeout, v); }
    int GetWebTest() const { return settings_.webTest; }
    bool SetWebTest(int v) { return StoreField(settings_.webTest, v); }
    int GetOptimizeWait() const { return settings_.optimizeWait; }
    bool SetOptimizeWait(int v) { return StoreField(settings_.optimizeWait, v); }
    std::string GetWinRunnerVariables() const { return settings_.winRunnerVariables; }
    bool SetWinRunnerVariables(const std::string& v) { return StoreField(settings_.winRunnerVariables, v); }
    int GetSaveDistributed() const { return settings_.saveDistributed; }
    bool SetSaveDistributed(int v) { return StoreField(settings_.saveDistributed, v); }
    int GetOldTaskMode() const { return settings_.oldTaskMode; }
    bool SetOldTaskMode(int v) { return StoreField(settings_.oldTaskMode, v); }

private:
    // Removes the test case, tells the views, and frees it.
    void DeleteTestCase(CTestCase* testCase);
    bool IsFileIncluded(const CFileKav* file, const CFileKav* other, std::vector<const CFileKav*>& visited) const;
    // The object takes part in a reference rewrite of that scope.
    static bool IsInScope(const CKavroObj* object, int scope);
    // Depth first from the task, with the set of the tasks on its path from the root task:
    // FALSE with W0580 when a step calls a task on the path.
    bool CheckTaskFlowRecursion(const CTaskKav* task, std::unordered_set<const CTaskKav*>& path) const;

    CWindowList windows_;
    OwningList<CTaskKav> tasks_;
    OwningList<CRequirement> requirements_;
    OwningList<CTestCase> testCases_;
    OwningList<CTestScript> testScripts_;
    OwningList<CAttributeKav> attributes_;
    OwningList<CAttributeKav> stepFields_;
    OwningList<CDataSet> dataSets_;
    CConditionList metaConditions_;
    OwningList<CFileKav> files_;

    std::string id_;
    std::string mainWndId_;
    std::string masterProjectId_;
    int modified_ = 0;
    CWindowKav* startWindow_ = nullptr;
    CTaskKav* rootTask_ = nullptr;
    CFileKav* masterFile_ = nullptr;
    ProjectSettings settings_;
};
