// The include hierarchy of a project: the header of each file (its settings and the libraries it
// includes) is read, every library found joins the project's file list once, and the hierarchy
// is checked for libraries of one name and libraries that include each other.
#include <algorithm>

#include "model/ApplicationKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kInvalidCheckProject = 41130;  // [F0130]
constexpr int kIncludesCorrupted = 41131;    // [F0131]
constexpr int kNoProjectElement = 44798;     // [W0798]
constexpr int kIncludedTwice = 45203;        // [W1203]
constexpr int kMutualInclude = 45204;        // [W1204]
constexpr int kDuplicateName = 45703;        // [W1703]

constexpr int kValid = 1;
constexpr int kMendable = 3;
constexpr int kCorrupted = -1;

void ShowMessage(MessageIcon icon) { GetInteraction().Inform(GetGlobalMessageBuffer(), icon); }

bool SamePath(const CFileKav& a, const CFileKav& b) { return EqualsNoCase(a.GetFullPath(), b.GetFullPath()); }

}  // namespace

int CXMLDataManager::LoadLibraries(CApplicationKav* project, bool includeMain) {
    if (!project || project->GetFiles().empty()) {
        SetMessage(kInvalidCheckProject);
        ShowMessage(MessageIcon::Error);
        return kCorrupted;
    }
    OwningList<CFileKav>& files = project->GetFiles();
    const CFileKav* mainFile = files.front();
    bool problems = false;
    // The list grows while it is walked: every library found is read in turn.
    for (size_t i = 0; i < files.size(); ++i) {
        CFileKav* file = files[i];
        file->SetFailed(0);
        const bool isMain = file == mainFile;
        if (isMain && !includeMain) continue;

        // The file's FILE elements join the header project after the file itself.
        CApplicationKav header;
        header.GetFiles().Add(file);
        file->UsedFileIds().clear();
        const std::string pathBefore = file->GetFullPath();
        bool read = false;
        {
            CurrentProjectScope scope(*this, &header);
            versionText_.clear();
            projectMode_ = true;
            read = ParseFile(file, "UTF-8", HeaderHandlers());
        }
        header.GetFiles().Release(file);
        if (read && !projectElementRead_) {
            SetMessage(kNoProjectElement, file->GetFullPath());
            read = false;
        }
        if (!read) {
            ShowMessage(MessageIcon::Warning);
            file->SetFailed(1);
            if (isMain) return 0;
            problems = true;
            continue;
        }
        if (isMain) project->CopySettings(header);
        file->SetName(header.GetName());

        // The user located the file elsewhere: the next save writes the new path, unless the
        // main file already includes the file there.
        if (file->GetFullPath() != pathBefore) {
            const bool twice = files.FindIf([&](const CFileKav* other) {
                return other != file && mainFile->UsesFile(other->GetID()) && SamePath(*other, *file);
            });
            if (twice) {
                SetMessage(kIncludedTwice, file->GetName());
                ShowMessage(MessageIcon::Warning);
                file->SetFailed(1);
                problems = true;
                continue;
            }
            project->SetModified(1);
        }

        // A library already in the list is read once: the file uses that entry.
        while (!header.GetFiles().empty()) {
            CFileKav* included = header.GetFiles().ReleaseAt(0);
            if (const CFileKav* known = files.FindIf([&](const CFileKav* f) { return SamePath(*f, *included); })) {
                std::replace(file->UsedFileIds().begin(), file->UsedFileIds().end(), included->GetID(), known->GetID());
                delete included;
            } else {
                files.Add(included);
            }
        }
    }
    const int hierarchy = CheckIncludeHierarchy(project);
    if (hierarchy == kCorrupted || hierarchy == kMendable) return hierarchy;
    return problems ? kMendable : kValid;
}

int CXMLDataManager::CheckIncludeHierarchy(CApplicationKav* project) {
    if (!project) return kCorrupted;
    const OwningList<CFileKav>& files = project->GetFiles();
    const size_t count = files.size();

    bool duplicates = false;
    for (size_t i = 0; i < count; ++i) {
        const std::string name = files[i]->GetName();
        if (name.empty()) continue;
        for (size_t j = i + 1; j < count; ++j) {
            if (!EqualsNoCase(files[j]->GetName(), name)) continue;
            files[j]->SetFailed(1);
            SetMessage(kDuplicateName, name);
            ShowMessage(MessageIcon::Warning);
            duplicates = true;
            break;
        }
    }

    // For each file, by position in the list, the files it includes directly, then also
    // indirectly.
    std::vector<std::vector<size_t>> includes(count);
    for (size_t i = 0; i < count; ++i) {
        for (const std::string& id : files[i]->UsedFileIds()) {
            const int index = files.IndexOf(project->FindFile(id, true));
            if (index < 0) {
                SetMessage(kIncludesCorrupted);
                ShowMessage(MessageIcon::Error);
                return kCorrupted;
            }
            if (std::find(includes[i].begin(), includes[i].end(), size_t(index)) == includes[i].end())
                includes[i].push_back(size_t(index));
        }
    }
    for (bool grown = true; grown;) {
        grown = false;
        for (size_t f = 0; f < count; ++f) {
            for (size_t g = 0; g < includes[f].size(); ++g) {
                const size_t included = includes[f][g];
                for (size_t h = 0; h < includes[included].size(); ++h) {
                    const size_t indirect = includes[included][h];
                    if (indirect == f) {
                        files[included]->SetFailed(1);
                        SetMessage(kMutualInclude, files[included]->GetName(), files[f]->GetName());
                        ShowMessage(MessageIcon::Warning);
                        return kMendable;
                    }
                    if (std::find(includes[f].begin(), includes[f].end(), indirect) == includes[f].end()) {
                        includes[f].push_back(indirect);
                        grown = true;
                    }
                }
            }
        }
    }
    return duplicates ? kMendable : kValid;
}
