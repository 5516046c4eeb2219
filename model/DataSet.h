#pragma once
// A data set: the fields of one kind of input with their equivalence classes, the records that
// give each field a value, the effects, and the data set's own attributes.
#include <string>
#include <vector>

#include "model/AttributeKav.h"
#include "model/DataEffect.h"
#include "model/DataField.h"
#include "model/DataObj.h"
#include "model/DataRecord.h"
#include "model/StoreField.h"
#include "platform/ObjectList.h"

class CDataSet : public CDataObj {
public:
    CDataSet(const std::string& name, std::string description = {}, std::string dataSource = {})
        : CDataObj(kDataSet, name), description_(std::move(description)), dataSource_(std::move(dataSource)) {}

    OwningList<CDataField>& GetFields() { return fields_; }
    const OwningList<CDataField>& GetFields() const { return fields_; }
    OwningList<CDataRecord>& GetRecords() { return records_; }
    const OwningList<CDataRecord>& GetRecords() const { return records_; }
    OwningList<CDataEffect>& GetEffects() { return effects_; }
    const OwningList<CDataEffect>& GetEffects() const { return effects_; }
    OwningList<CAttributeKav>& GetAttributes() { return attributes_; }
    const OwningList<CAttributeKav>& GetAttributes() const { return attributes_; }

    CDataRecord* GetCurrentRecord() const { return currentRecord_; }
    std::string GetDescription() const { return description_; }
    bool SetDescription(const std::string& text) { return StoreField(description_, text); }
    std::string GetDataSource() const { return dataSource_; }
    bool SetDataSource(const std::string& text) { return StoreField(dataSource_, text); }

    // Every data object that belongs to the set: its fields with their equivalence classes,
    // its records and its effects.
    std::vector<CDataObj*> GetContainedDataObjects() const;

private:
    OwningList<CDataField> fields_;
    OwningList<CDataRecord> records_;
    OwningList<CDataEffect> effects_;
    OwningList<CAttributeKav> attributes_;
    CDataRecord* currentRecord_ = nullptr;
    std::string description_;
    std::string dataSource_;
};
