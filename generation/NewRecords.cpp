#include "generation/NewRecords.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_set>

#include "model/DataSet.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

// The record's value of the field id; a missing value reads as the empty text.
std::string_view ValueOf(const CDataRecord* record, std::string_view fieldId) {
    auto found = record->GetValues().find(fieldId);
    return found == record->GetValues().end() ? std::string_view() : std::string_view(found->second);
}

// A record of the origin whose name holds the letter of its kind.
bool IsRenumbered(const CDataRecord& record, int origin) {
    return record.GetOrigin() == origin && record.GetName().find(record.IsValid() ? 'V' : 'I') != std::string::npos;
}

}  // namespace

std::string GeneratedRecordName(bool valid, int number) {
    // Appended, not added: GCC 12 warns falsely on a literal plus std::to_string at -O2.
    std::string name(1, valid ? 'V' : 'I');
    name += std::to_string(number);
    return name;
}

int RemoveDuplicateRecords(CDataSet& dataSet, std::size_t firstNew) {
    std::vector<CDataRecord*>& records = dataSet.GetRecords().Pointers();
    const OwningList<CDataField>& fields = dataSet.GetFields();
    // The field ids are copied once: GetId returns a copy.
    std::vector<std::string> ids;
    for (const CDataField* field : fields) ids.push_back(field->GetId());
    // Each record's hash is computed once and compared before its values.
    struct Hashed {
        std::size_t hash;
        const CDataRecord* record;
    };
    const auto hashOf = [](const Hashed& hashed) { return hashed.hash; };
    const auto equal = [&](const Hashed& a, const Hashed& b) {
        return a.hash == b.hash && std::all_of(ids.begin(), ids.end(), [&](const std::string& id) {
                   return ValueOf(a.record, id) == ValueOf(b.record, id);
               });
    };
    std::unordered_set<Hashed, decltype(hashOf), decltype(equal)> seen(records.size(), hashOf, equal);
    std::vector<CDataRecord*> kept;
    int removed = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::size_t hash = 0;
        for (const std::string& id : ids) hash = hash * 1000003 ^ std::hash<std::string_view>()(ValueOf(records[i], id));
        const bool isNew = seen.insert({hash, records[i]}).second;
        if (isNew || i < firstNew) {
            kept.push_back(records[i]);
        } else {
            delete records[i];
            ++removed;
        }
    }
    records = std::move(kept);
    return removed;
}

void RenumberRecords(CDataSet& dataSet, int origin) {
    std::unordered_set<std::string> keptNames;
    for (const CDataRecord* record : dataSet.GetRecords()) {
        if (!IsRenumbered(*record, origin)) keptNames.insert(ToLowerText(record->GetName()));
    }
    int validNumber = 1;
    int invalidNumber = 1;
    for (CDataRecord* record : dataSet.GetRecords()) {
        if (!IsRenumbered(*record, origin)) continue;
        int& number = record->IsValid() ? validNumber : invalidNumber;
        std::string name;
        do {
            name = GeneratedRecordName(record->IsValid(), number++);
        } while (keptNames.count(ToLowerText(name)));
        record->SetName(name);
    }
}

int SettleNewRecords(CDataSet& dataSet, std::size_t firstNew, int origin) {
    RemoveDuplicateRecords(dataSet, firstNew);
    RenumberRecords(dataSet, origin);
    return static_cast<int>(dataSet.GetRecords().size() - std::min(firstNew, dataSet.GetRecords().size()));
}

void DiscardNewRecords(CDataSet& dataSet, std::size_t firstNew) {
    OwningList<CDataRecord>& records = dataSet.GetRecords();
    while (records.size() > firstNew) delete records.ReleaseAt(records.size() - 1);
}

void InformNothingGenerated(int messageId) {
    GetInteraction().ShowMessage(
        {FormatMessageId(messageId), "Nothing generated", MessageButtons::Ok, MessageIcon::Information});
}
