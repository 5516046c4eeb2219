#include "generation/TaskCoverageGenerator.h"

#include "generation/MethodCodes.h"
#include "generation/TCGTask.h"
#include "generation/TaskCoverage.h"
#include "model/ApplicationKav.h"
#include "model/DataSet.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"

int CTaskCoverageGenerator::Generate(const GenerationRequest& request, Progress& progress, int& count) {
    count = 0;
    CApplicationKav& project = request.project ? *request.project : *CurrentApplication;
    CTaskKav* task = request.task ? request.task : project.GetRootTask();
    if (!task) {
        SetMessage(44031, "");
        return kGenerationFailed;
    }
    progress.SetTotal(1);
    // Every data set restarts its record choice.
    for (CDataSet* dataSet : project.GetDataSets())
        dataSet->SetCurrentRecord(dataSet->GetRecords().empty() ? nullptr : dataSet->GetRecords()[0]);

    CTCGTask graph(project);
    CTaskCoverage coverage(graph, progress);
    OwningList<CTestCase> made;
    const int result = coverage.GenerateTestCases(*task, request.methodCode, made);
    if (result == kGenerationFailed) {
        progress.StepFailed();
        return result;
    }
    if (result == kGenerationSuccess) progress.StepCompleted();
    count = static_cast<int>(made.size());
    const bool dataCoverage = request.methodCode & (kMethodValidRecords | kMethodInvalidRecords);
    project.ReplaceTestCases(made, dataCoverage ? kTestCaseDataCoverage : kTestCaseGraphCoverage, nullptr, nullptr,
                             request.task);
    return result;
}
