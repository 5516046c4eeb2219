#include "model/DataEqClass.h"

#include <unordered_map>

#include "conditions/ValueTypes.h"
#include "model/DataField.h"
#include "model/RepresentativeValues.h"
#include "platform/MessageBuffer.h"

bool CheckDuplicateRepresentatives(const std::vector<std::string>& values) {
    std::unordered_map<std::string, int> counts;
    for (const std::string& value : values) ++counts[value];
    for (const std::string& value : values) {
        if (counts[value] > 1) {
            SetMessage(44371, value);
            return false;
        }
    }
    return true;
}

bool CDataEqClass::SetRepresentativeValues(const std::string& definition, const CDataField* field) {
    std::vector<std::string> values;
    if (!ParseRepresentativeDefinition(definition, values)) return false;
    if (values.empty()) return true;
    if (!CheckDuplicateRepresentatives(values)) return false;
    for (const std::string& value : values) {
        if (!value.empty() && (value == min_ || value == max_)) {
            SetMessage(44763, value);
            return false;
        }
        if (!field) continue;
        if (const CDataEqClass* owner = field->FindEqClassByValue(value); owner && owner->GetId() != GetId()) {
            SetMessage(44573, value, owner->GetName());
            return false;
        }
        if (IsValid() && !IsValueOfType(value, field->GetType())) {
            SetMessage(44946, value);
            return false;
        }
    }
    representatives_ = std::move(values);
    return true;
}

CDataEqClass* CDataEqClass::Clone(int flags) const {
    auto* copy = new CDataEqClass(GetName(), valid_, defRange_, min_, max_);
    copy->TakeIdentityFromClone(*this, flags);
    copy->representatives_ = representatives_;
    return copy;
}
