#include "generation/EqClassMethod.h"

#include "generation/DataGenSettings.h"
#include "generation/EqClassRecords.h"
#include "generation/EqClassValues.h"
#include "generation/NewRecords.h"
#include "model/DataSet.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"

namespace {
constexpr int kNothingGenerated = 42026;
constexpr int kRecordsGenerated = 42027;
}  // namespace

int GenerateByEqClasses(CDataSet& dataSet, const DataGenSettings& settings, const Progress* progress) {
    const std::size_t firstNew = dataSet.GetRecords().size();
    BuildHelpValues(dataSet, settings.values);
    std::unique_ptr<EqCombinationStrategy> strategy = MakeEqCombinationStrategy(settings.strategy);
    for (int mode : {kValidMode, kInvalidMode}) {
        if (!(mode == kValidMode ? settings.valid : settings.invalid)) continue;
        EqCombinationList combinations;
        if (!strategy->Combine(dataSet, mode, combinations, progress)) {
            DiscardNewRecords(dataSet, firstNew);
            return 0;
        }
        if (settings.values == kOneRepresentative) {
            MakeRecordsOneValue(dataSet, combinations, settings.values);
        } else {
            MakeRecordsCovering(dataSet, combinations, mode, settings);
        }
    }
    const int created = SettleNewRecords(dataSet, firstNew, kOriginEqClassMethod);
    if (created == 0) {
        InformNothingGenerated(kNothingGenerated);
    } else {
        GetInteraction().ShowMessage({FormatMessageId(kRecordsGenerated, created), "Generation successful",
                                      MessageButtons::Ok, MessageIcon::Information});
    }
    return 1;
}
