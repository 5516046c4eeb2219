#include "model/DataSet.h"

#include <unordered_set>

#include "model/MetaReferences.h"
#include "platform/Format.h"
#include "platform/TextUtil.h"

namespace {

// By name without case, or by unique id exactly.
template <class T>
T* FindByKey(const OwningList<T>& list, const std::string& key, bool byId) {
    return list.FindIf([&](const T* object) { return byId ? object->GetId() == key : EqualsNoCase(object->GetName(), key); });
}

bool IsOfKind(const CDataRecord& record, int kind) {
    switch (kind) {
        case kRecordsAny:
        case kRecordsAll:
            return true;
        case kRecordsValid:
            return record.IsValid();
        case kRecordsInvalid:
            return !record.IsValid();
        default:
            return false;
    }
}

}  // namespace

CDataField* CDataSet::FindField(const std::string& key, bool byId) const { return FindByKey(fields_, key, byId); }

CDataRecord* CDataSet::FindRecord(const std::string& key, bool byId) const { return FindByKey(records_, key, byId); }

CDataEffect* CDataSet::FindEffect(const std::string& key, bool byId) const { return FindByKey(effects_, key, byId); }

CAttributeKav* CDataSet::FindAttribute(const std::string& key, bool byId) const {
    return FindByKey(attributes_, key, byId);
}

CDataRecord* CDataSet::AddNewRecord(int valid, int origin) {
    const char* prefix = valid ? "Rec_V" : "Rec_I";
    std::unordered_set<std::string> taken;
    for (const CDataRecord* record : records_) taken.insert(ToLowerText(record->GetName()));
    std::string name;
    for (int n = 1;; ++n) {
        name = Fmt("%s%02d", prefix, n);
        if (!taken.contains(ToLowerText(name))) break;
    }
    return records_.Add(new CDataRecord(name, valid, origin));
}

CDataRecord* CDataSet::GetNextRecord(int kind, bool& wrapped) {
    wrapped = false;
    const int count = static_cast<int>(records_.size());
    if (count == 0) {
        currentRecord_ = nullptr;
        return nullptr;
    }
    int start = currentRecord_ ? records_.IndexOf(currentRecord_) + 1 : 0;
    if (start == count) {
        start = 0;
        wrapped = true;
    }
    for (int step = 0, position = start; step < count; ++step) {
        if (IsOfKind(*records_[position], kind)) return currentRecord_ = records_[position];
        if (++position == count) {
            position = 0;
            wrapped = true;
        }
    }
    currentRecord_ = nullptr;
    return nullptr;
}

int CDataSet::CountRecords(int kind) const {
    int count = 0;
    for (const CDataRecord* record : records_) count += IsOfKind(*record, kind) ? 1 : 0;
    return count;
}

std::vector<CDataObj*> CDataSet::GetContainedDataObjects() const {
    std::vector<CDataObj*> objects;
    for (CDataField* field : fields_) {
        objects.push_back(field);
        for (CDataEqClass* eqClass : field->GetEqClasses()) objects.push_back(eqClass);
    }
    for (CDataRecord* record : records_) objects.push_back(record);
    for (CDataEffect* effect : effects_) objects.push_back(effect);
    return objects;
}

bool CDataSet::ExpandEffectReferences(std::string& text, std::optional<std::string_view> ownId,
                                      const OwningList<CDataEffect>& effects) {
    const ReferenceRules rules{
        [&effects](const std::string& name) -> std::optional<std::string> {
            const CDataEffect* effect = FindByKey(effects, name, false);
            if (effect && effect->GetCondition()) return effect->GetCondition()->GetText();
            return std::nullopt;
        },
        44970, 44971};
    return ExpandReferences(text, ownId, rules);
}
