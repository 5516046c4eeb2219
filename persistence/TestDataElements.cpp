// Test data: data sets with their fields, equivalence classes, records and effects.
#include <memory>

#include "model/DataSet.h"
#include "persistence/KeptMessage.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kMissingEqClassId = 44830;     // [W0830]
constexpr int kMissingDataSetId = 44835;     // [W0835]
constexpr int kMissingDataFieldId = 44858;   // [W0858]
constexpr int kMissingDataRecordId = 44871;  // [W0871]
constexpr int kMissingDataEffectId = 44977;  // [W0977]

constexpr int kStringType = 4;
constexpr int kDefaultMin = 0;
constexpr int kDefaultMax = 999999;

// The data objects check their names as the editors do; the check's message must not stay. Each
// takes its identifier from the file.
template <class T, class... Args>
std::unique_ptr<T> MakeDataObject(Args&&... args) {
    KeptMessage kept;
    return MakeWithFileId<T>(std::forward<Args>(args)...);
}

}  // namespace

std::unique_ptr<CDataSet> CXMLDataManager::ReadDataSet() {
    const std::string id = RequiredAttribute("ID", kMissingDataSetId);
    if (id.empty()) return nullptr;
    auto dataSet = MakeDataObject<CDataSet>(GetAttribute("Name", ""), GetAttribute("Descr", ""),
                                            GetAttribute("DataSource", ""));
    dataSet->SetId(id);
    dataSet->SetFileId(CurrentFileId());
    return dataSet;
}

std::unique_ptr<CDataField> CXMLDataManager::ReadDataField() {
    const std::string id = RequiredAttribute("ID", kMissingDataFieldId);
    if (id.empty()) return nullptr;
    auto field = MakeDataObject<CDataField>(GetAttribute("Name", ""), GetAttributeInt("Type", kStringType),
                                            GetAttributeInt("Min", kDefaultMin), GetAttributeInt("Max", kDefaultMax),
                                            GetAttribute("Value", ""), GetAttribute("Descr", ""));
    field->SetId(id);
    field->SetFileId(CurrentFileId());
    return field;
}

std::unique_ptr<CDataEqClass> CXMLDataManager::ReadEqClass() {
    const std::string id = RequiredAttribute("ID", kMissingEqClassId);
    if (id.empty()) return nullptr;
    auto eqClass = MakeDataObject<CDataEqClass>(GetAttribute("Name", ""), GetAttributeBool("Valid", 1),
                                                GetAttribute("DefRange", ""), GetAttribute("Min", ""),
                                                GetAttribute("Max", ""));
    eqClass->SetId(id);
    return eqClass;
}

std::unique_ptr<CDataRecord> CXMLDataManager::ReadDataRecord() {
    const std::string id = RequiredAttribute("ID", kMissingDataRecordId);
    if (id.empty()) return nullptr;
    auto record = MakeDataObject<CDataRecord>(GetAttribute("Name", ""), GetAttributeBool("Valid", 1),
                                              GetAttributeInt("Source", kOriginManual));
    record->SetId(id);
    record->SetFileId(CurrentFileId());
    return record;
}

std::unique_ptr<CDataEffect> CXMLDataManager::ReadDataEffect() {
    const std::string id = RequiredAttribute("ID", kMissingDataEffectId);
    if (id.empty()) return nullptr;
    auto effect = MakeDataObject<CDataEffect>(GetAttribute("Name", ""), GetAttributeBool("Valid", 1));
    effect->SetId(id);
    effect->SetFileId(CurrentFileId());
    return effect;
}

std::string CXMLDataManager::ReadDataValue(std::string& fieldId) {
    fieldId = FindAttribute("FieldID");
    return FindAttribute("Value");
}

std::string CXMLDataManager::ReadEffectReference() { return FindAttribute("EffectID"); }

int CXMLDataManager::WriteDataSet(const CDataSet& dataSet) {
    CXMLInterface& xml = builder_;
    if (!xml.AppendElement("DATASET", "")) return 0;
    xml.SetStringAttribute("ID", dataSet.GetId(), "");
    xml.SetStringAttribute("Name", dataSet.GetName(), "");
    xml.SetStringAttribute("Descr", dataSet.GetDescription(), "");
    xml.SetStringAttribute("DataSource", dataSet.GetDataSource(), "");
    for (const CDataField* field : dataSet.GetFields()) WriteDataField(*field);
    for (const CDataRecord* record : dataSet.GetRecords()) WriteDataRecord(*record, dataSet);
    for (const CDataEffect* effect : dataSet.GetEffects()) WriteDataEffect(*effect);
    for (const CAttributeKav* attribute : dataSet.GetAttributes()) WriteAttribute(*attribute);
    return 1;
}

int CXMLDataManager::WriteDataField(const CDataField& field) {
    CXMLInterface& xml = builder_;
    if (!EnterNewChild("DATAFIELD")) return 0;
    xml.SetStringAttribute("ID", field.GetId(), "");
    xml.SetStringAttribute("Name", field.GetName(), "");
    xml.SetIntAttribute("Type", field.GetType(), kStringType);
    xml.SetIntAttribute("Min", field.GetMin(), kDefaultMin);
    xml.SetIntAttribute("Max", field.GetMax(), kDefaultMax);
    xml.SetStringAttribute("Value", field.GetDefaultValue(), "");
    xml.SetStringAttribute("Descr", field.GetDescription(), "");
    for (const CDataEqClass* eqClass : field.GetEqClasses()) WriteEqClass(*eqClass);
    xml.LeaveElement();
    return 1;
}

int CXMLDataManager::WriteEqClass(const CDataEqClass& eqClass) {
    CXMLInterface& xml = builder_;
    if (!EnterNewChild("EQCLASS")) return 0;
    xml.SetStringAttribute("ID", eqClass.GetId(), "");
    xml.SetStringAttribute("Name", eqClass.GetName(), "");
    xml.SetBoolAttribute("Valid", eqClass.IsValid(), true);
    xml.SetStringAttribute("DefRange", eqClass.GetDefRange(), "");
    xml.SetStringAttribute("Min", eqClass.GetMin(), "");
    xml.SetStringAttribute("Max", eqClass.GetMax(), "");
    for (const std::string& value : eqClass.GetRepresentativeValues()) WriteOneAttributeChild("DATAVALUE", "Value", value);
    xml.LeaveElement();
    return 1;
}

int CXMLDataManager::WriteDataRecord(const CDataRecord& record, const CDataSet& dataSet) {
    CXMLInterface& xml = builder_;
    if (!EnterNewChild("DATARECORD")) return 0;
    xml.SetStringAttribute("ID", record.GetId(), "");
    xml.SetStringAttribute("Name", record.GetName(), "");
    xml.SetBoolAttribute("Valid", record.IsValid(), true);
    xml.SetIntAttribute("Source", record.GetOrigin(), kOriginManual);
    for (const CDataField* field : dataSet.GetFields()) {
        if (!EnterNewChild("DATAVALUE")) continue;
        const auto value = record.GetValues().find(field->GetId());
        xml.SetStringAttribute("FieldID", field->GetId(), "");
        xml.SetStringAttribute("Value", value == record.GetValues().end() ? std::string() : value->second, "");
        xml.LeaveElement();
    }
    for (const std::string& effectId : record.GetEffectIds())
        if (dataSet.FindEffect(effectId, true)) WriteOneAttributeChild("DATAEFFECTID", "EffectID", effectId);
    xml.LeaveElement();
    return 1;
}

int CXMLDataManager::WriteDataEffect(const CDataEffect& effect) {
    CXMLInterface& xml = builder_;
    if (!EnterNewChild("DATAEFFECT")) return 0;
    xml.SetStringAttribute("ID", effect.GetId(), "");
    xml.SetStringAttribute("Name", effect.GetName(), "");
    xml.SetBoolAttribute("Valid", effect.IsValid(), true);
    if (const CConditionKav* cause = effect.GetCondition()) WriteCondition(*cause);
    if (const CAttributeKav* variable = effect.GetAttribute()) WriteAttribute(*variable);
    xml.LeaveElement();
    return 1;
}
