#include "import/uml/XmiModelDataCommand.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "import/uml/XmiTransformer.h"
#include "model/ApplicationKav.h"
#include "model/FileKav.h"
#include "model/ShellServices.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "platform/TextUtil.h"
#include "platform/UserFolders.h"
#include "resources/MessageCatalogue.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSameProject = 44146;      // [W0146]
constexpr int kIncludedLibrary = 44147;  // [W0147]
constexpr int kInvalidSourceCaption = 47273;
constexpr int kDialogTitle = 47275;
constexpr int kUndoName = 48040;
constexpr const char* kRecentValue = "RecentXMIImport";

constexpr int kImportFailed = 0;
constexpr int kImportCancelled = 3;

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code error;
    return EqualsNoCase(fs::weakly_canonical(a, error).string(), fs::weakly_canonical(b, error).string());
}

void ShowInvalidSource(const std::string& text) {
    GetInteraction().ShowMessage(
        {text, LoadMessage(kInvalidSourceCaption), MessageButtons::Ok, MessageIcon::Information});
}

// The project's own file and its libraries' files cannot be imported.
bool IsAllowedSource(const std::string& path) {
    const OwningList<CFileKav>& files = CurrentApplication->GetFiles();
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!SameFile(path, files[i]->GetFullPath())) continue;
        ShowInvalidSource(LoadMessage(i == 0 ? kSameProject : kIncludedLibrary));
        return false;
    }
    return true;
}

std::optional<std::string> AskForModelFile() {
    const std::string key(kProductKey);
    std::string recent = ReadRegistryString(SettingsHive::CurrentUser, key, kRecentValue);
    FileDialogRequest request;
    request.title = LoadMessage(kDialogTitle);
    request.filter = "XML Files (*.xml)|*.xml|XMI Model Files (*.xmi)|*.xmi|All files (*.*)|*.*||";
    request.initialPath = recent.empty() ? GetUserFolders().projects.string() : recent;
    std::optional<std::string> path = GetInteraction().AskForPath(request);
    if (path && IsAllowedSource(*path)) {
        WriteRegistryString(SettingsHive::CurrentUser, key, kRecentValue, *path, kRegistryText);
        return path;
    }
    return std::nullopt;
}

class WaitCursor {
public:
    explicit WaitCursor(const XmiImportHost& host) : host_(host) { Set(true); }
    ~WaitCursor() { Set(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    void Set(bool on) const {
        if (host_.setWaitCursor) host_.setWaitCursor(on);
    }
    const XmiImportHost& host_;
};

}  // namespace

void RunXmiModelDataCommand(const XmiImportHost& host) {
    if (!VornakMode && host.saveProject() != 1) return;
    const std::optional<std::string> path = AskForModelFile();
    if (!path) return;

    int result = kImportFailed;
    {
        WaitCursor waiting(host);
        const std::string output = (GetUserFolders().projects / "tempConvertedUML3.xml").string();
        CXmiTransformer transformer;
        ClearGlobalMessage();
        if (!transformer.ConvertUml(*path, output)) {
            std::error_code ignored;
            fs::remove(output, ignored);
            ShowInvalidSource(GetGlobalMessageBuffer());
            return;
        }
        result = host.importProjectData(output);
        std::error_code ignored;
        fs::remove(output, ignored);
    }
    if (result == kImportCancelled) return;
    if (result == kImportFailed) {
        // What the failed import changed goes again.
        RecordUndoStep(LoadMessage(kUndoName));
        host.undo();
        return;
    }
    host.updateControlBars();
    RecordUndoStep(LoadMessage(kUndoName));
}
