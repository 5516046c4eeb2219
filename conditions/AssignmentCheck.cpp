#include "conditions/AssignmentCheck.h"

#include "conditions/Designator.h"
#include "conditions/DesignatorLookup.h"
#include "conditions/ValueTypes.h"
#include "conditions/WindowAssignments.h"
#include "model/DataSet.h"
#include "model/TaskKav.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

// The value names the window that becomes the active one.
int AssignActiveWindow(const DesignatorAssignment& assignment) {
    const CKavroObj* object = ResolveDesignatorObject(assignment.value);
    if (!object || object->GetKind() != kKindWindow) return RefuseAssignment(44204, assignment.value);
    return assignment.Record(kTypeWindowId, "OpenWindow");
}

// In an effect condition the designator is a field of the context's data set; its value is
// not checked against the field.
int AssignEffectConditionField(const CConditionContext& context, const DesignatorAssignment& assignment) {
    const CDataSet* dataSet = context.GetDataSet();
    if (!dataSet) {
        SetMessage(41080);
        return -1;
    }
    const std::string name(DesignatorBody(assignment.designator));
    const CDataField* field = dataSet->FindField(name);
    if (!field) return RefuseAssignment(44975, dataSet->GetName(), name);
    return assignment.Record(field->GetType(), "SetAttribute");
}

int AssignGlobalAttribute(const CAttributeKav& attribute, const DesignatorAssignment& assignment) {
    if (!IsValueOfType(assignment.value, attribute.GetType()))
        return RefuseAssignment(44756, assignment.designator, assignment.value);
    return assignment.Record(attribute.GetType(), "SetAttribute");
}

int AssignTaskParameter(const CTaskKav& task, const std::string& name, const DesignatorAssignment& assignment) {
    const CAttributeKav* parameter = task.FindAttribute(name);
    if (!parameter) return RefuseAssignment(44758, task.GetName(), name);
    if (!IsValueOfType(assignment.value, parameter->GetType()))
        return RefuseAssignment(44759, assignment.designator, assignment.value);
    return assignment.Record(parameter->GetType(), "SetAttribute");
}

// "$id", "$valid", "@effectVariable", "~effect" or a field; only "$valid" checks its value.
int AssignDataSetMember(const CDataSet& dataSet, const std::string& member, const DesignatorAssignment& assignment) {
    const std::string name = member.empty() ? std::string() : member.substr(1);
    if (member.starts_with('$')) {
        if (EqualsNoCase(member, "$id")) return assignment.Record(kTypeString, "SetAttribute");
        if (!EqualsNoCase(member, "$valid")) return RefuseAssignment(44438, member);
        if (!RequireBool(assignment.value, 44143)) return 0;
        return assignment.Record(kTypeBool, "SetAttribute");
    }
    if (member.starts_with('@')) {
        const CAttributeKav* variable = dataSet.FindAttribute(name);
        if (!variable) return RefuseAssignment(44982, dataSet.GetName(), name);
        return assignment.Record(variable->GetType(), "SetAttribute");
    }
    if (member.starts_with('~')) {
        if (!dataSet.FindEffect(name)) return RefuseAssignment(44983, dataSet.GetName(), name);
        return assignment.Record(kTypeBool, "SetAttribute");
    }
    const CDataField* field = dataSet.FindField(member);
    if (!field) return RefuseAssignment(44427, dataSet.GetName(), member);
    return assignment.Record(field->GetType(), "SetAttribute");
}

}  // namespace

int CheckDesignatorAssignment(const CConditionContext& context, std::string_view designator, const std::string& value,
                              CCombination& combination, const void* source) {
    const DesignatorAssignment assignment{std::string(designator), value, combination, source};
    if (EqualsNoCase(DesignatorBody(designator), "ActiveWnd")) return AssignActiveWindow(assignment);
    if (context.IsEffectCondition()) return AssignEffectConditionField(context, assignment);

    DesignatorParts parts;
    if (!SplitDesignator(designator, parts)) return 0;
    const CKavroObj* object = ResolveDesignatorParts(parts);
    if (!object) return 0;
    switch (object->GetKind()) {
        case kKindAttribute: return AssignGlobalAttribute(*static_cast<const CAttributeKav*>(object), assignment);
        case kKindDataObject:
            return AssignDataSetMember(*static_cast<const CDataSet*>(object), parts.attribute, assignment);
        case kKindTask:
            return AssignTaskParameter(*static_cast<const CTaskKav*>(object), parts.attribute, assignment);
        case kKindWindow:
            return CheckWindowAssignment(*static_cast<const CWindowKav*>(object), parts.attribute, assignment);
        default: return 1;  // nothing that a test sets
    }
}
