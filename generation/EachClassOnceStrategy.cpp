#include "generation/EachClassOnceStrategy.h"

#include <algorithm>

#include "generation/EqClassValues.h"
#include "model/DataSet.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kNoValidClass = 44440;
constexpr int kNoInvalidClass = 44441;

CDataEqClass* LeastUsedValidClass(const CDataField& field) {
    CDataEqClass* chosen = nullptr;
    for (CDataEqClass* eqClass : field.GetEqClasses()) {
        if (eqClass->IsValid() && (!chosen || eqClass->GetWorkValue() < chosen->GetWorkValue())) chosen = eqClass;
    }
    return chosen;
}

// A used invalid class is never chosen again.
CDataEqClass* ChooseClass(const CDataField& field, int mode) {
    if (mode == kValidMode) return LeastUsedValidClass(field);
    const OwningList<CDataEqClass>& classes = field.GetEqClasses();
    CDataEqClass* unusedInvalid =
        classes.FindIf([](const CDataEqClass* c) { return !c->IsValid() && c->GetWorkValue() == 0; });
    return unusedInvalid ? unusedInvalid : classes.FindIf([](const CDataEqClass* c) { return c->IsValid(); });
}

bool AllClassesUsed(const CDataSet& dataSet, int mode) {
    return std::all_of(dataSet.GetFields().begin(), dataSet.GetFields().end(), [mode](const CDataField* field) {
        const OwningList<CDataEqClass>& classes = field->GetEqClasses();
        return std::all_of(classes.begin(), classes.end(), [mode](const CDataEqClass* eqClass) {
            return !IsClassOfMode(*eqClass, mode) || eqClass->GetWorkValue() > 0;
        });
    });
}

}  // namespace

int EachClassOnceStrategy::AddCombinations(CDataSet& dataSet, int mode, EqCombinationList& combinations,
                                           const Progress* /*progress: one combination per class at most*/) {
    if (!CheckHasFields(dataSet)) return 0;
    // Tested after the first record, so that invalid records of a set without invalid classes
    // fail rather than end with no record.
    do {
        auto combination = std::make_unique<CDataEqCombination>();
        int fieldMode = mode;
        for (CDataField* field : dataSet.GetFields()) {
            CDataEqClass* chosen = ChooseClass(*field, fieldMode);
            if (!chosen) {
                SetMessage(kNoValidClass, field->GetName());
                return 0;
            }
            chosen->SetWorkValue(chosen->GetWorkValue() + 1);
            combination->GetClasses().push_back(chosen);
            if (!chosen->IsValid()) {
                combination->SetValid(0);
                fieldMode = kValidMode;
            }
        }
        if (mode == kInvalidMode && combination->GetValid()) {
            SetMessage(kNoInvalidClass, dataSet.GetFields().back()->GetName());
            return 0;
        }
        combinations.Add(combination->GetClasses(), combination->GetValid() != 0);
    } while (!AllClassesUsed(dataSet, mode));
    return 1;
}
