#pragma once
// A record of a data set: one value per field (keyed by the field's unique id), whether the
// combination is valid, and the effects that apply to it.
#include <string>
#include <vector>

#include "model/DataObj.h"
#include "model/RecordValues.h"
#include "model/StoreField.h"

class CDataSet;

// Where a record came from.
enum RecordOrigin : int { kOriginManual = 1, kOriginEqClassMethod = 2, kOriginImported = 3, kOriginDeltra = 4 };

class CDataRecord : public CDataObj {
public:
    CDataRecord(const std::string& name, int valid, int origin)
        : CDataObj(kDataRecord, name), valid_(valid), origin_(origin) {}

    RecordValues& GetValues() { return values_; }
    const RecordValues& GetValues() const { return values_; }
    // Unique ids of the data set's effects that apply to this record.
    std::vector<std::string>& GetEffectIds() { return effectIds_; }
    const std::vector<std::string>& GetEffectIds() const { return effectIds_; }

    bool IsValid() const { return valid_ != 0; }
    bool SetValid(int valid) { return StoreField(valid_, valid); }
    int GetOrigin() const { return origin_; }
    void SetOrigin(int origin) { origin_ = origin; }
    // "Manual", "Equivalence Class Method", "Imported", "DELTRA Method"; "" for other codes.
    std::string GetOriginText() const;

    // The value that the first of the record's effects (in list order, looked up by unique id
    // in the data set) whose variable has that name (with case) gives it; "" when none does.
    std::string GetEffectValue(const std::string& variableName, const CDataSet* dataSet) const;

    // A copy by the data objects' clone flags, with the values and effect ids.
    CDataRecord* Clone(int flags) const;

private:
    RecordValues values_;
    std::vector<std::string> effectIds_;
    int valid_;
    int origin_;
};
