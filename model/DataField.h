#pragma once
// One input of a data set, with its value type and its equivalence classes.
#include <string>

#include "model/DataEqClass.h"
#include "model/DataObj.h"
#include "model/StoreField.h"
#include "platform/ObjectList.h"

class CDataField : public CDataObj {
public:
    CDataField(const std::string& name, int type = 4, int min = 0, int max = 999999, std::string defaultValue = {},
               std::string description = {})
        : CDataObj(kDataField, name),
          type_(type),
          min_(min),
          max_(max),
          defaultValue_(std::move(defaultValue)),
          description_(std::move(description)) {}

    OwningList<CDataEqClass>& GetEqClasses() { return eqClasses_; }
    const OwningList<CDataEqClass>& GetEqClasses() const { return eqClasses_; }

    // Value type code: 2 number, 3 Bool, 4 string, 14 date.
    int GetType() const { return type_; }
    bool SetType(int type) { return StoreField(type_, type); }
    int GetMin() const { return min_; }
    bool SetMin(int min) { return StoreField(min_, min); }
    int GetMax() const { return max_; }
    bool SetMax(int max) { return StoreField(max_, max); }
    // What a designator of the field yields while its data set has no current record.
    std::string GetDefaultValue() const { return defaultValue_; }
    bool SetDefaultValue(const std::string& value) { return StoreField(defaultValue_, value); }
    std::string GetDescription() const { return description_; }
    bool SetDescription(const std::string& text) { return StoreField(description_, text); }

    // Appends the classes that a new field of its type starts with (none for other types).
    bool AddDefaultEqClasses();
    // The first class holding the value as lower border, upper border or representative
    // value; null for the empty value.
    CDataEqClass* FindEqClassByValue(const std::string& value) const;

    // A copy by the data objects' clone flags, with copies of the classes.
    CDataField* Clone(int flags) const;

private:
    OwningList<CDataEqClass> eqClasses_;
    int type_;
    int min_;
    int max_;
    std::string defaultValue_;
    std::string description_;
};
