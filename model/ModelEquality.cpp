#include "model/ModelEquality.h"

#include "model/AttributeKav.h"
#include "model/ConditionKav.h"

bool AttributesEqual(const CAttributeKav& a, const CAttributeKav& b) {
    return a.GetName() == b.GetName() && a.GetType() == b.GetType() && a.GetValue() == b.GetValue();
}

bool AttributeListsEqual(const OwningList<CAttributeKav>& a, const OwningList<CAttributeKav>& b) {
    return ListsEqual(a, b, AttributesEqual);
}

bool ConditionsEqual(const CConditionKav& a, const CConditionKav& b) {
    return a.GetId() == b.GetId() && a.GetText() == b.GetText();
}
