#include "import/ImportFrame.h"

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"

namespace {

class WindowlessFrame : public ImportFrame {
public:
    void CloseAllViews() override {}
    void CloseProject() override {
        if (!CurrentApplication) return;
        CApplicationKav& project = *CurrentApplication;
        project.DeleteTestCases(nullptr, nullptr, nullptr, 99);
        project.GetTestScripts().DeleteAll();
        project.GetWindowList().DeleteAll();
        project.SetStartWindow(nullptr);
        project.SetRootTask(nullptr);
        project.SetMasterFile(nullptr);
        project.GetTasks().DeleteAll();
        project.GetRequirements().DeleteAll();
        project.GetDataSets().DeleteAll();
        project.GetAttributes().DeleteAll();
        project.GetStepFields().DeleteAll();
        project.GetMetaConditions().DeleteAll();
        project.GetFiles().DeleteAll();
    }
    int LoadProject(const std::string& path, MessageLog* log) override {
        CXMLDataManager reader;
        const int result = reader.LoadProject(path, log);
        return result == 1 || result == 2 ? 1 : 0;
    }
};

WindowlessFrame windowlessFrame;
ImportFrame* installedFrame = nullptr;

}  // namespace

void InstallImportFrame(ImportFrame* frame) { installedFrame = frame; }

ImportFrame& GetImportFrame() { return installedFrame ? *installedFrame : windowlessFrame; }
