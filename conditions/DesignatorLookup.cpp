#include "conditions/DesignatorLookup.h"

#include <algorithm>

#include "conditions/ValueTypes.h"
#include "model/ApplicationKav.h"
#include "model/DataSet.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

// The current record's value of the field, else the field's default value.
std::string FieldValue(const CDataSet& dataSet, const CDataField& field) {
    if (const CDataRecord* record = dataSet.GetCurrentRecord()) {
        const auto& values = record->GetValues();
        if (auto it = values.find(field.GetId()); it != values.end()) return it->second;
    }
    return field.GetDefaultValue();
}

int DescribeAttribute(const CAttributeKav& attribute, DesignatorInfo& info) {
    info.type = attribute.GetType();
    info.value = attribute.GetValue();
    return 1;
}

int DescribeField(const CDataSet& dataSet, const CDataField& field, DesignatorUse use, DesignatorInfo& info) {
    info.type = field.GetType();
    if (use == DesignatorUse::kValue) info.value = FieldValue(dataSet, field);
    return 1;
}

// In an effect condition the whole designator is a field of the context's data set, and the
// check admits numeric fields only.
int DescribeEffectConditionField(const CConditionContext& context, std::string_view name, DesignatorUse use,
                                 DesignatorInfo& info) {
    const CDataSet* dataSet = context.GetDataSet();
    if (!dataSet) {
        SetMessage(ByUse(use, 41098, 41065));
        return -1;
    }
    const CDataField* field = dataSet->FindField(std::string(name));
    if (!field) {
        SetMessage(ByUse(use, 44972, 44974), dataSet->GetName(), name);
        return 0;
    }
    if (use == DesignatorUse::kCheck && field->GetType() != kTypeNum) {
        SetMessage(44973);
        return 0;
    }
    return DescribeField(*dataSet, *field, use, info);
}

int DescribeTaskParameter(const CTaskKav& task, const std::string& name, DesignatorUse use, DesignatorInfo& info) {
    const CAttributeKav* parameter = task.FindAttribute(name);
    if (!parameter) {
        SetMessage(ByUse(use, 44751, 44754), task.GetName(), name);
        return 0;
    }
    return DescribeAttribute(*parameter, info);
}

// "$id", "$valid", "@effectVariable", "~effect" or a field, read on the current record.
int DescribeDataSetMember(const CDataSet& dataSet, const std::string& member, DesignatorUse use,
                          DesignatorInfo& info) {
    const CDataRecord* record = dataSet.GetCurrentRecord();
    const std::string name = member.empty() ? std::string() : member.substr(1);
    if (!member.empty() && member.front() == '$') {
        if (EqualsNoCase(member, "$id")) {
            info.type = kTypeString;
            info.value = record ? record->GetName() : std::string();
        } else if (EqualsNoCase(member, "$valid")) {
            info.type = kTypeBool;
            info.value = record ? TriStateToText(record->IsValid() ? kTrue : kFalse) : "TRUE";
        } else {
            SetMessage(ByUse(use, 44029, 44142), member);
            return 0;
        }
        return 1;
    }
    if (!member.empty() && member.front() == '@') {
        const CAttributeKav* variable = dataSet.FindAttribute(name);
        if (!variable) {
            SetMessage(ByUse(use, 44978, 44980), dataSet.GetName(), name);
            return 0;
        }
        info.type = variable->GetType();
        info.value = record ? record->GetEffectValue(variable->GetName(), &dataSet) : std::string();
        return 1;
    }
    if (!member.empty() && member.front() == '~') {
        const CDataEffect* effect = dataSet.FindEffect(name);
        if (!effect) {
            SetMessage(ByUse(use, 44979, 44981), dataSet.GetName(), name);
            return 0;
        }
        const bool applies = record && std::ranges::find(record->GetEffectIds(), effect->GetId()) !=
                                           record->GetEffectIds().end();
        info.type = kTypeBool;
        info.value = applies ? "TRUE" : "FALSE";
        return 1;
    }
    const CDataField* field = dataSet.FindField(member);
    if (!field) {
        SetMessage(ByUse(use, 44431, 44433), dataSet.GetName(), member);
        return 0;
    }
    return DescribeField(dataSet, *field, use, info);
}

// A user-defined attribute of the window, or one of its properties.
int DescribeWindowMember(const CWindowKav& window, const std::string& member, DesignatorUse use,
                         DesignatorInfo& info) {
    if (member.empty() || member.front() == '$') return DescribeWindowProperty(window, member, use, info);
    const CAttributeKav* attribute =
        window.GetAttributes().FindIf([&](const CAttributeKav* a) { return EqualsNoCase(a->GetName(), member); });
    if (!attribute) {
        SetMessage(ByUse(use, 44201, 44202), member);
        return 0;
    }
    return DescribeAttribute(*attribute, info);
}

}  // namespace

std::string WindowPathText(const CWindowKav& window) {
    return CurrentApplication ? CurrentApplication->GetObjectPathText(&window) : window.GetName();
}

int DescribeDesignator(const CConditionContext& context, std::string_view designator, DesignatorUse use,
                       DesignatorInfo& info) {
    const std::string_view body = DesignatorBody(designator);
    if (EqualsNoCase(body, "ActiveWnd")) {
        // A value can be assigned to the active window, but it has no current one.
        if (use == DesignatorUse::kValue) {
            SetMessage(41021);
            return 0;
        }
        info.type = kTypeBool;
        info.action = "OpenWindow";
        return 1;
    }
    if (context.IsEffectCondition()) return DescribeEffectConditionField(context, body, use, info);

    DesignatorParts parts;
    if (!SplitDesignator(designator, parts)) return 0;
    const CKavroObj* object = ResolveDesignatorParts(parts);
    if (!object) return 0;
    switch (object->GetKind()) {
        case kKindAttribute: return DescribeAttribute(*static_cast<const CAttributeKav*>(object), info);
        case kKindTask:
            return DescribeTaskParameter(*static_cast<const CTaskKav*>(object), parts.attribute, use, info);
        case kKindDataObject:
            return DescribeDataSetMember(*static_cast<const CDataSet*>(object), parts.attribute, use, info);
        default: return DescribeWindowMember(*static_cast<const CWindowKav*>(object), parts.attribute, use, info);
    }
}
