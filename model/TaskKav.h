#pragma once
// A task: one piece of work on the application under test, as an acyclic flow graph of task
// steps. Tasks form a hierarchy through parent pointers and child lists that do not own; the
// application root's task list owns every task.
#include <string>
#include <vector>

#include "model/AttributeKav.h"
#include "model/KavroObj.h"
#include "model/StoreField.h"
#include "model/TaskStep.h"
#include "platform/ObjectList.h"

class CDataSet;
class CRequirement;
class CTransitionKav;
class CWindowKav;

enum TaskType : int { kTaskPlain = 0, kTaskBuildingBlock = 1, kTaskFolder = 2 };

class CTaskKav : public CKavroObj {
public:
    // The type is stored before the name is set, so a folder's name may hold any character;
    // a refused name leaves the name empty (the message stays in the buffer).
    CTaskKav(const std::string& name, int type, std::string testGoal = {}, std::string testLevel = {},
             std::string testType = {}, std::string configuration = {}, std::string precondition = {},
             std::string description = {}, std::string postcondition = {}, std::string docPath = {});

    std::vector<CTaskKav*>& GetChildren() { return children_; }
    const std::vector<CTaskKav*>& GetChildren() const { return children_; }
    OwningList<CTaskStep>& GetSteps() { return steps_; }
    const OwningList<CTaskStep>& GetSteps() const { return steps_; }
    OwningList<CAttributeKav>& GetParameters() { return parameters_; }
    const OwningList<CAttributeKav>& GetParameters() const { return parameters_; }
    std::vector<CRequirement*>& GetRequirements() { return requirements_; }
    const std::vector<CRequirement*>& GetRequirements() const { return requirements_; }
    // Working list of the sub-task recursion check of the application root.
    std::vector<CTaskKav*>& GetCalledTasks() { return calledTasks_; }
    // Requirement identifiers as read from a project file, until the references are resolved.
    std::vector<std::string>& GetRequirementIds() { return requirementIds_; }
    const std::vector<std::string>& GetRequirementIds() const { return requirementIds_; }

    std::string GetID() const { return id_; }
    bool SetID(const std::string& id) { return StoreField(id_, id); }
    std::string GetStartId() const { return startId_; }
    bool SetStartId(const std::string& id) { return StoreField(startId_, id); }
    std::string GetDataSetId() const { return dataSetId_; }
    bool SetDataSetId(const std::string& id) { return StoreField(dataSetId_, id); }
    std::string GetParentId() const { return parentId_; }
    bool SetParentId(const std::string& id) { return StoreField(parentId_, id); }

    std::string GetName() const { return name_; }
    // Not empty, at most 100 characters, and for every type but folders only identifier
    // characters; else FALSE with W0583, W0584 or W0009. Uniqueness is not checked here.
    bool SetName(const std::string& name);
    int GetType() const { return type_; }
    bool SetType(int type) { return StoreField(type_, type); }
    bool IsFolder() const { return type_ == kTaskFolder; }

    std::string GetTestGoal() const { return testGoal_; }
    bool SetTestGoal(const std::string& text) { return StoreField(testGoal_, text); }
    std::string GetTestLevel() const { return testLevel_; }
    bool SetTestLevel(const std::string& text) { return StoreField(testLevel_, text); }
    std::string GetTestType() const { return testType_; }
    bool SetTestType(const std::string& text) { return StoreField(testType_, text); }
    std::string GetConfiguration() const { return configuration_; }
    bool SetConfiguration(const std::string& text) { return StoreField(configuration_, text); }
    std::string GetPrecondition() const { return precondition_; }
    bool SetPrecondition(const std::string& text) { return StoreField(precondition_, text); }
    std::string GetDescription() const { return description_; }
    bool SetDescription(const std::string& text) { return StoreField(description_, text); }
    std::string GetPostcondition() const { return postcondition_; }
    bool SetPostcondition(const std::string& text) { return StoreField(postcondition_, text); }
    std::string GetDocPath() const { return docPath_; }
    bool SetDocPath(const std::string& text) { return StoreField(docPath_, text); }

    // The task belongs to the test-management product VORNAK.
    bool IsQuVornakTask() const { return quVornakTask_ != 0; }
    bool SetQuVornakTask(int flag) { return StoreField(quVornakTask_, flag); }
    // Set when loading found minor errors in the task.
    int GetLoadErrors() const { return loadErrors_; }
    bool SetLoadErrors(int errors) { return StoreField(loadErrors_, errors); }

    // The task's item in the task tree of the views.
    void* GetTreeItem() const { return treeItem_; }
    bool SetTreeItem(void* item) { return StoreField(treeItem_, item); }

    CTaskStep* GetStartStep() const { return startStep_; }
    bool SetStartStep(CTaskStep* step) { return StoreField(startStep_, step); }
    CDataSet* GetDataSet() const { return dataSet_; }
    bool SetDataSet(CDataSet* dataSet) { return StoreField(dataSet_, dataSet); }
    CTaskKav* GetParent() const { return parent_; }

    // Appends a child, moving it from a former parent; refuses a second entry (W0585) and a
    // cycle (W0586). The child's parent ID text becomes this task's ID.
    bool AddChild(CTaskKav* task);
    // The same without the walk up the tree, for a caller that knows the task is neither this
    // task nor one of its ancestors (the loader, which keeps the top of every tree it links).
    bool AddChildNoCycleCheck(CTaskKav* task);
    // FALSE with W0587 when the task is not a child. The parent ID text stays.
    bool RemoveChild(CTaskKav* task);

    // ---- The flow graph. Connections never close a cycle and never repeat.

    // Whether a connection from source to destination keeps the graph acyclic: the
    // destination is neither the source nor reached from it backwards along predecessors.
    bool CanConnect(const CTaskStep* source, const CTaskStep* destination) const;
    // 1 connected (also when the connection existed); 0 with W0588 for a cycle; -1 with F0113
    // for a null step.
    int ConnectSteps(CTaskStep* source, CTaskStep* destination);
    // The same without the cycle check, for a caller that checked the whole flow at once.
    void ConnectStepsUnchecked(CTaskStep* source, CTaskStep* destination);
    // Removes the connection; a destination left without predecessor is connected from the
    // start step. 1, or -1 with F0114 for a null step or the message of that connection.
    int DisconnectSteps(CTaskStep* source, CTaskStep* destination);
    // Connects predecessor -> step (and step -> successor when given) and appends the step;
    // 1, or 0 when a connection is refused, which leaves the step unconnected and outside the
    // task.
    int InsertStep(CTaskStep* step, CTaskStep* predecessor, CTaskStep* successor);
    // Connects every predecessor of the step to every successor, then deletes the step. The
    // start step is refused (F0115); inconsistent connection lists give F0116 to F0118.
    bool DeleteStep(CTaskStep* step);

    // ---- Lookups and the hierarchy

    // The first step whose ID equals the text (case-sensitive), or null.
    CTaskStep* FindStepByID(const std::string& id) const;
    // The first parameter whose name equals the text without case, or null.
    CAttributeKav* FindAttribute(const std::string& name) const;
    // This task when its name equals the text (with case), else the first match below, depth
    // first.
    CTaskKav* FindInHierarchy(const std::string& name);
    // Sorts the children by name, with case; equal names keep their order.
    void SortChildrenByName();
    // Number of parents above the task.
    int GetDepth() const;
    // Number of plain tasks among the task and all tasks below it.
    int CountTasks() const;
    // A plain task, or a folder with a plain task anywhere below it.
    bool ContainsTask() const;
    // A building block, or a folder with a building block anywhere below it.
    bool ContainsBuildingBlock() const;
    // The task or a task below it has more than one step.
    bool HasModelledSteps() const;
    // Sets the VORNAK flag of the task and, when recursive, of every task below it.
    bool SetFlagRecursive(int flag, bool recursive);
    // Every step below the task that calls a sub-task calls the task of that name found below
    // the root (FindInHierarchy), when there is one.
    void RelinkSubTasks(CTaskKav* root);

    // Deep equality against a task as read from a project file: this task's references are
    // compared with the other's reference texts. The ID, parent, children, flags and tree
    // item are not compared.
    bool IsEqual(const CKavroObj* other) const override;
    // A copy by the model's clone flags: 1 identifiers, 2 owning file, 4 child tasks, 8 the
    // references with the rebuilt flow graph, 16 or 32 the reference texts. The caller owns
    // the copy and its copied children.
    CTaskKav* Clone(int flags) const;

    // ---- Sub-task calls and reference upkeep. The recursive forms visit the task's own steps,
    // then every task below, depth first.

    // A building block whose name begins with "G_GUI_" (without case), while the project
    // writes one of the two ESA formats.
    bool IsGuiBuildingBlock() const;
    void UpdateSubtaskParameters(const CTaskKav* task, bool recursive);
    void ReplaceSubtask(CTaskKav* newTask, const CTaskKav* oldTask, bool recursive);
    // Every step calling the task takes its current name; TRUE when a step changed.
    bool RenameSubtaskCalls(const CTaskKav* task, bool recursive);
    void ReplaceWindow(CWindowKav* newWindow, const CWindowKav* oldWindow, bool recursive);
    void RefreshStepWindows(const CTransitionKav* transition, bool recursive);
    void UpdateGuiBuildingBlockSteps(const WindowsByInternalId& windows, bool recursive);
    // Forgets a deleted requirement and data set of the task, then applies the step form to
    // every step; TRUE when anything changed.
    bool RemoveReferences(const CWindowKav* window, const CTransitionKav* transition, const CTaskKav* subTask,
                          const CRequirement* requirement, const CDataSet* dataSet, bool recursive);

private:
    // Visits the task's steps, then (when recursive) every task below, depth first; the result
    // is TRUE when the visitor returned TRUE for any step.
    template <class Visit>
    bool ForEachStep(bool recursive, Visit visit);
    // Walks the tasks below, depth first, until the predicate holds.
    template <class Pred>
    bool AnyBelow(Pred pred) const;

    std::vector<CTaskKav*> children_;
    OwningList<CTaskStep> steps_;
    OwningList<CAttributeKav> parameters_;
    std::vector<CRequirement*> requirements_;
    std::vector<CTaskKav*> calledTasks_;
    std::vector<std::string> requirementIds_;
    std::string id_;
    std::string startId_;
    std::string dataSetId_;
    std::string parentId_;
    std::string name_;
    int type_;
    std::string testGoal_, testLevel_, testType_, configuration_;
    std::string precondition_, description_, postcondition_, docPath_;
    int quVornakTask_ = 0;
    int loadErrors_ = 0;
    void* treeItem_ = nullptr;
    CTaskStep* startStep_ = nullptr;
    CDataSet* dataSet_ = nullptr;
    CTaskKav* parent_ = nullptr;
};
