#pragma once
// A data set: the fields of one kind of input with their equivalence classes, the records that
// give each field a value, the effects, and the data set's own attributes.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/AttributeKav.h"
#include "model/DataEffect.h"
#include "model/DataField.h"
#include "model/DataObj.h"
#include "model/DataRecord.h"
#include "model/StoreField.h"
#include "platform/ObjectList.h"

// Which records GetNextRecord and CountRecords take. Callers of record generation also pass 3
// for any record.
enum RecordKind : int { kRecordsAny = 0, kRecordsValid = 1, kRecordsInvalid = 2, kRecordsAll = 3 };

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

    // The record that GetNextRecord chose last; generation clears it before a run and sets it
    // while simulating.
    CDataRecord* GetCurrentRecord() const { return currentRecord_; }
    void SetCurrentRecord(CDataRecord* record) { currentRecord_ = record; }
    std::string GetDescription() const { return description_; }
    bool SetDescription(const std::string& text) { return StoreField(description_, text); }
    std::string GetDataSource() const { return dataSource_; }
    bool SetDataSource(const std::string& text) { return StoreField(dataSource_, text); }

    // The first object whose name equals the key without case, or with byId whose unique id
    // equals it exactly; null when none.
    CDataField* FindField(const std::string& key, bool byId = false) const;
    CDataRecord* FindRecord(const std::string& key, bool byId = false) const;
    CDataEffect* FindEffect(const std::string& key, bool byId = false) const;
    CAttributeKav* FindAttribute(const std::string& key, bool byId = false) const;

    // Appends a record named "Rec_V" (valid) or "Rec_I" followed by the first number from 01
    // whose name no record has (without case).
    CDataRecord* AddNewRecord(int valid, int origin);
    // The next record of the kind after the current one, going round the list; it becomes the
    // current record. wrapped is set when the walk passed the end of the list. Null (and no
    // current record) when no record is of the kind.
    CDataRecord* GetNextRecord(int kind, bool& wrapped);
    int CountRecords(int kind) const;

    // Deep equality: texts with case, lists pairwise in order. An effect's data set counts as
    // "its own set" on either side, so a copy equals its source.
    bool IsEqual(const CKavroObj* other) const override;
    // A copy by the data objects' clone flags with copies of every field, record, effect and
    // attribute. Effects of this set refer to the copy; the current record is not carried.
    CDataSet* Clone(int flags) const;

    // Replaces every "%" effect reference outside string constants and designators by the
    // cause of that effect (looked up by name without case), also inside inserted causes. A
    // reference that recurs along its own chain of references, or equals ownId, fails with
    // W0970; an unknown effect or one without a cause with W0971. On failure the text stays as
    // far as it was expanded.
    static bool ExpandEffectReferences(std::string& text, std::optional<std::string_view> ownId,
                                       const OwningList<CDataEffect>& effects);

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
