#include "editors/project/ProjectAdministrationDlg.h"

#include <algorithm>
#include <filesystem>

#include "editors/project/VornakLibraryMap.h"
#include "editors/windows/StringSelectDlg.h"
#include "model/ApplicationKav.h"
#include "model/CloneFlags.h"
#include "model/DisplayTexts.h"
#include "model/GUIBuilderList.h"
#include "model/ObjectNames.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/Paths.h"
#include "platform/TextUtil.h"
#include "platform/UniqueId.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kBuilderDeleted = 44429;
constexpr int kSelectGuiBuilder = 44434;
constexpr int kSelectTestTool = 44435;
constexpr int kEnterProjectName = 44136;
constexpr int kProjectNameTooLong = 44138;
constexpr int kIllegalNameCharacter = 45152;
constexpr int kNameBeginsWithNumber = 45153;
constexpr int kEnterValidPath = 45202;
constexpr int kNoSuchVornakLibrary = 45081;
constexpr int kIncludedTwice = 45203;
constexpr int kLibraryListCorrupted = 41129;
constexpr int kReallyDelete = 43019;
constexpr int kCaptionMissingBuilder = 47114;
constexpr int kCaptionMissingTool = 47115;
constexpr int kCaptionInvalidPath = 47272;
constexpr int kCaptionIncludeStructure = 47256;
constexpr int kCaptionDeleteItem = 47113;
constexpr int kTitleSelectLibrary = 47221;
constexpr int kTitleLibrarySelection = 47097;
constexpr int kAllVornakLibrariesIncluded = 45080;
constexpr int kColumnLibrary = 47269;
constexpr int kColumnPath = 47270;
constexpr int kColumnDirect = 47271;
constexpr int kUndoEditProjectProperties = 48054;

constexpr const char* kLibraryFilter = "XML files (*.xml) |*.xml|All files (*.*)|*.*||";
constexpr const char* kFailedMark = "!!! ";
// Every output format but the object maps, which are no project's default.
constexpr int kLastFormat = 14;
constexpr int kSmurfFormat = 11;
// A library loads when its headers read without problems.
constexpr int kLibrariesValid = 1;

bool HasDrive(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// The format of that display name among those offered, or 0.
int OfferedFormat(const std::string& name) {
    for (int format = 1; format <= kLastFormat; ++format)
        if (format != kSmurfFormat && GetConverterName(format) == name) return format;
    return 0;
}

}  // namespace

CProjectAdministrationDlg::CProjectAdministrationDlg(EditorHost& host, const VornakLibraryMap* vornakLibraries)
    : EditorDialog(host, kResourceId), vornakLibraries_(vornakLibraries) {
    AddControl(kProjectName);
    AddControl(kProjectGuiBuilder);
    AddControl(kProjectOutputFormat);
    AddControl(kProjectDescription);
    AddList(kProjectLibraries);
    EditList(kProjectLibraries).SetSorted(true);
    AddControl(kProjectLibraryPath);
    AddControl(kProjectBrowse, "Browse...");
    AddControl(kProjectNewLibrary, "New");
    AddControl(kProjectSetLibrary, "Set");
    AddControl(kProjectDeleteLibrary, "Delete");
}

int CProjectAdministrationDlg::EditProject(CApplicationKav& project, bool duringLoading) {
    project_ = &project;
    duringLoading_ = duringLoading;
    working_.DeleteAll();
    for (const CFileKav* file : project.GetFiles()) working_.Add(file->Clone(kCloneKeepId | kCloneKeepFile));
    if (Host().RunModal(*this) != kIdOk) {
        working_.DeleteAll();
        return 0;
    }
    const CFileKav* mainFile = project.GetMainFile();
    for (const CFileKav* file : project.GetFiles())
        project.MoveObjectsToFile(file, file == mainFile ? working_.front() : nullptr);
    project.SetMasterFile(nullptr);
    project.GetFiles().DeleteAll();
    for (CFileKav* file : working_) project.GetFiles().Add(file);
    working_.Pointers().clear();
    // The first library is the master project.
    CFileKav* master = project.GetFiles().size() > 1 ? project.GetFiles()[1] : nullptr;
    project.SetMasterFile(master);
    project.SetMasterProjectId(master ? master->GetID() : std::string());
    return 1;
}

void CProjectAdministrationDlg::OnInitDialog() {
    SetTitle("Project Administration", false);
    SetText(kProjectName, project_->GetName());
    SetText(kProjectDescription, project_->GetDescription());
    SetReadOnly(kProjectName, VornakMode);

    std::vector<std::string> builders;
    for (const CGUIBuilder* builder : GetGuiBuilderDatabase()) builders.push_back(builder->GetName());
    SetSortedItems(kProjectGuiBuilder, std::move(builders));
    if (const CGUIBuilder* builder = GetGuiBuilderDatabase().FindByGuiID(project_->GetGuiId()))
        SetText(kProjectGuiBuilder, builder->GetName());
    else
        GetInteraction().ShowMessage({LoadMessage(kBuilderDeleted), "", MessageButtons::Ok, MessageIcon::Warning});

    std::vector<std::string> formats;
    for (int format = 1; format <= kLastFormat; ++format)
        if (format != kSmurfFormat) formats.push_back(GetConverterName(format));
    SetSortedItems(kProjectOutputFormat, std::move(formats));
    if (OfferedFormat(GetConverterName(project_->GetOutputFormat())))
        SetText(kProjectOutputFormat, GetConverterName(project_->GetOutputFormat()));

    EditList(kProjectLibraries)
        .SetColumns({{LoadMessage(kColumnLibrary), 100}, {LoadMessage(kColumnPath), 303}, {LoadMessage(kColumnDirect), 42}});
    FillLibraryList();
}

void CProjectAdministrationDlg::FillLibraryList() {
    EditorList& list = EditList(kProjectLibraries);
    list.Clear();
    for (size_t i = 1; i < working_.size(); ++i) {
        CFileKav* file = working_[i];
        const bool direct = IsDirectLibrary(file->GetID());
        list.AddRow({(file->GetFailed() ? kFailedMark : "") + file->GetName(), direct ? file->GetPath() : file->GetFullPath(),
                     direct ? "Y" : "N"},
                    file);
    }
    SetEditMode(EditMode::NewEntry);
}

void CProjectAdministrationDlg::SetEditMode(EditMode mode) {
    const bool editable = mode != EditMode::IndirectLibrary;
    SetReadOnly(kProjectLibraryPath, !editable);
    Enable(kProjectBrowse, editable);
    Enable(kProjectSetLibrary, editable);
    Enable(kProjectDeleteLibrary, mode == EditMode::DirectLibrary);
    SetDefaultButton(mode == EditMode::DirectLibrary ? int{kProjectSetLibrary} : int{kIdOk});
    if (editable) SetFocus(kProjectLibraryPath);
    if (mode == EditMode::NewEntry) {
        SetText(kProjectLibraryPath, "");
        EditList(kProjectLibraries).Highlight(-1);
    }
    newEntry_ = mode == EditMode::NewEntry;
}

void CProjectAdministrationDlg::OnListRowChosen(int list, int row) {
    OnLibraryChosen(List(list).ItemAt<CFileKav>(row));
}

void CProjectAdministrationDlg::OnLibraryChosen(CFileKav* file) {
    if (!file) {
        SetEditMode(EditMode::NewEntry);
        return;
    }
    const bool direct = IsDirectLibrary(file->GetID());
    SetText(kProjectLibraryPath, direct ? file->GetPath() : file->GetFullPath());
    SetEditMode(direct ? EditMode::DirectLibrary : EditMode::IndirectLibrary);
}

bool CProjectAdministrationDlg::IsDirectLibrary(const std::string& id) const {
    return !working_.empty() && working_.front()->UsesFile(id);
}

std::string CProjectAdministrationDlg::ResolveLibraryPath(const std::string& path) const {
    if (VornakMode || HasDrive(path)) return path;
    return ResolveStoredPath(path, project_->GetMainFilePath()).string();
}

OwningList<CFileKav> CProjectAdministrationDlg::CopyDirectLibraries(const CFileKav* leftOut) const {
    OwningList<CFileKav> copies;
    if (working_.empty()) return copies;
    CFileKav* mainFile = copies.Add(working_.front()->Clone(kCloneKeepId | kCloneKeepFile));
    if (leftOut) std::erase(mainFile->UsedFileIds(), leftOut->GetID());
    for (size_t i = 1; i < working_.size(); ++i) {
        const CFileKav* file = working_[i];
        if (file == leftOut || !IsDirectLibrary(file->GetID())) continue;
        copies.Add(file->Clone(kCloneKeepId | kCloneKeepFile))->UsedFileIds().clear();
    }
    return copies;
}

const CFileKav* CProjectAdministrationDlg::FindDuplicate(const std::string& path, const CFileKav* chosen) const {
    const std::string fullPath = ResolveLibraryPath(path);
    return working_.FindIf([&](const CFileKav* file) {
        return file != chosen && IsDirectLibrary(file->GetID()) && EqualsNoCase(file->GetFullPath(), fullPath);
    });
}

bool CProjectAdministrationDlg::RefuseIncludedTwice(const CFileKav& library) {
    SetMessage(kIncludedTwice, library.GetName());
    return RefuseWithText(GetGlobalMessageBuffer(), kCaptionIncludeStructure, kProjectLibraryPath);
}

int CProjectAdministrationDlg::ApplyLibraryEntry(bool atOk) {
    const std::string path = GetText(kProjectLibraryPath);
    const bool nothingToAdd = path.empty() && newEntry_ && atOk;
    if (path.empty() && !nothingToAdd) return Refuse(kEnterValidPath, kCaptionInvalidPath, kProjectLibraryPath);
    std::string vornakId;
    if (VornakMode && !nothingToAdd) {
        const std::optional<std::string> id = vornakLibraries_ ? vornakLibraries_->FindLibrary(path) : std::nullopt;
        if (!id) {
            SetMessage(kNoSuchVornakLibrary, path);
            return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidPath, kProjectLibraryPath);
        }
        vornakId = *id;
    }
    const EditorList& rows = List(kProjectLibraries);
    CFileKav* chosen = newEntry_ ? nullptr : rows.ItemAt<CFileKav>(rows.GetHighlighted());
    const CFileKav* duplicate = nothingToAdd ? nullptr : FindDuplicate(path, chosen);

    OwningList<CFileKav> candidate = CopyDirectLibraries(nullptr);
    if (candidate.empty()) {
        ShowFatalError(kLibraryListCorrupted);
        return -1;
    }
    CFileKav* mainFile = candidate.front();
    if (newEntry_ && !nothingToAdd) {
        if (duplicate) return RefuseIncludedTwice(*duplicate);
        auto* library = new CFileKav("", path, ResolveLibraryPath(path), true);
        if (VornakMode) {
            library->SetName(path);
            library->SetID(vornakId);
        }
        candidate.Add(library);
        mainFile->UsedFileIds().push_back(library->GetID());
    } else if (!newEntry_) {
        if (!chosen) {
            ShowFatalError(kLibraryListCorrupted);
            return -1;
        }
        // An indirect library is shown, not edited: OK leaves it to loading.
        const bool unchanged = !IsDirectLibrary(chosen->GetID()) || EqualsNoCase(chosen->GetPath(), path);
        if (!unchanged) {
            if (duplicate) return RefuseIncludedTwice(*chosen);
            CFileKav* copy = candidate.FindIf([&](const CFileKav* file) { return file->GetID() == chosen->GetID(); });
            if (!copy) {
                ShowFatalError(kLibraryListCorrupted);
                return -1;
            }
            copy->SetPath(path);
            copy->SetFullPath(ResolveLibraryPath(path));
            if (VornakMode) {
                copy->SetName(path);
                std::replace(mainFile->UsedFileIds().begin(), mainFile->UsedFileIds().end(), copy->GetID(), vornakId);
                copy->SetID(vornakId);
            }
        }
    }
    if (!TakeOver(candidate)) {
        SetFocus(kProjectLibraryPath);
        return 0;
    }
    return 1;
}

bool CProjectAdministrationDlg::TakeOver(OwningList<CFileKav>& candidate) {
    if (!VornakMode && !LoadLibraryFiles(candidate)) return false;
    working_ = std::move(candidate);
    FillLibraryList();
    return true;
}

int CProjectAdministrationDlg::LoadLibraryFiles(OwningList<CFileKav>& list) {
    CApplicationKav scratch;
    for (CFileKav* file : list) scratch.GetFiles().Add(file);
    const bool loaded = GetProjectReader().LoadLibraries(&scratch, false) == kLibrariesValid;
    std::vector<CFileKav*> files = std::move(scratch.GetFiles().Pointers());
    scratch.GetFiles().Pointers().clear();
    if (!loaded) {
        for (CFileKav* file : files)
            if (!list.Contains(file)) delete file;
        return 0;
    }
    list.Pointers() = std::move(files);
    return 1;
}

void CProjectAdministrationDlg::OnDelete() {
    EditorList& rows = EditList(kProjectLibraries);
    if (rows.GetHighlighted() < 0) return;
    if (!AskYesNo(kReallyDelete, kCaptionDeleteItem)) return;
    const CFileKav* library = rows.ItemAt<CFileKav>(rows.GetHighlighted());
    if (!library) {
        ShowFatalError(kLibraryListCorrupted);
        return;
    }
    OwningList<CFileKav> candidate = CopyDirectLibraries(library);
    TakeOver(candidate);
}

void CProjectAdministrationDlg::OnBrowse() {
    if (VornakMode) {
        BrowseVornakLibraries();
        return;
    }
    const std::string field = GetText(kProjectLibraryPath);
    const std::string start = field.empty() ? std::filesystem::path(project_->GetMainFilePath()).parent_path().string()
                                            : ResolveLibraryPath(field);
    const FileDialogRequest request{FileDialogRequest::Kind::Open, LoadMessage(kTitleSelectLibrary), kLibraryFilter,
                                    start};
    if (const std::optional<std::string> chosen = GetInteraction().AskForPath(request))
        SetText(kProjectLibraryPath, *chosen);
}

void CProjectAdministrationDlg::BrowseVornakLibraries() {
    // What the project included directly when the dialog opened is not offered again.
    const CFileKav* mainFile = project_->GetMainFile();
    std::vector<std::string> names;
    for (const std::string& name : vornakLibraries_ ? vornakLibraries_->LibraryNames() : std::vector<std::string>()) {
        const CFileKav* file = project_->FindFile(name, false);
        if (!file || (file != mainFile && !(mainFile && mainFile->UsesFile(file->GetID())))) names.push_back(name);
    }
    if (names.empty()) {
        GetInteraction().ShowMessage({LoadMessage(kAllVornakLibrariesIncluded), "", MessageButtons::Ok, MessageIcon::Warning});
        return;
    }
    CStringSelectDlg selection(Host());
    std::string chosen;
    if (selection.SelectString(&names, LoadMessage(kTitleLibrarySelection), chosen) == 1 && !chosen.empty())
        SetText(kProjectLibraryPath, chosen);
}

bool CProjectAdministrationDlg::CheckProjectName(const std::string& name) {
    if (!CheckName(name, {kEnterProjectName, kProjectNameTooLong, kMaxNameLength, kIllegalNameCharacter}))
        return RefuseWithCaption(GetGlobalMessageBuffer(), "", kProjectName);
    if (name.front() >= '0' && name.front() <= '9')
        return RefuseWithCaption(LoadMessage(kNameBeginsWithNumber), "", kProjectName);
    return true;
}

bool CProjectAdministrationDlg::OnOK() {
    const CGUIBuilder* builder = GetGuiBuilderDatabase().FindBuilder(GetText(kProjectGuiBuilder), false);
    if (GetText(kProjectGuiBuilder).empty() || !builder)
        return Refuse(kSelectGuiBuilder, kCaptionMissingBuilder, kProjectGuiBuilder);
    const int format = OfferedFormat(GetText(kProjectOutputFormat));
    if (!format) return Refuse(kSelectTestTool, kCaptionMissingTool, kProjectOutputFormat);
    const std::string name = GetText(kProjectName);
    if (name != project_->GetName() && !CheckProjectName(name)) return false;

    // Loading compares the libraries' names with the project's.
    CFileKav* mainFile = working_.empty() ? nullptr : working_.front();
    const std::string previousName = mainFile ? mainFile->GetName() : std::string();
    if (mainFile) mainFile->SetName(name);
    // A refused entry leaves the working list as it was.
    if (ApplyLibraryEntry(true) != 1) {
        if (mainFile) mainFile->SetName(previousName);
        return false;
    }
    project_->SetName(name);
    project_->SetGuiId(builder->GetGuiID());
    project_->SetOutputFormat(format);
    project_->SetDescription(GetText(kProjectDescription));
    if (!duringLoading_ && project_ == CurrentApplication) Host().SetModified(LoadMessage(kUndoEditProjectProperties));
    return true;
}
