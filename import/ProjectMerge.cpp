#include "import/ProjectMerge.h"

#include "import/ImportFrame.h"
#include "import/MasterSynchronisation.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/Clipboard.h"
#include "platform/Format.h"
#include "platform/Interaction.h"
#include "platform/MessageLog.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kSyncQuestion = 43050;  // [Q0050]
constexpr int kSyncCaption = 47900;

}  // namespace

std::string RenameEntry(const std::string& oldText, const std::string& newText) {
    return oldText + kRenameSeparator + newText;
}

bool ApplyRenameEntries(CApplicationKav& project, std::vector<std::string>& entries, int scope) {
    std::vector<std::pair<std::string, std::string>> replacements;
    bool complete = true;
    for (const std::string& entry : entries) {
        const size_t separator = entry.find(kRenameSeparator);
        if (separator == std::string::npos) {
            complete = false;
            break;
        }
        replacements.emplace_back(entry.substr(0, separator), entry.substr(separator + sizeof(kRenameSeparator) - 1));
    }
    project.ReplaceReferenceTexts(replacements, scope);
    entries.clear();
    return complete;
}

bool CProjectDataImportDlg::ImportSelected(MessageLog* log) {
    ProjectMerge merge(*other_, options_, log);
    return merge.Run() == 1;
}

ProjectMerge::ProjectMerge(CApplicationKav& other, const Options& options, MessageLog* log)
    : other_(other), options_(options), log_(log) {}

ProjectMerge::~ProjectMerge() = default;

CApplicationKav& ProjectMerge::Open() const { return *CurrentApplication; }

void ProjectMerge::Log(const std::string& line) {
    if (log_) log_->AddMessage(line);
}

void ProjectMerge::LogCounts(const char* newText, const char* updatedText, int newCount, int updatedCount) {
    Log(FormatText(newText, {newCount}));
    Log(FormatText(updatedText, {updatedCount}));
    Log("");
}

void ProjectMerge::Prepare() {
    CApplicationKav& open = Open();
    open.DeleteTestCases(nullptr, nullptr, nullptr, 99);
    open.GetTestScripts().DeleteAll();
    ClearClipboard();
    GetImportFrame().CloseAllViews();
}

int ProjectMerge::Run() {
    Prepare();
    if (options_.syncMasters) {
        const MessageAnswer answer = GetInteraction().ShowMessage(
            {LoadMessage(kSyncQuestion), LoadMessage(kSyncCaption), MessageButtons::YesNo, MessageIcon::Warning,
             MessageAnswer::Yes});
        if (answer == MessageAnswer::Yes) {
            Log("");
            Log("SYNCHRONIZING MASTER PROJECTS:");
            MasterSynchronisation synchronisation(other_, options_.requirementRule, log_, importedRenames_);
            if (!synchronisation.Run()) return 0;
            Log("Master synchronization complete");
        }
    }
    Log("");
    Log("IMPORTING OBJECTS:");
    mainFile_ = Open().GetMainFile();
    otherMainFile_ = other_.GetMainFile();

    MergeAttributes(false);
    MergeAttributes(true);
    MergeMetaConditions();
    MergeRequirements();
    MergeTasks();
    MergeWindows();
    MergeDataSets();
    if (!BuildRelations()) {
        FinishAllReplacements();
        return 0;
    }
    return ApplyRenames();
}

int ProjectMerge::ApplyRenames() {
    if (!ApplyRenameEntries(Open(), openProjectRenames_, CApplicationKav::kScopeNotImported)) return 0;
    return ApplyRenameEntries(Open(), importedRenames_, CApplicationKav::kScopeImported) ? 1 : 0;
}
