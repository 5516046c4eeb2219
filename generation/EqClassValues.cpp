#include "generation/EqClassValues.h"

#include <algorithm>

#include "generation/DataGenSettings.h"
#include "model/DataSet.h"

namespace {

void AddHelpValue(CDataEqClass& eqClass, const std::string& text) {
    eqClass.GetHelpValues().Add(new CDataHelpValue(text));
}

void AddBorders(CDataEqClass& eqClass) {
    if (!eqClass.GetMin().empty()) AddHelpValue(eqClass, eqClass.GetMin());
    if (!eqClass.GetMax().empty()) AddHelpValue(eqClass, eqClass.GetMax());
}

void BuildClassHelpValues(CDataEqClass& eqClass, int valuesSetting) {
    eqClass.GetHelpValues().DeleteAll();
    const std::vector<std::string>& representatives = eqClass.GetRepresentativeValues();
    if (representatives.empty()) {
        AddBorders(eqClass);
        return;
    }
    switch (valuesSetting) {
        case kBoundaryValues:
            AddBorders(eqClass);
            if (eqClass.GetHelpValues().empty()) AddHelpValue(eqClass, representatives.front());
            break;
        case kAllSpecifiedValues:
            AddHelpValue(eqClass, representatives.front());
            AddBorders(eqClass);
            for (std::size_t i = 1; i < representatives.size(); ++i) AddHelpValue(eqClass, representatives[i]);
            break;
        default: AddHelpValue(eqClass, representatives.front()); break;
    }
}

}  // namespace

bool IsClassOfMode(const CDataEqClass& eqClass, int mode) { return eqClass.IsValid() == (mode == kValidMode); }

void BuildHelpValues(CDataSet& dataSet, int valuesSetting) {
    for (CDataField* field : dataSet.GetFields()) {
        for (CDataEqClass* eqClass : field->GetEqClasses()) BuildClassHelpValues(*eqClass, valuesSetting);
    }
}

std::string TakeClassValue(CDataEqClass& eqClass, int valuesSetting) {
    OwningList<CDataHelpValue>& helpValues = eqClass.GetHelpValues();
    if (helpValues.empty()) {
        const std::vector<std::string>& representatives = eqClass.GetRepresentativeValues();
        return valuesSetting == kBoundaryValues && !representatives.empty() ? representatives.back() : std::string();
    }
    CDataHelpValue* taken = *std::min_element(helpValues.begin(), helpValues.end(),
                                              [](auto* a, auto* b) { return a->GetUseCount() < b->GetUseCount(); });
    const std::string text = taken->GetValue();
    if (taken->GetUseCount() == 0) {
        taken->SetUseCount(1);
    } else {
        for (CDataHelpValue* value : helpValues) {
            if (value->GetValue() == text) value->SetUseCount(value->GetUseCount() + 1);
        }
    }
    return text;
}

bool HasUnusedHelpValue(const CDataEqClass& eqClass) {
    const OwningList<CDataHelpValue>& helpValues = eqClass.GetHelpValues();
    return std::any_of(helpValues.begin(), helpValues.end(), [](auto* value) { return value->GetUseCount() == 0; });
}
