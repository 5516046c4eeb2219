#include "generation/EqClassRecords.h"

#include <algorithm>
#include <string>

#include "generation/DataGenSettings.h"
#include "generation/EqClassValues.h"
#include "generation/NewRecords.h"
#include "model/DataSet.h"

namespace {

class RecordMaker {
public:
    RecordMaker(CDataSet& dataSet, int valuesSetting) : dataSet_(dataSet), valuesSetting_(valuesSetting) {}

    // The record of the combination, not yet named or appended; its classes' help values count
    // as used.
    std::unique_ptr<CDataRecord> Make(const EqCombinationList& combinations, std::size_t combination) {
        const int valid = combinations.IsValid(combination) ? 1 : 0;
        auto record = std::make_unique<CDataRecord>(GeneratedRecordName(valid, 0), valid, kOriginEqClassMethod);
        const OwningList<CDataField>& fields = dataSet_.GetFields();
        const std::size_t count = std::min(fields.size(), combinations.FieldCount());
        record->GetValues().reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            record->GetValues().Set(fields[i]->GetId(),
                                    TakeClassValue(*combinations.ClassAt(combination, i), valuesSetting_));
        return record;
    }

    void Append(std::unique_ptr<CDataRecord> record) {
        int& counter = record->IsValid() ? validCount_ : invalidCount_;
        record->SetName(GeneratedRecordName(record->IsValid(), ++counter));
        dataSet_.GetRecords().Add(record.release());
    }

private:
    CDataSet& dataSet_;
    int valuesSetting_;
    int validCount_ = 0;
    int invalidCount_ = 0;
};

// Whether a class of the combination passes the test.
template <class Test>
bool AnyClass(const EqCombinationList& combinations, std::size_t combination, Test test) {
    for (std::size_t field = 0; field < combinations.FieldCount(); ++field) {
        if (test(*combinations.ClassAt(combination, field))) return true;
    }
    return false;
}

// A class of the combination has more help values than combinations to show them.
bool NeedsRepeat(const EqCombinationList& combinations, std::size_t combination) {
    return AnyClass(combinations, combination, [](const CDataEqClass& c) {
        const auto count = static_cast<int>(c.GetHelpValues().size());
        return count > 1 && c.GetWorkValue() < count;
    });
}

bool BringsUnusedValue(const EqCombinationList& combinations, std::size_t combination) {
    return AnyClass(combinations, combination, [](const CDataEqClass& c) { return HasUnusedHelpValue(c); });
}

bool IsModeCovered(const CDataSet& dataSet, int mode, const DataGenSettings& settings) {
    const bool everyClassInACombination = settings.values == kAllSpecifiedValues && settings.strategy == kEachClassOnce;
    for (const CDataField* field : dataSet.GetFields()) {
        for (const CDataEqClass* eqClass : field->GetEqClasses()) {
            if (!IsClassOfMode(*eqClass, mode)) continue;
            if (HasUnusedHelpValue(*eqClass)) return false;
            if (everyClassInACombination && eqClass->GetWorkValue() == 0) return false;
        }
    }
    return true;
}

}  // namespace

void MakeRecordsOneValue(CDataSet& dataSet, const EqCombinationList& combinations, int valuesSetting) {
    RecordMaker maker(dataSet, valuesSetting);
    for (std::size_t combination = 0; combination < combinations.size(); ++combination)
        maker.Append(maker.Make(combinations, combination));
}

void MakeRecordsCovering(CDataSet& dataSet, const EqCombinationList& combinations, int mode,
                         const DataGenSettings& settings) {
    RecordMaker maker(dataSet, settings.values);
    std::vector<std::size_t> repeats;
    for (std::size_t combination = 0; combination < combinations.size(); ++combination) {
        maker.Append(maker.Make(combinations, combination));
        if (NeedsRepeat(combinations, combination)) repeats.push_back(combination);
    }
    bool keptOne = true;
    while (keptOne && !IsModeCovered(dataSet, mode, settings)) {
        keptOne = false;
        for (std::size_t combination : repeats) {
            const bool bringsUnusedValue = BringsUnusedValue(combinations, combination);
            std::unique_ptr<CDataRecord> record = maker.Make(combinations, combination);
            if (bringsUnusedValue) {
                maker.Append(std::move(record));
                keptOne = true;
            }
            if (IsModeCovered(dataSet, mode, settings)) break;
        }
    }
}
