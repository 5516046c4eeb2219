#include "editors/data/DataImportDlg.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "conditions/Designator.h"
#include "editors/data/DataCaptions.h"
#include "model/ApplicationKav.h"
#include "model/DataSet.h"
#include "model/FileKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kDataSetReadOnly = 44509;
constexpr int kSeparatorMissing = 44638;
constexpr int kCaptionSeparatorMissing = 47052;
constexpr int kCaptionInvalidDataSetName = 47053;
constexpr int kCaptionInvalidDataSet = 47054;
constexpr int kCaptionImportFailed = 47055;
constexpr int kTitleSelectFile = 47192;
constexpr int kImportedDataSetDescription = 49135;

constexpr const char* kTitle = "Import Test Data";
const std::string kRecentImportValue = "RecentDataImport";
const std::string kSeparatorValue = "DataImport_FieldSep";
// As typed: a backslash and the letter t stand for a tab.
constexpr std::string_view kTabMark = "\\t";

std::string ReadSetting(const std::string& name) {
    return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name);
}

void WriteSetting(const std::string& name, const std::string& value) {
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name, value, kRegistryText);
}

std::string WithTabs(std::string_view typed) {
    std::string separator;
    for (size_t at = 0; at < typed.size();) {
        if (typed.substr(at).starts_with(kTabMark)) {
            separator += '\t';
            at += kTabMark.size();
        } else {
            separator += typed[at++];
        }
    }
    return separator;
}

bool HasCsvExtension(const std::string& path) {
    return EqualsNoCase(std::filesystem::path(path).extension().string(), ".csv");
}

std::string WorkingDirectory() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}

}  // namespace

CDataImportDlg::CDataImportDlg(EditorHost& host, CApplicationKav& project)
    : EditorDialog(host, kResourceId), project_(project) {
    AddControl(kImportDataSet);
    AddControl(kImportSource);
    AddControl(kImportBrowse, "Browse...");
    AddControl(kImportSeparator);
}

int CDataImportDlg::ImportIntoDataSet(CDataSet* dataSet) {
    preselected_ = dataSet && dataSet->IsEditable(false) ? dataSet : nullptr;
    const std::string source = ReadSetting(kRecentImportValue);
    const std::string separator = ReadSetting(kSeparatorValue);
    SetText(kImportSource, source.empty() ? WorkingDirectory() : source);
    SetText(kImportSeparator, separator.empty() ? std::string(kTabMark) : separator);
    if (Host().RunModal(*this) != kIdOk) return 0;
    WriteSetting(kRecentImportValue, GetText(kImportSource));
    WriteSetting(kSeparatorValue, GetText(kImportSeparator));
    return 1;
}

void CDataImportDlg::OnInitDialog() {
    SetTitle(kTitle, false);
    entries_.clear();
    for (CDataSet* dataSet : project_.GetDataSets())
        if (dataSet->IsEditable(false)) entries_.push_back(dataSet);
    std::stable_sort(entries_.begin(), entries_.end(), [](const CDataSet* a, const CDataSet* b) {
        return CompareNoCase(a->GetName(), b->GetName()) < 0;
    });
    std::vector<std::string> names;
    for (const CDataSet* dataSet : entries_) names.push_back(dataSet->GetName());
    SetItems(kImportDataSet, std::move(names));
    chosen_ = -1;
    if (entries_.empty()) return;
    // Without a proposal, the project's first set, or the box's first entry when that set is
    // read-only.
    const CDataSet* proposed = preselected_;
    if (!proposed && !project_.GetDataSets().empty()) proposed = project_.GetDataSets().front();
    const auto entry = std::find(entries_.begin(), entries_.end(), proposed);
    ChooseDataSet(entry == entries_.end() ? 0 : static_cast<int>(entry - entries_.begin()));
}

void CDataImportDlg::ChooseDataSet(int entry) {
    chosen_ = entry >= 0 && entry < static_cast<int>(entries_.size()) ? entry : -1;
    if (chosen_ >= 0) SetText(kImportDataSet, entries_[static_cast<size_t>(chosen_)]->GetName());
}

int CDataImportDlg::GetChosenDataSet() const {
    if (chosen_ < 0 || entries_[static_cast<size_t>(chosen_)]->GetName() != GetText(kImportDataSet)) return -1;
    return chosen_;
}

void CDataImportDlg::OnBrowse() {
    const std::string source = GetText(kImportSource);
    FileDialogRequest request{FileDialogRequest::Kind::Open, LoadMessage(kTitleSelectFile), kDataFileFilter, source};
    request.filterIndex = HasCsvExtension(source) ? 1 : 0;
    const std::optional<std::string> path = GetInteraction().AskForPath(request);
    if (!path) return;
    SetText(kImportSource, *path);
    if (HasCsvExtension(*path)) SetText(kImportSeparator, ";");
}

CDataSet* CDataImportDlg::TargetDataSet(bool& made) {
    made = false;
    if (const int chosen = GetChosenDataSet(); chosen >= 0) return entries_[static_cast<size_t>(chosen)];
    const std::string typed = GetText(kImportDataSet);
    CDataSet* named = nullptr;
    CKavroObj* object = ResolveDesignatorObject(typed);
    if (object && object->GetKind() == kKindDataObject && static_cast<CDataObj*>(object)->GetDataKind() == kDataSet)
        named = static_cast<CDataSet*>(object);
    // A plain name of a set of the main file names that set: a second set of the name would clash.
    if (!named) named = project_.FindDataSet(typed, false, project_.GetMainFile());
    if (named) {
        if (named->IsEditable(false)) return named;
        Refuse(kDataSetReadOnly, kCaptionInvalidDataSet, kImportDataSet);
        return nullptr;
    }
    auto dataSet = std::make_unique<CDataSet>("", LoadMessage(kImportedDataSetDescription), GetText(kImportSource));
    if (CFileKav* mainFile = project_.GetMainFile()) {
        dataSet->SetFile(mainFile);
        dataSet->SetFileId(mainFile->GetID());
    }
    if (!dataSet->SetName(typed)) {
        RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidDataSetName, kImportDataSet);
        return nullptr;
    }
    made = true;
    return dataSet.release();
}

bool CDataImportDlg::OnOK() {
    const std::string typedSeparator = GetText(kImportSeparator);
    if (typedSeparator.empty()) return Refuse(kSeparatorMissing, kCaptionSeparatorMissing, kImportSeparator);
    bool made = false;
    CDataSet* target = TargetDataSet(made);
    if (!target) return false;
    std::unique_ptr<CDataSet> newSet(made ? target : nullptr);
    const std::string path = GetText(kImportSource);
    if (!ImportFile(path, WithTabs(typedSeparator), *target))
        return RefuseWithText(GetGlobalMessageBuffer(), kCaptionImportFailed, kImportSource);
    target->SetDataSource(path);
    if (newSet) project_.GetDataSets().Add(newSet.release());
    return true;
}
