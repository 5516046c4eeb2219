#include "generation/NewRecords.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "model/DataSet.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

// The values of the record for the fields in order, each with its length so that no two
// different value lists meet.
std::string ValueKey(const CDataRecord& record, const OwningList<CDataField>& fields) {
    std::string key;
    for (const CDataField* field : fields) {
        auto found = record.GetValues().find(field->GetId());
        const std::string value = found == record.GetValues().end() ? std::string() : found->second;
        key += std::to_string(value.size()) + ':' + value;
    }
    return key;
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
    std::unordered_set<std::string> seen;
    std::vector<CDataRecord*> kept;
    int removed = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const bool isNew = seen.insert(ValueKey(*records[i], fields)).second;
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
