#include "model/DataField.h"

#include <algorithm>

#include "conditions/ValueTypes.h"
#include "resources/MessageCatalogue.h"

namespace {

struct DefaultClass {
    int type;
    const char* name;
    int valid;
    int rangeText;        // string table id, or 0 for the fixed text
    const char* fixedRange;
    const char* definition;
};

// The string table holds the range texts, so they follow the resource language; the truth
// value ranges are fixed.
constexpr DefaultClass kDefaultClasses[] = {
    {kTypeString, "V1", 1, 49700, nullptr, "test"},
    {kTypeBool, "V1", 1, 0, "True", "TRUE"},
    {kTypeBool, "V2", 1, 0, "False", "FALSE"},
    {kTypeNum, "V1", 1, 49701, nullptr, "1"},
    {kTypeNum, "I1", 0, 49702, nullptr, "1abc"},
    {kTypeDate, "V1", 1, 49703, nullptr, "08.03.1994"},
    {kTypeDate, "I1", 0, 49704, nullptr, "29.02.1999"},
    {kTypeDate, "I2", 0, 49705, nullptr, "290299, abc"},
};

}  // namespace

bool CDataField::AddDefaultEqClasses() {
    for (const DefaultClass& entry : kDefaultClasses) {
        if (entry.type != type_) continue;
        const std::string range = entry.rangeText ? LoadMessage(entry.rangeText) : entry.fixedRange;
        auto* eqClass = new CDataEqClass(entry.name, entry.valid, range);
        eqClass->SetRepresentativeValues(entry.definition, this);
        eqClasses_.Add(eqClass);
    }
    return true;
}

CDataEqClass* CDataField::FindEqClassByValue(const std::string& value) const {
    if (value.empty()) return nullptr;
    return eqClasses_.FindIf([&](const CDataEqClass* eqClass) {
        const auto& values = eqClass->GetRepresentativeValues();
        return eqClass->GetMin() == value || eqClass->GetMax() == value ||
               std::find(values.begin(), values.end(), value) != values.end();
    });
}

CDataField* CDataField::Clone(int flags) const {
    auto* copy = new CDataField(GetName(), type_, min_, max_, defaultValue_, description_);
    copy->TakeIdentityFromClone(*this, flags);
    for (const CDataEqClass* eqClass : eqClasses_) copy->eqClasses_.Add(eqClass->Clone(flags));
    return copy;
}
