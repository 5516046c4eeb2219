// Dispatch of test data, and of generated test cases with their steps and of test scripts.
#include "model/ApplicationKav.h"
#include "persistence/ElementDispatch.h"

namespace {

constexpr int kMissingValueField = 44797;       // [W0797]
constexpr int kMisplacedBuildingBlock = 44755;  // [W0755]
constexpr int kMisplacedDataField = 44843;      // [W0843]
constexpr int kMisplacedDataSet = 44845;        // [W0845]
constexpr int kMisplacedDataRecord = 44848;     // [W0848]
constexpr int kMisplacedEqClass = 44850;        // [W0850]
constexpr int kMisplacedDataValue = 44854;      // [W0854]
constexpr int kMisplacedTestCase = 44903;       // [W0903]
constexpr int kMisplacedTestStep = 44904;       // [W0904]
constexpr int kMisplacedTestScript = 44906;     // [W0906]
constexpr int kMisplacedDataEffect = 44976;     // [W0976]
constexpr int kMisplacedEffectReference = 44984;  // [W0984]

}  // namespace

bool ElementDispatch::DataSet() {
    return (current_.dataSet = Append(reader_.ReadDataSet(), Under("KAVRO_DATA") ? &project_.GetDataSets() : nullptr,
                                      kMisplacedDataSet)) != nullptr;
}

bool ElementDispatch::DataField() {
    CDataSet* dataSet = Under("DATASET", current_.dataSet);
    return (current_.field = Append(reader_.ReadDataField(), dataSet ? &dataSet->GetFields() : nullptr,
                                    kMisplacedDataField)) != nullptr;
}

bool ElementDispatch::EqClass() {
    CDataField* field = Under("DATAFIELD", current_.field);
    return (current_.eqClass = Append(reader_.ReadEqClass(), field ? &field->GetEqClasses() : nullptr,
                                      kMisplacedEqClass)) != nullptr;
}

bool ElementDispatch::DataRecord() {
    CDataSet* dataSet = Under("DATASET", current_.dataSet);
    return (current_.record = Append(reader_.ReadDataRecord(), dataSet ? &dataSet->GetRecords() : nullptr,
                                     kMisplacedDataRecord)) != nullptr;
}

bool ElementDispatch::DataEffect() {
    CDataSet* dataSet = Under("DATASET", current_.dataSet);
    current_.effect = Append(reader_.ReadDataEffect(), dataSet ? &dataSet->GetEffects() : nullptr, kMisplacedDataEffect);
    return current_.effect && current_.effect->SetDataSet(dataSet);
}

// A record keeps one value per field; a later value of the same field replaces the earlier.
bool ElementDispatch::DataValue() {
    std::string fieldId;
    std::string value = reader_.ReadDataValue(fieldId);
    if (CDataEqClass* eqClass = Under("EQCLASS", current_.eqClass)) {
        eqClass->GetRepresentativeValues().push_back(std::move(value));
        return true;
    }
    CDataRecord* record = Under("DATARECORD", current_.record);
    if (!record) return Fail(kMisplacedDataValue);
    if (fieldId.empty()) return Fail(kMissingValueField);
    record->GetValues().Set(fieldId, std::move(value));
    return true;
}

bool ElementDispatch::EffectReference() {
    std::string effectId = reader_.ReadEffectReference();
    CDataRecord* record = Under("DATARECORD", current_.record);
    if (!record) return Fail(kMisplacedEffectReference);
    record->GetEffectIds().push_back(std::move(effectId));
    return true;
}

// Test cases inside exchange packages and scripts are no project objects.
bool ElementDispatch::TestCase() {
    current_.testCase = nullptr;
    if (Under("TP") || Under("TS")) return true;
    return (current_.testCase = Append(reader_.ReadTestCase(),
                                       Under("KAVRO_DATA") ? &project_.GetTestCases() : nullptr,
                                       kMisplacedTestCase)) != nullptr;
}

bool ElementDispatch::TestStep() {
    CTestCase* testCase = Under("TC", current_.testCase);
    return (current_.testStep = Append(reader_.ReadTestStep(), testCase ? &testCase->GetSteps() : nullptr,
                                       kMisplacedTestStep)) != nullptr;
}

bool ElementDispatch::BuildingBlockInfo() {
    CTestStep* step = Under("TESTSTEP", current_.testStep);
    return (current_.bbInfo = Append(reader_.ReadBuildingBlockInfo(), step ? &step->GetBBInfos() : nullptr,
                                     kMisplacedBuildingBlock)) != nullptr;
}

bool ElementDispatch::TestScript() {
    if (Under("PROJECT")) return true;  // exchange data
    return Append(reader_.ReadTestScript(), Under("KAVRO_DATA") ? &project_.GetTestScripts() : nullptr,
                  kMisplacedTestScript) != nullptr;
}
