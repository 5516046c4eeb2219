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

    CTaskStep* GetStartStep() const { return startStep_; }
    bool SetStartStep(CTaskStep* step) { return StoreField(startStep_, step); }
    CDataSet* GetDataSet() const { return dataSet_; }
    bool SetDataSet(CDataSet* dataSet) { return StoreField(dataSet_, dataSet); }
    CTaskKav* GetParent() const { return parent_; }
    bool SetParent(CTaskKav* parent) { return StoreField(parent_, parent); }

    // Appends a child, moving it from a former parent; refuses a second entry (W0585) and a
    // cycle (W0586). The child's parent ID text becomes this task's ID.
    bool AddChild(CTaskKav* task);
    // FALSE with W0587 when the task is not a child. The parent ID text stays.
    bool RemoveChild(CTaskKav* task);

    // The first step whose ID equals the text (case-sensitive), or null.
    CTaskStep* FindStepByID(const std::string& id) const;
    // The first parameter whose name equals the text without case, or null.
    CAttributeKav* FindAttribute(const std::string& name) const;
    // Every step calling the task takes its current name; with recursive, in every task below
    // too. TRUE when a step changed.
    bool RenameSubtaskCalls(const CTaskKav* task, bool recursive);

private:

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
    CTaskStep* startStep_ = nullptr;
    CDataSet* dataSet_ = nullptr;
    CTaskKav* parent_ = nullptr;
};
