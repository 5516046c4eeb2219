#include "conversion/framework/BlockRecordEntry.h"

#include "conditions/Designator.h"
#include "model/AttributeKav.h"
#include "model/TestStepBBInfo.h"

int ReadBlockRecord(const CTestStepBBInfo& record, const std::string& projectName, BlockRecordEntry& entry) {
    entry = {};
    DesignatorParts reference;
    if (!record.GetHierarchy().empty() && SplitDesignator(record.GetHierarchy(), reference) != 1) return 0;
    entry.executable = record.GetDapiId().empty();
    entry.name = entry.executable ? reference.attribute
                                  : (reference.window.empty() ? std::string() : reference.window.substr(1));
    entry.library = reference.library.empty() ? projectName : reference.library;
    entry.stepId = record.GetName();
    entry.depth = record.GetDepth();
    if (entry.executable) return 1;
    entry.internalId = record.GetDapiId();
    for (const CAttributeKav* parameter : record.GetAttributes()) {
        entry.parameterNames.push_back(parameter->GetName());
        entry.parameterValues.push_back(parameter->GetValue());
    }
    return 1;
}
