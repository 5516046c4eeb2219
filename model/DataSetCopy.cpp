// Deep equality and copies of data sets.
#include "model/DataSet.h"
#include "model/ModelEquality.h"

namespace {

bool EqClassesEqual(const CDataEqClass& a, const CDataEqClass& b) {
    return a.GetName() == b.GetName() && a.IsValid() == b.IsValid() && a.GetDefRange() == b.GetDefRange() &&
           a.GetMin() == b.GetMin() && a.GetMax() == b.GetMax() &&
           a.GetRepresentativeValues() == b.GetRepresentativeValues();
}

bool FieldsEqual(const CDataField& a, const CDataField& b) {
    return a.GetName() == b.GetName() && a.GetType() == b.GetType() && a.GetMin() == b.GetMin() &&
           a.GetMax() == b.GetMax() && a.GetDefaultValue() == b.GetDefaultValue() &&
           a.GetDescription() == b.GetDescription() && ListsEqual(a.GetEqClasses(), b.GetEqClasses(), EqClassesEqual);
}

bool RecordsEqual(const CDataRecord& a, const CDataRecord& b) {
    return a.GetName() == b.GetName() && a.IsValid() == b.IsValid() && a.GetOrigin() == b.GetOrigin() &&
           a.GetValues() == b.GetValues() && a.GetEffectIds() == b.GetEffectIds();
}

// Both absent, or both present and equal.
template <class T, class Equal>
bool OptionalsEqual(const T* a, const T* b, Equal equal) {
    if (!a || !b) return !a && !b;
    return equal(*a, *b);
}

// An effect of one set is compared with an effect of the other set; a reference to the set
// that holds the effect stands for "its own set" on either side.
struct EffectsEqual {
    const CDataSet* setA;
    const CDataSet* setB;

    bool operator()(const CDataEffect& a, const CDataEffect& b) const {
        if (a.GetName() != b.GetName() || a.IsValid() != b.IsValid()) return false;
        const bool ownA = a.GetDataSet() == setA, ownB = b.GetDataSet() == setB;
        if (ownA != ownB || (!ownA && a.GetDataSet() != b.GetDataSet())) return false;
        return OptionalsEqual(a.GetCondition(), b.GetCondition(), ConditionsEqual) &&
               OptionalsEqual(a.GetAttribute(), b.GetAttribute(), AttributesEqual);
    }
};

}  // namespace

bool CDataSet::IsEqual(const CKavroObj* object) const {
    if (!CKavroObj::IsEqual(object)) return false;
    const auto& data = static_cast<const CDataObj&>(*object);
    if (GetName() != data.GetName() || GetDataKind() != data.GetDataKind()) return false;
    const auto& other = static_cast<const CDataSet&>(data);
    return description_ == other.description_ && dataSource_ == other.dataSource_ &&
           ListsEqual(fields_, other.fields_, FieldsEqual) && ListsEqual(records_, other.records_, RecordsEqual) &&
           ListsEqual(effects_, other.effects_, EffectsEqual{this, &other}) &&
           AttributeListsEqual(attributes_, other.attributes_);
}

CDataSet* CDataSet::Clone(int flags) const {
    auto* copy = new CDataSet(GetName(), description_, dataSource_);
    copy->TakeIdentityFromClone(*this, flags);
    for (const CDataField* field : fields_) copy->fields_.Add(field->Clone(flags));
    for (const CDataRecord* record : records_) copy->records_.Add(record->Clone(flags));
    for (const CDataEffect* effect : effects_) {
        CDataEffect* effectCopy = copy->effects_.Add(effect->Clone(flags));
        // Left on this set, the copy's effects would dangle once this set is replaced.
        if (effect->GetDataSet() == this) effectCopy->SetDataSet(copy);
    }
    for (const CAttributeKav* attribute : attributes_) copy->attributes_.Add(attribute->Clone(flags));
    return copy;
}
