#include "generation/GeneratedRecordsReport.h"

#include <algorithm>

#include "model/DataSet.h"
#include "platform/MessageBuffer.h"
#include "platform/MessageLog.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kTitle = 49199;
constexpr int kRecordsGenerated = 49001;
constexpr int kEffectCombination = 49002;
constexpr int kRecordLine = 49003;
constexpr int kValid = 49200;
constexpr int kInvalid = 49201;
constexpr const char* kSeparator = ",  ";

std::string EffectsText(const CDataRecord& record, const CDataSet& dataSet) {
    std::string text;
    for (const std::string& id : record.GetEffectIds()) {
        const CDataEffect* effect = dataSet.FindEffect(id, true);
        if (!effect) continue;
        if (!text.empty()) text += kSeparator;
        text += effect->GetName();
    }
    return text;
}

std::string RecordLine(const CDataRecord& record, const CDataSet& dataSet) {
    std::string line = FormatMessageId(kRecordLine, record.GetName());
    bool first = true;
    for (const CDataField* field : dataSet.GetFields()) {
        auto value = record.GetValues().find(field->GetId());
        if (!first) line += kSeparator;
        first = false;
        line += field->GetName() + ": " + (value == record.GetValues().end() ? std::string() : value->second);
    }
    return line;
}

}  // namespace

std::string GeneratedRecordsTitle() { return LoadMessage(kTitle); }

int ReportGeneratedRecords(const CDataSet& dataSet, int newRecords, MessageLog& log) {
    log.AddMessage(FormatMessageId(kRecordsGenerated, newRecords));
    const OwningList<CDataRecord>& records = dataSet.GetRecords();
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(std::max(newRecords, 0)), records.size());
    std::string previousEffects;
    int combination = 0;
    for (std::size_t i = records.size() - count; i < records.size(); ++i) {
        const CDataRecord& record = *records[i];
        std::string effects = EffectsText(record, dataSet);
        if (effects != previousEffects) {
            log.AddMessage("");
            log.AddMessage(FormatMessageId(kEffectCombination, ++combination,
                                           LoadMessage(record.IsValid() ? kValid : kInvalid), effects));
            previousEffects = std::move(effects);
        }
        log.AddMessage(RecordLine(record, dataSet));
    }
    log.AddMessage("");
    return 1;
}
