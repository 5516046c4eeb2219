// One run of the converter over the scope: the walk over windows and tasks, the packages it
// hands over, and the test scripts it records.
#include "conversion/framework/ConversionCopies.h"
#include "conversion/framework/EsaTestDesigns.h"
#include "conversion/framework/TestcaseConverterDlg.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/ObjectList.h"
#include "platform/Progress.h"

namespace {

void ShowBufferedMessage(MessageIcon icon) { GetInteraction().Inform(GetGlobalMessageBuffer(), icon); }

}  // namespace

int CTestcaseConverterDlg::RunConverter(CWindowKav* window, CTaskKav* task) {
    convertedCount_ = 0;
    const std::string root = settings_.rootFolder;
    if (!converter_->Init(CurrentApplication->GetName(), ResolvedOutputPath().string(), root + settings_.exePath,
                          root + settings_.workingFolder, settings_.parameters)) {
        ShowBufferedMessage(MessageIcon::Warning);
        return 0;
    }
    int result;
    if (entry_->road == ConversionRoad::WholeScope) result = ConvertBlockInfoSheet(task);
    else if (window) result = ConvertObject(window, nullptr);
    else if (task) result = ConvertObject(nullptr, task);
    else result = ConvertWholeProject();
    if (result != 1) return 0;

    const auto report = [this](const std::string& text, MessageIcon icon) {
        if (entry_->reportsIntoLog && progress) progress->AddLogText(text);
        else GetInteraction().Inform(text, icon);
    };
    if (convertedCount_ == 0) report(FormatMessageId(44516), MessageIcon::Warning);
    else if (!batch_) report(FormatMessageId(42012, convertedCount_), MessageIcon::Information);
    if (!converter_->Finish()) {
        ShowBufferedMessage(MessageIcon::Warning);
        return 0;
    }
    return 1;
}

int CTestcaseConverterDlg::ConvertWholeProject() {
    // Converting a window looks windows up by name, which moves the table's walk.
    for (CWindowKav* window : CurrentApplication->GetWindowList().Snapshot()) {
        if (window->GetParent()) continue;
        if (ConvertObject(window, nullptr) != 1) return 0;
    }
    CTaskKav* root = CurrentApplication->GetRootTask();
    return root ? ConvertObject(nullptr, root) : 1;
}

int CTestcaseConverterDlg::ConvertObject(CWindowKav* window, CTaskKav* task) {
    if (window) {
        for (CWindowKav* child : std::vector<CWindowKav*>(window->GetChildren()))
            if (const int result = ConvertObject(child, nullptr); result != 1) return result;
        // A child without caption belongs to the captioned window above it.
        if (window->GetParent() && !window->HasCaption()) return 1;
        return ConvertPackage(window->GetName(), window, nullptr);
    }
    task->SortChildrenByName();
    for (CTaskKav* child : std::vector<CTaskKav*>(task->GetChildren()))
        if (ConvertObject(nullptr, child) != 1) return 0;
    if (task->GetType() == kTaskBuildingBlock) return 1;
    return ConvertPackage(task->GetName(), nullptr, task);
}

int CTestcaseConverterDlg::ConvertPackage(const std::string& name, CWindowKav* window, CTaskKav* task) {
    if (StopRequested()) return 0;
    std::vector<CTestCase*> found;
    if (CurrentApplication->CollectTestCases(window, nullptr, task, false, true, found) == 0) return 1;
    if (progress) progress->SetCurrentItem(name);

    // The converter works on copies, which it may change and drop.
    OwningList<CTestCase> copies;
    for (const CTestCase* testCase : found) copies.Add(CopyTestCaseForConversion(*testCase));
    TestCaseList list = copies.Snapshot();
    if (!converter_->CheckTestCases(list)) {
        ShowBufferedMessage(MessageIcon::Warning);
        return 0;
    }
    std::string path;
    const int before = convertedCount_;
    if (ConvertList(list, name, path) != 1) return 0;

    auto* script = new CTestScript;
    script->SetName(name);
    script->SetWindow(window);
    script->SetTask(task);
    script->SetPath(path);
    script->SetFormat(settings_.outputFormat);
    script->SetSumTC(convertedCount_ - before);
    CurrentApplication->AddTestScript(script);
    return 1;
}

int CTestcaseConverterDlg::ConvertList(TestCaseList& list, const std::string& name, std::string& path) {
    int count = 0;
    const int result = converter_->Convert(list, name, count, path);
    convertedCount_ += count;
    if (result == 0 || result == -1) {
        ShowBufferedMessage(result == 0 ? MessageIcon::Warning : MessageIcon::Error);
        return 0;
    }
    return 1;
}

int CTestcaseConverterDlg::ConvertBlockInfoSheet(CTaskKav* task) {
    CApplicationKav& app = *CurrentApplication;
    std::vector<CTestCase*> list;
    std::string name;
    if (app.IsEsaOutputFormat()) {
        for (CTaskKav* folder : GetEsaTestDesigns(app)) {
            std::vector<CTestCase*> found;
            app.CollectTestCases(nullptr, nullptr, folder, true, true, found);
            list.insert(list.end(), found.begin(), found.end());
        }
        name = app.GetName();
    } else {
        app.CollectTestCases(nullptr, nullptr, task, true, true, list);
        name = task ? task->GetName() : app.GetName();
    }
    if (list.empty()) return 1;
    if (progress) progress->SetCurrentItem(name);
    std::string path;
    return ConvertList(list, name, path);
}

bool CTestcaseConverterDlg::StopRequested() const { return progress && progress->ShouldStop(); }
