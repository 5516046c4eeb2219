#include "generation/DeltraMethod.h"

#include "combgen/Mirvane.h"
#include "generation/NewRecords.h"
#include "model/DataSet.h"
#include "platform/MessageBuffer.h"
#include "platform/MessageLog.h"

namespace {

constexpr int kNumberType = 2;
constexpr int kEffectNotFound = 41047;
constexpr int kNothingGenerated = 42014;

// The library's one configuration, cleared on the way in and on every way out, so that no run
// leaves anything in the process.
class MirvaneSession {
public:
    MirvaneSession() { library_.ClearConfiguration(); }
    ~MirvaneSession() { library_.ClearConfiguration(); }
    MirvaneSession(const MirvaneSession&) = delete;
    MirvaneSession& operator=(const MirvaneSession&) = delete;

    CExportQZ& Library() { return library_; }
    // The library's message into the global message buffer: false.
    bool Failed() {
        SetGlobalMessage(library_.GetErrorMessage());
        return false;
    }

private:
    CExportQZ library_;
};

// Numeric fields are the variables, the data set's attributes the effect variables, and every
// effect with a cause (other effects' causes put in for their references) an effect.
bool Configure(MirvaneSession& session, const CDataSet& dataSet) {
    CExportQZ& library = session.Library();
    for (const CDataField* field : dataSet.GetFields()) {
        if (field->GetType() != kNumberType) continue;
        if (library.AddVariable(field->GetName(), field->GetMin(), field->GetMax()) != 1) return session.Failed();
    }
    for (const CAttributeKav* attribute : dataSet.GetAttributes()) {
        if (library.AddEffectVariable(attribute->GetName(), attribute->GetValue()) != 1) return session.Failed();
    }
    for (const CDataEffect* effect : dataSet.GetEffects()) {
        if (!effect->GetCondition()) continue;
        std::string cause = effect->GetCondition()->GetText();
        if (!CDataSet::ExpandEffectReferences(cause, effect->GetName(), dataSet.GetEffects())) return false;
        const CAttributeKav* variable = effect->GetAttribute();
        if (library.AddEffect(effect->GetName(), effect->IsValid() ? 1 : 0, cause, variable ? variable->GetName() : "",
                              variable ? variable->GetValue() : "") != 1)
            return session.Failed();
    }
    return true;
}

// One record per assignment of every effect combination, appended to the data set.
bool AppendRecords(CDataSet& dataSet, const QZResultList& results) {
    for (const auto& result : results) {
        const int valid = result->GetValid() ? 1 : 0;
        for (const QZSolutionMap& solution : result->Solutions()) {
            auto record = std::make_unique<CDataRecord>(GeneratedRecordName(valid, 0), valid, kOriginDeltra);
            for (const auto& [name, value] : solution) {
                if (const CDataField* field = dataSet.FindField(name))
                    record->GetValues().Set(field->GetId(), std::to_string(value));
            }
            for (const std::string& effectName : result->EffectNames()) {
                const CDataEffect* effect = dataSet.FindEffect(effectName);
                if (!effect) {
                    SetMessage(kEffectNotFound, effectName);
                    return false;
                }
                record->GetEffectIds().push_back(effect->GetId());
            }
            dataSet.GetRecords().Add(record.release());
        }
    }
    return true;
}

bool GenerateRecords(CDataSet& dataSet, bool valid, bool invalid) {
    MirvaneSession session;
    if (!Configure(session, dataSet)) return false;
    QZResultList results;
    if (session.Library().GenerateEffectCombinations(valid ? 1 : 0, invalid ? 1 : 0, &results) != 1)
        return session.Failed();
    return AppendRecords(dataSet, results);
}

}  // namespace

int GenerateByDeltra(CDataSet& dataSet, bool valid, bool invalid, const RecordReportViewer& showReport) {
    const std::size_t firstNew = dataSet.GetRecords().size();
    if (!GenerateRecords(dataSet, valid, invalid)) {
        DiscardNewRecords(dataSet, firstNew);
        return 0;
    }
    const int created = SettleNewRecords(dataSet, firstNew, kOriginDeltra);
    if (created == 0) {
        InformNothingGenerated(kNothingGenerated);
    } else if (showReport) {
        MessageLog report;
        ReportGeneratedRecords(dataSet, created, report);
        showReport(GeneratedRecordsTitle(), report);
    }
    return 1;
}
