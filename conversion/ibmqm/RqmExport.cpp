// The IBM quality manager export (output format 12): in the project's folder below the output
// path, a test script file per test case, named after it with "_TS.xml", and a test case file
// per window or task with "_TC.xml", each name made safe and unique in the run.
#include "conversion/framework/ScriptFile.h"
#include "conversion/ibmqm/RqmFiles.h"
#include "conversion/xml/XMLConverter.h"
#include "model/ApplicationKav.h"
#include "model/DataField.h"
#include "model/DataRecord.h"
#include "model/DataSet.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"

namespace {

constexpr int kCannotOpenFile = 44791;          // [W0791]
constexpr int kDescriptionWithoutSections = 49913;
constexpr const char* kDescriptionField = "TF_Beschreibung";

// The descriptions that a task's data set gives its test cases, one record per test case in
// order; none without the field or once the records run out.
class RecordDescriptions {
public:
    explicit RecordDescriptions(const CTaskKav* task) {
        dataSet_ = task ? task->GetDataSet() : nullptr;
        field_ = dataSet_ ? dataSet_->FindField(kDescriptionField) : nullptr;
    }

    std::string Next() {
        if (!field_ || next_ >= dataSet_->GetRecords().size()) return {};
        const auto& values = dataSet_->GetRecords()[next_++]->GetValues();
        const auto value = values.find(field_->GetId());
        return value == values.end() ? std::string() : value->second;
    }

private:
    const CDataSet* dataSet_;
    const CDataField* field_;
    size_t next_ = 0;
};

int Commit(const std::filesystem::path& path, const std::string& text) {
    ScriptFile file(path, ScriptEncoding::Utf8, LineEnd::Lf);
    file.Write(text);
    if (file.Commit()) return 1;
    SetMessage(kCannotOpenFile, path.string());
    return 0;
}

}  // namespace

int CXMLConverter::ExportRqm(const std::filesystem::path& path, CWindowKav* window, CTaskKav* task) {
    if (!CurrentApplication) return 0;
    if (!Init(CurrentApplication->GetName(), path.string(), "", "", "")) return 0;
    if (window || task) return WriteRqmFiles(window, task);
    for (CWindowKav* topWindow : CurrentApplication->GetWindowList().Snapshot())
        if (!topWindow->GetParent() && WriteRqmFiles(topWindow, nullptr) != 1) return 0;
    CTaskKav* root = CurrentApplication->GetRootTask();
    return root ? WriteRqmFiles(nullptr, root) : 1;
}

int CXMLConverter::WriteRqmFiles(CWindowKav* window, CTaskKav* task) {
    if (!window && !task) return 1;
    const bool ownFiles = task || !window->GetParent() || window->HasCaption();
    if (task) task->SortChildrenByName();
    if (ownFiles) {
        std::vector<CTestCase*> testCases;
        CurrentApplication->CollectTestCases(window, nullptr, task, false, true, testCases);
        RecordDescriptions descriptions(task);
        std::vector<std::string> scriptFiles;
        for (const CTestCase* testCase : testCases) {
            const std::string name = testCase->GetDisplayName();
            const std::filesystem::path file = ClaimPackageFile(name + "_TS", ".xml");
            const std::vector<const CTestStep*> steps(testCase->GetSteps().begin(), testCase->GetSteps().end());
            if (!Commit(file, BuildRqmTestScript(name, descriptions.Next(), steps))) return 0;
            scriptFiles.push_back(file.filename().string());
        }
        RqmSections sections;
        if (task && !SplitRqmDescription(task->GetDescription(), sections) && log_)
            log_->AddLogText(FormatMessageId(kDescriptionWithoutSections, task->GetName()));
        const std::string name = window ? window->GetName() : task->GetName();
        if (!Commit(ClaimPackageFile(name + "_TC", ".xml"), BuildRqmTestCase(name, scriptFiles, sections))) return 0;
    }
    if (window) {
        for (CWindowKav* child : window->GetChildren())
            if (WriteRqmFiles(child, nullptr) != 1) return 0;
    } else {
        for (CTaskKav* child : task->GetChildren())
            if (WriteRqmFiles(nullptr, child) != 1) return 0;
    }
    return 1;
}
