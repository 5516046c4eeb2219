// Importing the data of another project: its file is read into a project of its own, the user
// selects objects of it, and the importer takes them over into the current application.
#include <memory>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "persistence/ProjectDataImport.h"
#include "persistence/VornakInterface.h"
#include "persistence/XMLDataManager.h"

namespace {

constexpr int kImportFailed = 0;
constexpr int kImported = 1;
constexpr int kImportedOlder = 2;
constexpr int kCancelled = 3;

// The interface starts over after a message whose project could not be read.
constexpr int kVornakWorking = 1;

void ClearImportItems(CApplicationKav& project) {
    for (CTaskKav* task : project.GetTasks()) task->SetImportItem(nullptr);
    for (CRequirement* requirement : project.GetRequirements()) requirement->SetImportItem(nullptr);
    for (CWindowKav* window : project.GetWindowList().Snapshot()) window->SetImportItem(nullptr);
    for (CDataSet* dataSet : project.GetDataSets()) dataSet->SetImportItem(nullptr);
}

}  // namespace

// A source of an older version is imported too; the caller converts the data afterwards.
int CXMLDataManager::ImportProjectData(const std::string& path, MessageLog* log, ProjectDataImport& importer) {
    messageLog_ = log;
    auto source = std::make_unique<CApplicationKav>();
    CFileKav* sourceFile = source->GetFiles().Add(new CFileKav("", path, path, false));
    if (LoadProjectFile(sourceFile, source.get(), true) == 0) {
        if (VornakInterface* vornak = GetVornakInterface()) {
            vornak->SetState(kVornakWorking);
            vornak->SetReceivedCommand(0);
            vornak->SetReadError(0);
        }
        return kImportFailed;
    }
    const bool older = versionText_ < kProjectFileVersion;

    LogMessage("Showing Import Selection Dialog", true);
    int result = kCancelled;
    if (!importer.SelectObjects(*source)) {
        LogMessage("Import cancelled by user", true);
    } else if (!importer.ImportSelected(log)) {
        LogMessage("IMPORT FAILED", true);
        result = kImportFailed;
    } else if (older) {
        LogMessage("Import successful! Data conversion will start after closing this dialog.", true);
        result = kImportedOlder;
    } else {
        LogMessage("IMPORT SUCCESSFUL !", true);
        result = kImported;
    }
    if (CurrentApplication) ClearImportItems(*CurrentApplication);
    return result;
}
