#include "import/java/JavaGuiInfoCommand.h"

#include <filesystem>
#include <optional>

#include "import/java/JavaGuiImport.h"
#include "model/ShellServices.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kImported = 42006;  // [I0006]
constexpr int kErrorCaption = 47090;
constexpr int kImportedCaption = 47091;
constexpr int kDialogTitle = 47212;
constexpr int kUndoName = 48036;
constexpr const char* kRecentValue = "RecentJavaImport";

}  // namespace

bool RunJavaGuiInfoCommand() {
    const std::string key(kProductKey);
    std::string recent = ReadRegistryString(SettingsHive::CurrentUser, key, kRecentValue);
    if (recent.empty()) recent = (std::filesystem::current_path() / "MyJava.kvj").string();
    FileDialogRequest request;
    request.title = LoadMessage(kDialogTitle);
    request.filter = "KAVRO Java Files (*.kvj)|*.kvj|All files (*.*)|*.*||";
    request.initialPath = recent;
    const std::optional<std::string> path = GetInteraction().AskForPath(request);
    if (!path) return false;
    WriteRegistryString(SettingsHive::CurrentUser, key, kRecentValue, *path, kRegistryText);

    ClearGlobalMessage();
    const bool imported = ImportJavaGuiFile(*path);
    RecordUndoStep(LoadMessage(kUndoName));
    if (imported)
        GetInteraction().ShowMessage(
            {LoadMessage(kImported), LoadMessage(kImportedCaption), MessageButtons::Ok, MessageIcon::Information});
    else
        GetInteraction().ShowMessage(
            {GetGlobalMessageBuffer(), LoadMessage(kErrorCaption), MessageButtons::Ok, MessageIcon::Warning});
    return true;
}
