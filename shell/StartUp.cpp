#include "shell/StartUp.h"

#include <memory>

#include "conditions/EventParser.h"
#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/framework/TagGeneration.h"
#include "conversion/winrunner/WinRunner.h"
#include "generation/GenerationSettings.h"
#include "generation/ToolEventParsers.h"
#include "model/ApplicationKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/InstallationData.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/Settings.h"
#include "shell/CommandLine.h"
#include "shell/LanguageModule.h"
#include "shell/MainFrame.h"
#include "shell/UserFolderSetup.h"

namespace {

void ShowBufferedMessage(MessageIcon icon) { GetInteraction().Inform(GetGlobalMessageBuffer(), icon); }

}  // namespace

void InstallProgramSettings() {
    // The machine hive lies where the installation is; the setting that could name another
    // folder is itself in that hive.
    InstallSettings(
        std::make_unique<FileSettings>(FileSettings::DefaultUserFile(), FindInstallationFolder() / "settings.txt"));
}

void MakeCommandLineCurrent(const CommandLine& line) {
    StoreCommandLineSettings(line);
    GetGenerationSettings().buildingBlockInfo = line.buildingBlockInfo;
}

std::filesystem::path ProgramFolder() { return RunningProgram().parent_path(); }

int PrepareProgram(const std::filesystem::path& programFolder) {
    if (!SetUpUserFolders()) {
        ShowBufferedMessage(MessageIcon::None);
        return 0;
    }
    if (!LoadLanguageModule(programFolder)) {
        ShowBufferedMessage(MessageIcon::Warning);
        return 0;
    }
    return 1;
}

void LoadInstallationData() {
    CXMLDataManager& reader = GetProjectReader();
    if (!reader.LoadPredefinedGuiBuilders()) ShowBufferedMessage(MessageIcon::Warning);
    if (!reader.LoadDriverTemplates()) ShowBufferedMessage(MessageIcon::Warning);
}

void InstallConverterServices() {
    InstallToolEventParserFactory([](int format) -> std::unique_ptr<CEventParser> {
        const ConverterEntry* entry = FindConverterEntry(StandardConverterTable(), format);
        return entry && entry->createParser ? entry->createParser() : nullptr;
    });
    LoadingServices services;
    services.generateRecognitionTags = [](CApplicationKav& project) {
        GenerateWindowTags(project, kFormatSilkTest, nullptr, 0);
    };
    // The old tags of a WinRunner project become physical descriptions.
    services.regenerateWinRunnerNames = [](CApplicationKav& project) {
        CWinRunner converter;
        converter.ConvertOldTags(project);
    };
    GetProjectReader().SetLoadingServices(std::move(services));
}

ProjectEditor& InstalledProjectEditor() {
    static ProjectEditor editor;
    return editor;
}

void ConnectProjectEditor(CMainFrame& frame) {
    if (!InstalledProjectEditor()) return;
    frame.SetProjectDialog([](CApplicationKav& project) { return InstalledProjectEditor()(project, false); });
    GetProjectReader().SetLibraryListEditor(
        [](CApplicationKav& project) { return InstalledProjectEditor()(project, true) == 1; });
}
