// How a task step follows the task it calls and forgets or replaces the objects it refers to.
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"

namespace {

const char kTestObjectParameter[] = "S_TestObject";
const char kApplicationParameter[] = "S_Application";
const char kDescriptionParameter[] = "S_Description";

}  // namespace

bool CTaskStep::HasGuiBuildingBlock() const { return subTask_ && subTask_->IsGuiBuildingBlock(); }

CAttributeKav* CTaskStep::GetTestObjectAttribute() const {
    return HasGuiBuildingBlock() ? FindAttribute(kTestObjectParameter, false) : nullptr;
}

CAttributeKav* CTaskStep::GetApplicationAttribute() const {
    return HasGuiBuildingBlock() ? FindAttribute(kApplicationParameter, false) : nullptr;
}

CAttributeKav* CTaskStep::GetDescriptionAttribute() const {
    return HasGuiBuildingBlock() ? FindAttribute(kDescriptionParameter, false) : nullptr;
}

CWindowKav* CTaskStep::GetTestObjectWindow() const {
    const CAttributeKav* testObject = GetTestObjectAttribute();
    if (!testObject) return GetStartWindow();
    return CurrentApplication ? CurrentApplication->GetWindowList().FindByID(testObject->GetValue()) : nullptr;
}

bool CTaskStep::UpdateGuiBuildingBlockStep(const CWindowKav* window) {
    const CAttributeKav* testObject = GetTestObjectAttribute();
    if (!window || !testObject || testObject->GetValue() != window->GetInternalID()) return false;
    TakeSmurfValues(*window);
    return true;
}

void CTaskStep::AimGuiBuildingBlock(const CWindowKav& window) {
    if (CAttributeKav* testObject = GetTestObjectAttribute()) testObject->SetValue(window.GetInternalID());
    if (CAttributeKav* application = GetApplicationAttribute()) {
        std::string value;
        for (const CWindowKav* each = &window; each && value.empty(); each = each->GetParent())
            value = each->GetSmurfValue("application");
        application->SetValue(value);
    }
    if (CAttributeKav* description = GetDescriptionAttribute()) description->SetValue(window.GetSmurfValue("description"));
}

bool CTaskStep::UpdateGuiBuildingBlockStep(const WindowsByInternalId& windows) {
    const CAttributeKav* testObject = GetTestObjectAttribute();
    if (!testObject) return false;
    const auto found = windows.find(testObject->GetValue());
    if (found == windows.end()) return false;
    TakeSmurfValues(*found->second);
    return true;
}

void CTaskStep::TakeSmurfValues(const CWindowKav& window) {
    if (CAttributeKav* application = GetApplicationAttribute())
        application->SetValue(window.GetSmurfValue("application"));
    if (CAttributeKav* description = GetDescriptionAttribute())
        description->SetValue(window.GetSmurfValue("description"));
}

bool CTaskStep::UpdateSubtaskParameters(const CTaskKav* task) {
    if (!task || subTask_ != task) return false;
    OwningList<CAttributeKav> parameters;
    for (const CAttributeKav* definition : task->GetParameters()) {
        CAttributeKav* parameter = parameters.Add(definition->Clone(0));
        const CAttributeKav* current = FindAttribute(definition->GetName(), false);
        if (!current && !definition->GetNote().empty()) current = FindAttribute(definition->GetNote(), false);
        if (current) {
            parameter->SetId(current->GetId());
            parameter->SetValue(current->GetValue());
        }
    }
    GetAttributes() = std::move(parameters);
    return true;
}

bool CTaskStep::ReplaceSubtask(CTaskKav* newTask, const CTaskKav* oldTask) {
    if (!oldTask || subTask_ != oldTask) return false;
    subTask_ = newTask;
    if (newTask) SetName(newTask->GetName());
    UpdateSubtaskParameters(newTask);
    return true;
}

bool CTaskStep::RenameSubtaskCall(const CTaskKav* task) {
    if (!task || subTask_ != task || GetName() == task->GetName()) return false;
    return SetName(task->GetName());
}

bool CTaskStep::ReplaceWindow(CWindowKav* newWindow, const CWindowKav* oldWindow) {
    if (!oldWindow) return false;
    if (CAttributeKav* testObject = GetTestObjectAttribute();
        testObject && EqualsNoCase(testObject->GetValue(), oldWindow->GetInternalID())) {
        testObject->SetValue(newWindow ? newWindow->GetInternalID() : std::string());
        return true;
    }
    bool replaced = false;
    if (GetStartWindow() == oldWindow) replaced = SetStartWindow(newWindow);
    if (GetDestWindow() == oldWindow) replaced = SetDestWindow(newWindow);
    return replaced;
}

bool CTaskStep::RefreshStepWindows(const CTransitionKav* transition) {
    if (!transition || transition_ != transition) return false;
    SetStartWindow(transition->GetStartWindow());
    SetDestWindow(transition->GetDestWindow());
    return true;
}

bool CTaskStep::RemoveReferences(const CWindowKav* window, const CTransitionKav* transition,
                                 const CTaskKav* subTask, const CDataSet* dataSet) {
    if (window) {
        bool changed = false;
        if (GetStartWindow() == window) {
            SetStartWindow(nullptr);
            transition_ = nullptr;
            changed = true;
        }
        if (GetDestWindow() == window) changed = SetDestWindow(nullptr);
        return changed;
    }
    if (transition) {
        if (transition_ != transition) return false;
        transition_ = nullptr;
        return true;
    }
    if (subTask) {
        if (subTask_ != subTask) return false;
        subTask_ = nullptr;
        GetAttributes().DeleteAll();
        if (CurrentApplication) SetAttributes(CurrentApplication->GetStepFields());
        return true;
    }
    if (dataSet && loopDataSet_ == dataSet) {
        loopDataSet_ = nullptr;
        loopMode_ = 0;
        return true;
    }
    return false;
}
